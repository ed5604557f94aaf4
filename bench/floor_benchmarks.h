// The floor every product-list figure is measured against: the product
// statement of each sized brand through the client library alone. Both the
// headless and the Qt benchmark programs register it, so each can be set
// beside its own list figures.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "bench_setup.h"
#include "catalogue/brand_selection.h"
#include "db/statements.h"

namespace quotexa::bench {

// Samples per figure: fewer for the largest brand, whose samples take longest.
constexpr int ListSamples(const SizedBrand& brand) {
    return brand.products >= 5000 ? 11 : 21;
}

// Registers floor/<n> for every sized brand of the category; the servers are
// those of the run, valid for as long as the benchmarks run.
inline void RegisterFloorBenchmarks(const BenchServers& servers, ComponentCategory category) {
    for (const SizedBrand& brand : kSizedBrands) {
        const std::string statement = BrandProductListStatement(category, brand.name);
        const std::vector<std::string_view> columns = ProductColumns(category);
        benchmark::RegisterBenchmark(
            ("floor/" + std::to_string(brand.products)).c_str(),
            [&servers, statement, columns, brand](benchmark::State& state) {
                for (auto _ : state) {
                    const auto start = std::chrono::steady_clock::now();
                    const std::uint64_t rows = FloorQuery(servers, statement, columns);
                    state.SetIterationTime(
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                            .count());
                    if (rows != static_cast<std::uint64_t>(brand.products)) {
                        state.SkipWithError("the floor query read a wrong number of rows");
                    }
                }
            })
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(ListSamples(brand))
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace quotexa::bench
