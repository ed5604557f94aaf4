// The catalogue figures on the Qt window system (offscreen), the program set
// up as the desktop program sets itself up: the real layouts, the web views
// on the picture server's pages, start-up through the Created event.
//   qt/memory                 resident memory of this process after start-up
//                             and after 200 product picks (each with its
//                             trim), and of the web engine's helper processes
//   floor/<n>                 the raw-query floor, as in catalogue_bench
//   brand_pick/qt/<n>         brand pick until the product list is filled and
//                             the brand list enabled again; the counter
//                             painted_ms adds the layout and painting that
//                             follow on the GUI thread
//   qt/product_pick           product pick until PickProduct has returned;
//                             the counter fetch_ms holds a fetch of the same
//                             picture made just before
//   qt/recalculate, qt/trim   the parts alone
// The benchmarks run on the GUI thread; while a worker runs they turn the
// event loop, as the program's own loop would. Needs the servers that
// bench/run_benchmarks starts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/event_routes.h"
#include "app/program.h"
#include "bench_setup.h"
#include "catalogue/brand_selection.h"
#include "catalogue/category_table.h"
#include "catalogue/startup_loaders.h"
#include "db/statements.h"
#include "floor_benchmarks.h"
#include "platform/http_read_file.h"
#include "platform/working_set.h"
#include "quote/recalculation.h"
#include "timed_routine.h"
#include "ui/info_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/qt/list_view.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/qt_window_system.h"
#include "ui/qt/tab_control.h"
#include "ui/qt/web_engine_setup.h"

namespace quotexa::bench {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
constexpr ComponentCategory kCategory = ComponentCategory::GraphicsCard;
constexpr int kPicksForMemory = 200;
constexpr auto kWaitBound = 120s;

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

[[noreturn]] void Fail(const char* message) {
    std::fprintf(stderr, "qt_bench: %s\n", message);
    std::fflush(stderr);
    std::_Exit(1);
}

// The program on the Qt window system, driven from its GUI thread.
class QtBench {
public:
    QtBench(const BenchServers& servers, const Vendor& vendor)
        : servers_(servers),
          windows_({BuildMainWindowLayout(vendor), BuildInfoWindowLayout()}),
          program_(windows_, vendor) {
        windows_.SetEventHandler([this](const ControlRef& control, EventKind event) {
            if (control == WindowRef(WindowId::MainWindow) && event == EventKind::Created) {
                windows_.SetText(MainControl(main_window::kServerPortBox),
                                 std::to_string(servers_.cataloguePort));
            }
            RouteEvent(program_, control, event);
        });
        // Wakes the event loop now and then, so that waits on conditions no
        // event announces (a worker's thread ending) see them.
        wake_.setInterval(20);
        wake_.start();
    }

    const BenchServers& servers() const { return servers_; }
    QtWindowSystem& windows() { return windows_; }

    // Opens the main window (start-up) and waits until the start-up loaders
    // have filled their lists and ended.
    void StartUp() {
        windows_.OpenWindow(WindowId::MainWindow, false);
        WaitUntil([this] {
            for (const StartupLoader& loader : StartupLoaderOrder()) {
                const std::string_view list =
                    loader.category ? Info(*loader.category).brandList : main_window::kPlatformList;
                if (List(list)->ItemCount() == 0) return false;
            }
            return windows_.RunningWorkers() == 0;
        });
    }

