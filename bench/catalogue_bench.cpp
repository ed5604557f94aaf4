// The catalogue figures on the headless window system, beside the floor:
//   floor/<n>                  the product statement of a brand with n products
//                              through the client library alone
//   brand_pick/headless/<n>    brand pick until the product list is filled and
//                              the brand list enabled again (the worker's end)
//   headless/product_pick      product pick until PickProduct has returned:
//                              row, picture (fetched from the loopback server),
//                              totals, trim; the counter fetch_ms holds a
//                              fetch of the same picture made just before
//   headless/recalculate       RecalculateQuote alone, on the window thread
//   headless/trim              TrimWorkingSet alone
//   startup/headless           a fresh main window's Created handler until the
//                              eleven start-up loaders have filled their lists
// Every repetition is one timed sample (one iteration), so bench/run_benchmarks
// reads medians and spreads from the repetitions. Needs the servers that
// bench/run_benchmarks starts.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench_setup.h"
#include "catalogue/brand_selection.h"
#include "db/statements.h"
#include "floor_benchmarks.h"
#include "platform/http_read_file.h"
#include "platform/working_set.h"
#include "quote/recalculation.h"
#include "support/main_window_harness.h"
#include "timed_routine.h"

namespace quotexa::bench {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kWorkerTimeout = std::chrono::seconds(120);
constexpr ComponentCategory kCategory = ComponentCategory::GraphicsCard;

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

int FindItem(WindowSystem& windows, const ControlRef& list, std::string_view text) {
    const int count = windows.GetItemCount(list);
    for (int item = 0; item < count; ++item) {
        if (windows.GetItemText(list, item, 0) == text) return item;
    }
    return -1;
}

// The headless program with its lists loaded from the run's catalogue.
class HeadlessBench {
public:
    explicit HeadlessBench(const BenchServers& servers)
        : servers_(servers), harness_(BenchVendor(servers)) {
        harness_.SetCatalogue(servers.catalogueHost, servers.cataloguePort);
        harness_.RunStartUp();
        if (!harness_.driver().WaitForWorkers(kWorkerTimeout)) {
            std::fprintf(stderr, "the start-up lists did not fill\n");
            std::exit(1);
        }
    }

    const BenchServers& servers() const { return servers_; }
    WindowSystem& windows() { return harness_.windows(); }
    HeadlessDriver& driver() { return harness_.driver(); }

    ControlRef BrandList() const { return MainControl(Info(kCategory).brandList); }
    ControlRef ProductList() const { return MainControl(Info(kCategory).productList); }

    // Picks the brand as the user would and waits for its worker; the time
    // from the pick to the worker's end. A brand that is already current is
    // first left for another one, untimed: picking it again raises nothing.
    Clock::duration PickBrand(int item) {
        if (windows().GetCurrentItem(BrandList()) == item) {
            driver().SelectItem(BrandList(), item == 0 ? 1 : 0);
            driver().WaitForWorkers(kWorkerTimeout);
        }
        const Clock::time_point start = Clock::now();
        driver().SelectItem(BrandList(), item);
        driver().WaitForWorkers(kWorkerTimeout);
        return Clock::now() - start;
    }

