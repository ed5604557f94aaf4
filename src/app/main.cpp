// Program entry: the main window on the Qt window system, start-up through
// its Created event, the message loop, and an end that waits for nobody.
//
// Closing the main window ends the process at once with exit code 0. Worker
// threads may still be running then (a loader retrying against an unreachable
// server, a load waiting for a window operation that the ended loop will
// never carry out): after the exit routine the process ends without joining
// them and without destroying anything they use.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/desktop/desktop_options.h"
#include "app/desktop/screenshot_run.h"
#include "app/event_routes.h"
#include "app/program.h"
#include "app/vendor.h"
#include "catalogue/startup_loaders.h"
#include "ui/info_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/qt/qt_window.h"
#include "ui/qt/qt_window_system.h"
#include "ui/qt/web_engine_setup.h"

namespace quotexa {
namespace {

// The settings page as tests and the demo may adjust it before start-up reads it.
void ApplyOptionsToSettings(WindowSystem& windows, const DesktopOptions& options) {
    if (options.cataloguePort) {
        windows.SetText(MainControl(main_window::kServerPortBox), *options.cataloguePort);
    }
}

void CloseMainWindow(QtWindowSystem& windows) {
    if (QtWindow* window = windows.Window(WindowId::MainWindow)) window->close();
}

// QUOTEXA_EXIT_WHEN_LOADED=1, for the start-up benchmark: once every list
// the start-up loaders fill holds its rows, prints that moment and the moment
// main was entered on the monotonic clock (nanoseconds, the clock the parent
// reads before starting the process) and closes the main window.
void ExitWhenLoaded(QtWindowSystem& windows, std::chrono::steady_clock::time_point entered) {
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setTimerType(Qt::PreciseTimer);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [&windows, entered, poll] {
        for (const StartupLoader& loader : StartupLoaderOrder()) {
            const std::string_view list =
                loader.category ? Info(*loader.category).brandList : main_window::kPlatformList;
            if (windows.GetItemCount(MainControl(list)) == 0) return;
        }
        poll->stop();
        const auto nanoseconds = [](std::chrono::steady_clock::time_point moment) {
            return static_cast<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(moment.time_since_epoch())
                    .count());
        };
        std::printf("loaded_monotonic_ns=%lld\nmain_entered_monotonic_ns=%lld\n",
                    nanoseconds(std::chrono::steady_clock::now()), nanoseconds(entered));
        CloseMainWindow(windows);
    });
    poll->start();
}

[[noreturn]] void EndProcess(Program& program, int exitCode) {
    RunExitRoutine(program);
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(exitCode);
}

int Run(int argc, char* argv[]) {
    const auto entered = std::chrono::steady_clock::now();
    PrepareWebEngine();
    QApplication application(argc, argv);
    // The main window's end is the program's end; nothing else quits it.
    QApplication::setQuitOnLastWindowClosed(false);

    const Vendor vendor = CompiledInVendor();
    const DesktopOptions options = ReadDesktopOptions();
    QtWindowSystem windows({BuildMainWindowLayout(vendor), BuildInfoWindowLayout()});
    Program program(windows, vendor);

    windows.SetEventHandler([&](const ControlRef& control, EventKind event) {
        if (control == WindowRef(WindowId::MainWindow) && event == EventKind::Created) {
            ApplyOptionsToSettings(windows, options);
        }
        RouteEvent(program, control, event);
    });
    windows.SetWindowClosedHandler([](WindowId window) {
        if (window == WindowId::MainWindow) QCoreApplication::exit(0);
    });

    int exitCode = 0;
    windows.OpenWindow(WindowId::MainWindow, false);
    if (options.closeAfter) {
        QTimer::singleShot(static_cast<int>(options.closeAfter->count()), &application, [&windows] {
            // Marks the moment, for whoever measures how soon the process ends.
            std::fputs("quotexa: closing the main window\n", stderr);
            std::fflush(stderr);
            CloseMainWindow(windows);
        });
    }
    if (qEnvironmentVariable("QUOTEXA_EXIT_WHEN_LOADED") == "1") ExitWhenLoaded(windows, entered);
    std::unique_ptr<ScreenshotRun> screenshot;
    if (options.screenshotPath) {
        screenshot = std::make_unique<ScreenshotRun>(windows, *options.screenshotPath,
                                                     options.screenshotDelay, options.demoPicks,
                                                     [&windows, &exitCode](bool saved) {
                                                         if (!saved) exitCode = 1;
                                                         CloseMainWindow(windows);
                                                     });
        screenshot->Start();
    }

    QApplication::exec();
    EndProcess(program, exitCode);
}

}  // namespace
}  // namespace quotexa

int main(int argc, char* argv[]) {
    return quotexa::Run(argc, argv);
}
