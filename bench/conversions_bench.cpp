// Cost of the text/number conversions next to the C library calls they stand
// in for, on the same inputs: NumberToText against snprintf("%.13g") and
// TextToNumber against strtod.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "quote/conversions.h"

namespace {

// Totals and prices as a quote produces them: cents, thirds, large and small.
std::vector<double> SampleValues() {
    std::mt19937_64 generator(7);
    std::uniform_int_distribution<long long> cents(1, 99'999'999);
    std::vector<double> values;
    for (int i = 0; i < 256; ++i) values.push_back(static_cast<double>(cents(generator)) / 100.0);
    for (int i = 1; i <= 64; ++i) values.push_back(100.0 / (3.0 * i));
    values.push_back(12345678901234.0);
    values.push_back(0.00000025);
    values.push_back(-150.0);
    return values;
}

// The same values as the texts a user or the catalogue would hold.
std::vector<std::string> SampleTexts() {
    std::vector<std::string> texts;
    for (const double value : SampleValues()) {
        std::array<char, 32> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%.13g", value);
        texts.emplace_back(buffer.data());
    }
    return texts;
}

void BM_NumberToText(benchmark::State& state) {
    const std::vector<double> values = SampleValues();
    for (auto _ : state) {
        for (const double value : values) benchmark::DoNotOptimize(quotexa::NumberToText(value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_NumberToText);

void BM_SnprintfG13(benchmark::State& state) {
    const std::vector<double> values = SampleValues();
    for (auto _ : state) {
        for (const double value : values) {
            std::array<char, 32> buffer{};
            std::snprintf(buffer.data(), buffer.size(), "%.13g", value);
            // Build a std::string as NumberToText does, so both deliver the same thing.
            benchmark::DoNotOptimize(std::string(buffer.data()));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_SnprintfG13);

void BM_TextToNumber(benchmark::State& state) {
    const std::vector<std::string> texts = SampleTexts();
    for (auto _ : state) {
        for (const std::string& text : texts) benchmark::DoNotOptimize(quotexa::TextToNumber(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_TextToNumber);

void BM_Strtod(benchmark::State& state) {
    const std::vector<std::string> texts = SampleTexts();
    for (auto _ : state) {
        for (const std::string& text : texts) {
            benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_Strtod);

}  // namespace

BENCHMARK_MAIN();
