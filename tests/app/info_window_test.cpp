// The information window: opened modally from the main window's three page
// buttons, switching pages inside, closed with 返回.
#include "app/info_window.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "support/main_window_harness.h"

namespace quotexa {
namespace {

using info_window::kBrowser;

class InfoWindowTest : public ::testing::Test {
protected:
    InfoWindowTest() {
        // The program-wide texts as start-up leaves them.
        harness_.program().texts.statusBarText = "状态条文字";
        harness_.program().texts.programTitle = "程序标题";
    }

    // Which of the three page buttons of InfoWindow are disabled, in the
    // order 最新通知, 优惠信息, 关于我们.
    std::vector<bool> DisabledButtons() {
        std::vector<bool> disabled;
        for (std::string_view button : {info_window::kNoticesButton, info_window::kOffersButton,
                                        info_window::kAboutUsButton}) {
            disabled.push_back(driver().IsDisabled(InfoControl(button)));
        }
        return disabled;
    }

    std::string Address() { return driver().BrowserAddress(InfoControl(kBrowser)); }
    HeadlessDriver& driver() { return harness_.driver(); }
    MainWindowHarness harness_;
};

TEST_F(InfoWindowTest, EachMainWindowButtonOpensItsPageWithOnlyItsButtonDisabled) {
    struct Case {
        std::string_view mainButton;
        std::string path;
        std::vector<bool> disabled;
    };
    const std::vector<Case> cases = {
        {main_window::kNoticesButton, "/zov_tz.htm", {true, false, false}},
        {main_window::kOffersButton, "/zov_yh.htm", {false, true, false}},
        {main_window::kAboutUsButton, "/zov_lx.htm", {false, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mainButton);
        driver().Click(MainControl(c.mainButton));
        ASSERT_TRUE(driver().IsWindowOpen(WindowId::InfoWindow));
        EXPECT_EQ(Address(), "http://127.0.0.1:9" + c.path);
        EXPECT_EQ(DisabledButtons(), c.disabled);
        EXPECT_EQ(harness_.program().texts.infoPageAddress, "http://127.0.0.1:9" + c.path);
        EXPECT_EQ(driver().StatusText(InfoControl(info_window::kStatusBar), 0), "状态条文字");
        EXPECT_EQ(harness_.windows().GetText(WindowRef(WindowId::InfoWindow)), "程序标题");
        // Modal: the main window takes no input until 返回.
        EXPECT_FALSE(driver().IsWindowEnabled(WindowId::MainWindow));
        driver().Click(InfoControl(info_window::kBackButton));
        EXPECT_FALSE(driver().IsWindowOpen(WindowId::InfoWindow));
        EXPECT_TRUE(driver().IsWindowEnabled(WindowId::MainWindow));
    }
}

TEST_F(InfoWindowTest, SwitchingPagesInsideDoesNotChangeWhatTheNextOpeningShows) {
    driver().Click(MainControl(main_window::kAboutUsButton));
    driver().Click(InfoControl(info_window::kNoticesButton));
    EXPECT_EQ(Address(), "http://127.0.0.1:9/zov_tz.htm");
    EXPECT_EQ(DisabledButtons(), (std::vector<bool>{true, false, false}));
    // The disabled button of the page on show takes no click.
    driver().Click(InfoControl(info_window::kNoticesButton));
    driver().Click(InfoControl(info_window::kOffersButton));
    EXPECT_EQ(Address(), "http://127.0.0.1:9/zov_yh.htm");
    EXPECT_EQ(DisabledButtons(), (std::vector<bool>{false, true, false}));
    driver().Click(InfoControl(info_window::kBackButton));

    // Reopened from 优惠信息 after the notices page was last on show.
    driver().Click(MainControl(main_window::kNoticesButton));
    driver().Click(InfoControl(info_window::kOffersButton));
    driver().Click(InfoControl(info_window::kBackButton));
    driver().Click(MainControl(main_window::kOffersButton));
    EXPECT_EQ(Address(), "http://127.0.0.1:9/zov_yh.htm");
    EXPECT_EQ(DisabledButtons(), (std::vector<bool>{false, true, false}));
    // While it is open, the main window's buttons do nothing.
    driver().Click(MainControl(main_window::kAboutUsButton));
    EXPECT_EQ(Address(), "http://127.0.0.1:9/zov_yh.htm");
}

}  // namespace
}  // namespace quotexa
