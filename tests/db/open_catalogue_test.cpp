// OpenCatalogue: the settings page's four boxes, read afresh at every open, on
// the headless window system.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "db/catalogue_test_server.h"
#include "db/database_commands.h"
#include "db/loopback_socket.h"
#include "ui/control_model.h"
#include "ui/headless/headless_window_system.h"
#include "ui/main_window_layout.h"

namespace quotexa {
namespace {

using test_support::CatalogueServer;
using test_support::CatalogueServerTest;
using test_support::LoopbackSocket;
using test_support::ReadColumn;

ControlDef EditBox(std::string_view name, std::string text) {
    ControlDef box;
    box.kind = ControlKind::EditBox;
    box.name = std::string(name);
    box.text = std::move(text);
    return box;
}

// A main window holding only the settings boxes, filled for the run's server.
WindowDef SettingsWindow(const CatalogueServer& server) {
    WindowDef window;
    window.id = WindowId::MainWindow;
    window.controls = {
        EditBox(main_window::kServerAddressBox, server.host),
        EditBox(main_window::kServerAccountBox, server.account),
        EditBox(main_window::kServerPasswordBox, server.password),
        EditBox(main_window::kServerPortBox, std::to_string(server.port)),
    };
    return window;
}

class OpenCatalogueTest : public CatalogueServerTest {
protected:
    void SetUp() override {
        CatalogueServerTest::SetUp();
        if (HasFatalFailure()) return;
        windows_ = std::make_unique<HeadlessWindowSystem>(
            std::vector<WindowDef>{SettingsWindow(server())});
        windows_->OpenWindow(WindowId::MainWindow, false);
    }

    void SetBox(std::string_view name, std::string_view text) {
        windows_->SetText(MainControl(name), text);
    }

    // The account the connection logged in with, or nothing without one.
    std::vector<std::string> LoggedInAs(DbConnection& connection) {
        return ReadColumn(connection, "select user() as u", "u");
    }

    std::unique_ptr<HeadlessWindowSystem> windows_;
};

TEST_F(OpenCatalogueTest, ConnectsWithWhatTheBoxesHoldAtThatMoment) {
    DbConnection first = OpenCatalogue(*windows_);
    EXPECT_EQ(LoggedInAs(first), std::vector<std::string>{server().account + "@127.0.0.1"});
    EXPECT_EQ(ReadColumn(first, "select database() as d", "d"), std::vector<std::string>{"zov_k"});

    SetBox(main_window::kServerPasswordBox, "not the password");
    DbConnection second = OpenCatalogue(*windows_);
    EXPECT_EQ(second, nullptr);

    SetBox(main_window::kServerPasswordBox, server().password);
    SetBox(main_window::kServerAddressBox, "");  // the client's local server: its socket
    DbConnection third = OpenCatalogue(*windows_);
    EXPECT_EQ(LoggedInAs(third), std::vector<std::string>{server().account + "@localhost"});

    SetBox(main_window::kServerAddressBox, server().host);
    const LoopbackSocket refusing;
    SetBox(main_window::kServerPortBox, std::to_string(refusing.port()));
    EXPECT_EQ(OpenCatalogue(*windows_), nullptr);
}

// The port box is read as a number the way every number box is: leading
// blanks and full-width digits count, and whatever follows the number is ignored.
TEST_F(OpenCatalogueTest, ThePortBoxIsReadAsANumber) {
    const std::string port = std::to_string(server().port);
    std::string fullWidth;
    for (char digit : port) {
        fullWidth += "\xEF\xBC";  // U+FF10.. FULLWIDTH DIGIT, three bytes in UTF-8
        fullWidth += static_cast<char>('\x90' + (digit - '0'));
    }
    const struct {
        std::string text;
        bool connects;
    } cases[] = {
        {port, true},       {"  " + port, true}, {port + " (catalogue)", true},
        {fullWidth, true},  {port + "0", false},  // another port
        {"+" + port, true},
    };
    for (const auto& c : cases) {
        SetBox(main_window::kServerPortBox, c.text);
        DbConnection connection = OpenCatalogue(*windows_);
        EXPECT_EQ(connection != nullptr, c.connects) << "port box: " << c.text;
    }
}

// A port box without digits gives port 0, the client's default: 3306. A
// listener there sees the attempt and hangs up, so the attempt fails.
TEST_F(OpenCatalogueTest, APortBoxWithoutDigitsMeansPort3306) {
    LoopbackSocket standardPort(3306, LoopbackSocket::Mode::Listen);
    if (!standardPort.ready()) GTEST_SKIP() << "port 3306 is in use on this machine";
    SetBox(main_window::kServerPortBox, "端口");
    std::atomic<bool> reached{false};
    std::thread listener([&] { reached = standardPort.AcceptOne(30000); });
    DbConnection connection = OpenCatalogue(*windows_);
    listener.join();
    EXPECT_TRUE(reached);
    EXPECT_EQ(connection, nullptr);
}

// Workers open their connections from their own threads, all at once; the
// boxes are read through the window system's thread.
TEST_F(OpenCatalogueTest, WorkersOpenTheCatalogueFromTheirOwnThreads) {
    constexpr int kWorkers = 11;
    std::vector<std::size_t> platforms(kWorkers, 0);
    std::vector<std::thread> workers;
    for (int i = 0; i < kWorkers; ++i) {
        workers.emplace_back([&, i] {
            DbConnection connection = OpenCatalogue(*windows_);
            platforms[static_cast<std::size_t>(i)] =
                ReadColumn(connection, "select * from zov_Platform_b", "Platform").size();
            CloseConnection(connection);
        });
    }
    for (std::thread& worker : workers) worker.join();
    EXPECT_EQ(platforms, std::vector<std::size_t>(kWorkers, 7u));
}

}  // namespace
}  // namespace quotexa