    // Picks the product on the window thread, as the window system raises
    // the event there; the time until the handler has returned.
    Clock::duration PickProduct(int item) {
        Clock::duration took{};
        windows().RunOnWindowThread([&] {
            const Clock::time_point start = Clock::now();
            driver().SelectItem(ProductList(), item);
            took = Clock::now() - start;
        });
        return took;
    }

private:
    BenchServers servers_;
    MainWindowHarness harness_;
};

HeadlessBench* activeBench = nullptr;

void RegisterBrandBenchmarks() {
    RegisterFloorBenchmarks(activeBench->servers(), kCategory);
    for (const SizedBrand& brand : kSizedBrands) {
        benchmark::RegisterBenchmark(
            ("brand_pick/headless/" + std::to_string(brand.products)).c_str(),
            [brand](benchmark::State& state) {
                const int item =
                    FindItem(activeBench->windows(), activeBench->BrandList(), brand.name);
                if (item < 0) {
                    state.SkipWithError("the brand is not in the brand list");
                    return;
                }
                for (auto _ : state) {
                    state.SetIterationTime(Seconds(activeBench->PickBrand(item)));
                    if (activeBench->windows().GetItemCount(activeBench->ProductList()) !=
                        brand.products) {
                        state.SkipWithError("the product list holds a wrong number of items");
                    }
                }
            })
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(ListSamples(brand))
            ->Unit(benchmark::kMillisecond);
    }
}

// The products of the list's first brand (a demo brand whose pictures the
// picture server holds).
void LoadDemoProducts() {
    activeBench->PickBrand(0);
    if (activeBench->windows().GetItemCount(activeBench->ProductList()) < 2) {
        std::fprintf(stderr, "the first graphics-card brand has fewer than two products\n");
        std::exit(1);
    }
}

void RegisterPickBenchmarks() {
    constexpr int kPickSamples = 41;
    // Alternating between two products, so that every pick changes the row.
    // Each pick is paired with a fetch of the same picture just before it
    // (counter fetch_ms), so that the pick without its fetch can be told.
    benchmark::RegisterBenchmark(
        "headless/product_pick",
        [](benchmark::State& state) {
            static int next = 0;
            HeadlessBench& bench = *activeBench;
            const ControlRef label = MainControl(Info(kCategory).pictureLabel);
            for (auto _ : state) {
                const std::string address =
                    PictureAddress(bench.servers().webHost,
                                   bench.windows().GetItemText(bench.ProductList(), next, 3));
                const Clock::time_point fetchStart = Clock::now();
                const std::string picture = HttpReadFile(address);
                const Clock::duration fetch = Clock::now() - fetchStart;
                state.SetIterationTime(Seconds(bench.PickProduct(next)));
                state.counters["fetch_ms"] = 1000.0 * Seconds(fetch);
                if (picture.empty() || bench.driver().PictureBytes(label) != picture) {
                    state.SkipWithError("the pick did not show the served picture");
                }
                if (bench.windows().GetText(MainControl(Info(kCategory).modelLabel)) !=
                    bench.windows().GetItemText(bench.ProductList(), next, 1)) {
                    state.SkipWithError("the pick did not fill the row");
                }
                next = 1 - next;
            }
        })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kPickSamples)
        ->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("headless/recalculate",
                                 [](benchmark::State& state) {
                                     WindowSystem& windows = activeBench->windows();
                                     Clock::duration took{};
                                     windows.RunOnWindowThread([&] {
                                         const Clock::time_point start = Clock::now();
                                         RecalculateQuote(windows);
                                         took = Clock::now() - start;
                                     });
                                     for (auto _ : state) state.SetIterationTime(Seconds(took));
                                 })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kPickSamples)
        ->Unit(benchmark::kMicrosecond);

    RegisterTimedRoutine("headless/trim", TrimWorkingSet, kPickSamples);
}

// Start-up on a fresh headless main window each sample: from raising Created
// to the end of the last of the eleven loaders (each ends once its list holds
// its rows and, for a brand list, its page is enabled).
void RegisterStartupBenchmark() {
    benchmark::RegisterBenchmark(
        "startup/headless",
        [](benchmark::State& state) {
            const BenchServers& servers = activeBench->servers();
            for (auto _ : state) {
                MainWindowHarness harness(BenchVendor(servers));
                harness.SetCatalogue(servers.catalogueHost, servers.cataloguePort);
                const Clock::time_point start = Clock::now();
                harness.RunStartUp();
                const bool filled = harness.driver().WaitForWorkers(kWorkerTimeout);
                state.SetIterationTime(Seconds(Clock::now() - start));
                if (!filled) state.SkipWithError("the start-up lists did not fill");
            }
        })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(11)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace quotexa::bench

int main(int argc, char* argv[]) {
    using namespace quotexa::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    HeadlessBench headless(ReadBenchServers());
    activeBench = &headless;
    // One untimed load of every sized brand first: the server's caches and
    // the client's allocations are then warm for every sample alike.
    for (const SizedBrand& brand : kSizedBrands) {
        const int item = FindItem(headless.windows(), headless.BrandList(), brand.name);
        if (item >= 0) headless.PickBrand(item);
    }
    LoadDemoProducts();
    RegisterPickBenchmarks();
    RegisterBrandBenchmarks();
    RegisterStartupBenchmark();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    activeBench = nullptr;
    return 0;
}