    // Turns the event loop until the condition holds.
    void WaitUntil(const std::function<bool()>& condition) {
        const Clock::time_point deadline = Clock::now() + kWaitBound;
        while (!condition()) {
            if (Clock::now() > deadline) Fail("waited in vain for the program");
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
    }

    // Turns the event loop for a while (pages load, pictures paint).
    void Settle(std::chrono::milliseconds duration) {
        const Clock::time_point until = Clock::now() + duration;
        while (Clock::now() < until) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
    }

    ListView* List(std::string_view name) {
        auto* list = dynamic_cast<ListView*>(windows_.Widget(MainControl(name)));
        if (list == nullptr) Fail("a list of the main window is missing");
        return list;
    }

    void ShowPage(int page) {
        auto* tabs =
            dynamic_cast<TabControl*>(windows_.Widget(MainControl(main_window::kTabControl)));
        if (tabs == nullptr) Fail("the tab control is missing");
        tabs->setCurrentIndex(page);
    }

    // Picks the brand as the user would and waits for its worker; the time
    // from the pick until the brand list is enabled again (the worker's
    // last step, after the product list was filled). A brand that is already
    // current is first left for another, untimed.
    Clock::duration PickBrand(ComponentCategory category, int item) {
        const CategoryInfo& info = Info(category);
        ShowPage(info.pageIndex);
        ListView* brands = List(info.brandList);
        if (brands->CurrentItem() == item) {
            brands->PickItem(item == 0 ? 1 : 0);
            WaitUntil([brands] { return brands->isEnabled(); });
        }
        const Clock::time_point start = Clock::now();
        brands->PickItem(item);
        WaitUntil([brands] { return brands->isEnabled(); });
        return Clock::now() - start;
    }

    // The posted work that follows a change on the GUI thread: layout and
    // painting of the changed widgets.
    Clock::duration DrainPostedEvents() {
        const Clock::time_point start = Clock::now();
        QCoreApplication::processEvents();
        return Clock::now() - start;
    }

    // Picks another product of the category's list than the current one; the
    // time until PickProduct has returned. Nothing when the list has fewer
    // than two products or the pick did not reach the quote row.
    std::optional<Clock::duration> PickNextProduct(ComponentCategory category) {
        const CategoryInfo& info = Info(category);
        ListView* products = List(info.productList);
        const int count = products->ItemCount();
        if (count < 2) return std::nullopt;
        const int item = (products->CurrentItem() + 1) % count;
        const Clock::time_point start = Clock::now();
        products->PickItem(item);
        const Clock::duration took = Clock::now() - start;
        const bool reachedRow =
            windows_.GetText(MainControl(info.modelLabel)) == products->GetItemText(item, 1) &&
            windows_.GetText(MainControl(info.channelPriceLabel)) == products->GetItemText(item, 0);
        if (!reachedRow) return std::nullopt;
        return took;
    }

    int FindBrand(std::string_view name) {
        ListView* brands = List(Info(kCategory).brandList);
        for (int item = 0; item < brands->ItemCount(); ++item) {
            if (brands->GetItemText(item, 0) == name) return item;
        }
        return -1;
    }

private:
    BenchServers servers_;
    QtWindowSystem windows_;
    Program program_;
    QTimer wake_;
};

QtBench* activeBench = nullptr;

struct MemoryFigures {
    std::uint64_t ownAfterStartUp = 0;
    std::uint64_t ownAnonymousAfterStartUp = 0;
    HelperMemory helpersAfterStartUp;
    std::uint64_t ownAfterPicks = 0;
    std::uint64_t ownAnonymousAfterPicks = 0;
    HelperMemory helpersAfterPicks;
};

// After start-up, the product lists of every category the start-up loaders
// serve are loaded (their first brand), then 200 products are picked round
// the categories, each pick a change of the category's product.
MemoryFigures MeasureMemory() {
    MemoryFigures figures;
    activeBench->Settle(3000ms);  // the web views load their start pages
    figures.ownAfterStartUp = ResidentBytes(getpid());
    figures.ownAnonymousAfterStartUp = AnonymousResidentBytes(getpid());
    figures.helpersAfterStartUp = DescendantMemory(getpid());

    std::vector<ComponentCategory> categories;
    for (const CategoryInfo& info : CategoryTable) {
        if (info.brandSource != BrandSource::StartupLoader) continue;
        activeBench->PickBrand(info.category, 0);
        if (activeBench->List(info.productList)->ItemCount() >= 2)
            categories.push_back(info.category);
    }
    if (categories.empty()) Fail("no category has two products to pick from");
    for (int pick = 0; pick < kPicksForMemory; ++pick) {
        const ComponentCategory category =
            categories[static_cast<std::size_t>(pick) % categories.size()];
        activeBench->ShowPage(Info(category).pageIndex);
        if (!activeBench->PickNextProduct(category)) Fail("a product pick did not fill its row");
        activeBench->DrainPostedEvents();  // the user sees each pick before the next
    }
    activeBench->Settle(1000ms);
    figures.ownAfterPicks = ResidentBytes(getpid());
    figures.ownAnonymousAfterPicks = AnonymousResidentBytes(getpid());
    figures.helpersAfterPicks = DescendantMemory(getpid());
    return figures;
}

void RegisterMemoryFigures(const MemoryFigures& figures) {
    benchmark::RegisterBenchmark(
        "qt/memory",
        [figures](benchmark::State& state) {
            for (auto _ : state) state.SetIterationTime(1e-9);  // no time: counters only
            const auto bytes = [](std::uint64_t value) { return static_cast<double>(value); };
            state.counters["rss_after_startup"] = bytes(figures.ownAfterStartUp);
            state.counters["rss_after_picks"] = bytes(figures.ownAfterPicks);
            state.counters["rss_anon_after_startup"] = bytes(figures.ownAnonymousAfterStartUp);
            state.counters["rss_anon_after_picks"] = bytes(figures.ownAnonymousAfterPicks);
            state.counters["helpers_rss_after_startup"] =
                bytes(figures.helpersAfterStartUp.residentBytes);
            state.counters["helpers_pss_after_startup"] =
                bytes(figures.helpersAfterStartUp.proportionalBytes);
            state.counters["helpers_after_startup"] = figures.helpersAfterStartUp.processes;
            state.counters["helpers_rss_after_picks"] =
                bytes(figures.helpersAfterPicks.residentBytes);
            state.counters["helpers_pss_after_picks"] =
                bytes(figures.helpersAfterPicks.proportionalBytes);
            state.counters["helpers_after_picks"] = figures.helpersAfterPicks.processes;
            state.counters["picks"] = kPicksForMemory;
        })
        ->UseManualTime()
        ->Iterations(1);
}

void RegisterBrandBenchmarks() {
    RegisterFloorBenchmarks(activeBench->servers(), kCategory);
    for (const SizedBrand& brand : kSizedBrands) {
        benchmark::RegisterBenchmark(
            ("brand_pick/qt/" + std::to_string(brand.products)).c_str(),
            [brand](benchmark::State& state) {
                const int item = activeBench->FindBrand(brand.name);
                if (item < 0) {
                    state.SkipWithError("the brand is not in the brand list");
                    return;
                }
                for (auto _ : state) {
                    const Clock::duration filled = activeBench->PickBrand(kCategory, item);
                    const Clock::duration painted = activeBench->DrainPostedEvents();
                    state.SetIterationTime(Seconds(filled));
                    state.counters["painted_ms"] = 1000.0 * Seconds(filled + painted);
                    if (activeBench->List(Info(kCategory).productList)->ItemCount() !=
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

void RegisterPickBenchmarks() {
    constexpr int kPickSamples = 41;
    // Each pick is paired with a fetch of the same picture just before it
    // (counter fetch_ms), so that the pick without its fetch can be told.
    benchmark::RegisterBenchmark(
        "qt/product_pick",
        [](benchmark::State& state) {
            QtBench& bench = *activeBench;
            ListView* products = bench.List(Info(kCategory).productList);
            auto* label = dynamic_cast<PictureLabel*>(
                bench.windows().Widget(MainControl(Info(kCategory).pictureLabel)));
            for (auto _ : state) {
                const int next = (products->CurrentItem() + 1) % products->ItemCount();
                const std::string address =
                    PictureAddress(bench.servers().webHost, products->GetItemText(next, 3));
                const Clock::time_point fetchStart = Clock::now();
                const std::string picture = HttpReadFile(address);
                const Clock::duration fetch = Clock::now() - fetchStart;
                const auto took = bench.PickNextProduct(kCategory);
                if (!took) {
                    state.SkipWithError("the pick did not fill the row");
                    return;
                }
                state.SetIterationTime(Seconds(*took));
                state.counters["fetch_ms"] = 1000.0 * Seconds(fetch);
                if (picture.empty() || label == nullptr || label->Picture().isNull()) {
                    state.SkipWithError("the pick did not show the served picture");
                }
            }
            bench.DrainPostedEvents();  // untimed: the pick shows
        })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kPickSamples)
        ->Unit(benchmark::kMicrosecond);

    RegisterTimedRoutine(
        "qt/recalculate", [] { RecalculateQuote(activeBench->windows()); }, kPickSamples);
    RegisterTimedRoutine("qt/trim", TrimWorkingSet, kPickSamples);
}

void RunOnGuiThread() {
    activeBench->StartUp();
    RegisterMemoryFigures(MeasureMemory());
    // One untimed load of every sized brand: warm server caches and
    // allocations for every sample alike.
    for (const SizedBrand& brand : kSizedBrands) {
        const int item = activeBench->FindBrand(brand.name);
        if (item < 0) Fail("a sized brand is missing from the graphics-card brands");
        activeBench->PickBrand(kCategory, item);
        activeBench->DrainPostedEvents();
    }
    activeBench->PickBrand(kCategory, 0);  // a demo brand: its pictures are on the server
    RegisterPickBenchmarks();
    RegisterBrandBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

}  // namespace
}  // namespace quotexa::bench

int main(int argc, char* argv[]) {
    using namespace quotexa;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const bench::BenchServers servers = bench::ReadBenchServers();

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareWebEngine();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    bench::QtBench qtBench(servers, bench::BenchVendor(servers));
    bench::activeBench = &qtBench;
    QTimer::singleShot(0, &application, [] {
        bench::RunOnGuiThread();
        // As the program does: end at once, tearing nothing down (the web
        // engine's helpers end with their parent).
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(0);
    });
    return QApplication::exec();
}
