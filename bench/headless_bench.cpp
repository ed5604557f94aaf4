// The cost of one window-system operation in the headless back end: from a
// worker thread (queued to the window thread, the caller waits) and on the
// window thread itself (carried out at once).
#include <benchmark/benchmark.h>

#include "ui/headless/headless_window_system.h"

namespace quotexa {
namespace {

std::vector<WindowDef> OneList() {
    ControlDef list;
    list.kind = ControlKind::ListView;
    list.name = "列表";
    WindowDef window;
    window.id = WindowId::MainWindow;
    window.controls.push_back(list);
    return {window};
}

void BM_GetItemCountFromAnotherThread(benchmark::State& state) {
    HeadlessWindowSystem windows(OneList());
    windows.OpenWindow(WindowId::MainWindow, false);
    const ControlRef list = MainControl("列表");
    for (auto _ : state) benchmark::DoNotOptimize(windows.GetItemCount(list));
}
BENCHMARK(BM_GetItemCountFromAnotherThread)->UseRealTime();

void BM_GetItemCountOnTheWindowThread(benchmark::State& state) {
    HeadlessWindowSystem windows(OneList());
    windows.OpenWindow(WindowId::MainWindow, false);
    const ControlRef list = MainControl("列表");
    // The whole timed loop runs on the window thread, as an event handler would.
    windows.RunOnWindowThread([&] {
        for (auto _ : state) benchmark::DoNotOptimize(windows.GetItemCount(list));
    });
}
BENCHMARK(BM_GetItemCountOnTheWindowThread)->UseRealTime();

}  // namespace
}  // namespace quotexa

BENCHMARK_MAIN();
