// The program's real windows on the Qt window system: built from the real
// layouts, every event recorded, and (unless a test wants only the record)
// routed to the program's routines. The main window opens at once; its
// Created handler (start-up, with the catalogue loaders) runs only when the
// test calls RunStartUp, after pointing the settings page at a catalogue.
#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <string>
#include <string_view>

#include "app/event_routes.h"
#include "app/program.h"
#include "app/vendor.h"
#include "gui/event_log.h"
#include "ui/info_window_layout.h"
#include "ui/main_window_layout.h"
#include "ui/qt/qt_window_system.h"

namespace quotexa::gui_test {

using namespace std::chrono_literals;

// Nothing listens on port 9 of loopback: pages and pictures fail at once
// unless a test serves them.
inline Vendor GuiTestVendor() {
    Vendor vendor = CompiledInVendor();
    vendor.catalogueHost = "127.0.0.1";
    vendor.webHost = "127.0.0.1:9";
    return vendor;
}

// Waits until the condition holds, at most the time-out, running the GUI
// thread's event loop meanwhile: workers' calls are carried out the moment
// they arrive, as in the program.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = 30s) {
    if (condition()) return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition()) loop.quit();
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    poll.start(5);
    loop.exec();
    return condition();
}

class QtMainWindow {
public:
    enum class Events { Routed, RecordedOnly };

    explicit QtMainWindow(const Vendor& vendor = GuiTestVendor(), Events events = Events::Routed)
        : windows_({BuildMainWindowLayout(vendor), BuildInfoWindowLayout()}),
          program_(windows_, vendor) {
        EventHandler route;
        if (events == Events::Routed) {
            route = [this](const ControlRef& control, EventKind event) {
                const bool mainCreated =
                    control == WindowRef(WindowId::MainWindow) && event == EventKind::Created;
                if (!mainCreated) RouteEvent(program_, control, event);
            };
        }
        windows_.SetEventHandler(log_.Handler(std::move(route)));
        windows_.OpenWindow(WindowId::MainWindow, false);
        (void)QTest::qWaitForWindowExposed(windows_.Window(WindowId::MainWindow));
    }

    // Workers call into the windows: they must have ended before those go.
    ~QtMainWindow() { WaitForWorkers(30s); }

    QtMainWindow(const QtMainWindow&) = delete;
    QtMainWindow& operator=(const QtMainWindow&) = delete;

    void SetCatalogue(const std::string& host, int port) {
        windows_.SetText(MainControl(main_window::kServerAddressBox), host);
        windows_.SetText(MainControl(main_window::kServerPortBox), std::to_string(port));
    }

    // Raises MainWindow's Created event as the program's entry does.
    void RunStartUp() { RouteEvent(program_, WindowRef(WindowId::MainWindow), EventKind::Created); }

    bool WaitForWorkers(std::chrono::milliseconds timeout = 30s) {
        return WaitUntil([this] { return windows_.RunningWorkers() == 0; }, timeout);
    }

    // The widget of a control, as the class that implements its kind.
    template <typename Widget>
    Widget* Get(std::string_view name, WindowId window = WindowId::MainWindow) {
        return dynamic_cast<Widget*>(windows_.Widget(ControlRef{window, std::string(name)}));
    }

    QtWindowSystem& windows() { return windows_; }
    Program& program() { return program_; }
    EventLog& log() { return log_; }

private:
    EventLog log_;  // outlives the window system that reports to it
    QtWindowSystem windows_;
    Program program_;
};

}  // namespace quotexa::gui_test
