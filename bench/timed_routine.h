// Registering a benchmark whose every repetition is one timed call of a
// routine: bench/run_benchmarks reads medians and spreads from the
// repetitions.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>

namespace quotexa::bench {

inline void RegisterTimedRoutine(const std::string& name, std::function<void()> routine,
                                 int repetitions) {
    benchmark::RegisterBenchmark(
        name.c_str(),
        [routine = std::move(routine)](benchmark::State& state) {
            for (auto _ : state) {
                const auto start = std::chrono::steady_clock::now();
                routine();
                state.SetIterationTime(
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                        .count());
            }
        })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(repetitions)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace quotexa::bench
