// A main window on the headless window system, built from the real layouts,
// with its events routed to the program's routines and the window open.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "app/event_routes.h"
#include "app/program.h"
#include "app/vendor.h"
#include "ui/headless/headless_driver.h"
#include "ui/headless/headless_window_system.h"
#include "ui/info_window_layout.h"
#include "ui/main_window_layout.h"

namespace quotexa {

inline Vendor TestVendor() {
    Vendor vendor = CompiledInVendor();
    vendor.catalogueHost = "127.0.0.1";
    vendor.webHost = "127.0.0.1:9";
    return vendor;
}

class MainWindowHarness {
public:
    // The main window opens at once, but its Created handler (start-up, with
    // the catalogue loaders) runs only when the test calls RunStartUp: most
    // tests work on the grid alone, and the others first point the settings
    // page at their own catalogue server.
    explicit MainWindowHarness(const Vendor& vendor = TestVendor())
        : windows_({BuildMainWindowLayout(vendor), BuildInfoWindowLayout()}),
          driver_(windows_),
          program_(windows_, vendor) {
        windows_.SetEventHandler([this](const ControlRef& control, EventKind event) {
            const bool mainCreated =
                control.window == WindowId::MainWindow && event == EventKind::Created;
            if (!mainCreated) RouteEvent(program_, control, event);
        });
        windows_.OpenWindow(WindowId::MainWindow, false);
    }

    // Points the settings page at a catalogue server.
    void SetCatalogue(const std::string& host, int port) {
        windows_.SetText(MainControl(main_window::kServerAddressBox), host);
        windows_.SetText(MainControl(main_window::kServerPortBox), std::to_string(port));
    }

    // Raises MainWindow's Created event as the window system does.
    void RunStartUp() {
        windows_.RunOnWindowThread(
            [this] { RouteEvent(program_, WindowRef(WindowId::MainWindow), EventKind::Created); });
    }

    ~MainWindowHarness() { driver_.WaitForWorkers(std::chrono::seconds(30)); }

    MainWindowHarness(const MainWindowHarness&) = delete;
    MainWindowHarness& operator=(const MainWindowHarness&) = delete;

    HeadlessWindowSystem& windows() { return windows_; }
    HeadlessDriver& driver() { return driver_; }
    Program& program() { return program_; }

private:
    HeadlessWindowSystem windows_;
    HeadlessDriver driver_;
    Program program_;
};

}  // namespace quotexa
