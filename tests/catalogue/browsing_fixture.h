// A main window on the headless window system whose settings page points at
// the run's catalogue server and whose vendor web host is a loopback HTTP
// server of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "db/catalogue_test_server.h"
#include "support/http_test_server.h"
#include "support/main_window_harness.h"

namespace quotexa::test_support {

using namespace std::chrono_literals;

class BrowsingTest : public CatalogueServerTest {
protected:
    void SetUp() override {
        CatalogueServerTest::SetUp();
        if (HasFatalFailure()) return;
        web_ = std::make_unique<HttpTestServer>();
        Vendor vendor = TestVendor();
        vendor.webHost = web_->HostAndPort();
        harness_ = std::make_unique<MainWindowHarness>(vendor);
        harness_->SetCatalogue(server().host, server().port);
    }

    void TearDown() override { harness_.reset(); }

    // Points the settings page's port box at another server on loopback.
    void PointAtPort(int port) { harness_->SetCatalogue(server().host, port); }

    // Runs start-up; the loaders go on on their own threads.
    void BeginStartUp() { harness_->RunStartUp(); }

    // Runs start-up and waits until every loader has filled its list.
    void StartUp() {
        harness_->RunStartUp();
        ASSERT_TRUE(driver().WaitForWorkers(30s)) << "the start-up loaders did not end";
    }

    // The user makes the item with this column-0 text current, then the test
    // waits for the worker the pick started.
    void Pick(std::string_view list, std::string_view text) {
        const int item = ItemIndex(list, text);
        ASSERT_GE(item, 0) << text << " is not in " << list;
        driver().SelectItem(MainControl(list), item);
        ASSERT_TRUE(driver().WaitForWorkers(30s));
    }

    int ItemIndex(std::string_view list, std::string_view text) {
        const ControlRef ref = MainControl(list);
        const int count = windows().GetItemCount(ref);
        for (int item = 0; item < count; ++item) {
            if (windows().GetItemText(ref, item, 0) == text) return item;
        }
        return -1;
    }

    // Every item of the list, each as its first `columns` cells.
    std::vector<std::vector<std::string>> Items(std::string_view list, int columns) {
        const ControlRef ref = MainControl(list);
        std::vector<std::vector<std::string>> items;
        const int count = windows().GetItemCount(ref);
        for (int item = 0; item < count; ++item) {
            std::vector<std::string>& cells = items.emplace_back();
            for (int column = 0; column < columns; ++column) {
                cells.push_back(windows().GetItemText(ref, item, column));
            }
        }
        return items;
    }

    std::vector<std::string> Column0(std::string_view list) {
        std::vector<std::string> texts;
        for (auto& cells : Items(list, 1)) texts.push_back(cells[0]);
        return texts;
    }

    std::string Text(std::string_view control) { return windows().GetText(MainControl(control)); }
    void SetText(std::string_view control, std::string_view text) {
        windows().SetText(MainControl(control), text);
    }
    bool PageEnabled(int page) {
        return driver().IsPageEnabled(MainControl(main_window::kTabControl), page);
    }

    HeadlessWindowSystem& windows() { return harness_->windows(); }
    HeadlessDriver& driver() { return harness_->driver(); }
    Program& program() { return harness_->program(); }
    HttpTestServer& web() { return *web_; }

private:
    std::unique_ptr<HttpTestServer> web_;
    std::unique_ptr<MainWindowHarness> harness_;
};

}  // namespace quotexa::test_support
