// The information window through real widgets: opened from the main window's
// three page buttons, modal while open, its page buttons and 返回.
#include <gtest/gtest.h>

#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "db/catalogue_test_server.h"
#include "gui/qt_main_window.h"
#include "gui/user_input.h"
#include "ui/qt/browser_box.h"
#include "ui/qt/status_bar.h"

namespace quotexa::gui_test {
namespace {

// Start-up has run against the run's catalogue, so the program-wide texts
// and the main window's caption are set as in the program.
class InfoWindowTest : public test_support::CatalogueServerTest {
protected:
    void SetUp() override {
        CatalogueServerTest::SetUp();
        if (HasFatalFailure()) return;
        main_ = std::make_unique<QtMainWindow>();
        main_->SetCatalogue(server().host, server().port);
        main_->RunStartUp();
        ASSERT_TRUE(main_->WaitForWorkers()) << "the start-up loaders did not end";
    }

    void TearDown() override { main_.reset(); }

    QtMainWindow& main() { return *main_; }
    QWidget* MainButton(const char* name) { return main_->Get<QWidget>(name); }
    QWidget* InfoButton(const char* name) {
        return main_->Get<QWidget>(name, WindowId::InfoWindow);
    }

    // The page on show and the enabled flags of 最新通知, 优惠信息, 关于我们.
    void ExpectShowing(const std::string& path, std::vector<bool> enabled) {
        auto* browser = main_->Get<BrowserBox>("超文本浏览框1", WindowId::InfoWindow);
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->Address(), "http://127.0.0.1:9" + path);
        const std::vector<bool> actual = {InfoButton("最新通知")->isEnabled(),
                                          InfoButton("优惠信息")->isEnabled(),
                                          InfoButton("关于我们")->isEnabled()};
        EXPECT_EQ(actual, enabled) << path;
    }

private:
    std::unique_ptr<QtMainWindow> main_;
};

TEST_F(InfoWindowTest, OpensModalOnTheChosenPageAndSwitchesPages) {
    Click(MainButton("关于我们"));
    QtWindow* info = main().windows().Window(WindowId::InfoWindow);
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), info);
    ExpectShowing("/zov_lx.htm", {true, true, false});
    // Caption and status text are the main window's, from the settings page.
    EXPECT_EQ(info->windowTitle(), QString::fromUtf8("Quotexa V2.1大众版 [Marrowind]"));
    EXPECT_EQ(info->windowTitle(), main().windows().Window(WindowId::MainWindow)->windowTitle());
    EXPECT_EQ(main().Get<StatusBar>("状态条", WindowId::InfoWindow)->PartText(0),
              main().Get<StatusBar>("状态条")->PartText(0));
    EXPECT_NE(main().Get<StatusBar>("状态条")->PartText(0), "");

    // Each way of showing a page leaves exactly its own button disabled.
    Click(InfoButton("最新通知"));
    ExpectShowing("/zov_tz.htm", {false, true, true});
    Click(InfoButton("优惠信息"));
    ExpectShowing("/zov_yh.htm", {true, false, true});
    Click(InfoButton("优惠信息"));  // disabled: nothing changes
    ExpectShowing("/zov_yh.htm", {true, false, true});
    Click(InfoButton("关于我们"));
    ExpectShowing("/zov_lx.htm", {true, true, false});
}

TEST_F(InfoWindowTest, MainWindowTakesNoInputWhileItIsOpenAndDoesAgainAfterReturn) {
    Click(MainButton("最新通知"));
    ASSERT_NE(main().windows().Window(WindowId::InfoWindow), nullptr);
    Click(InfoButton("优惠信息"));

    // Clicks on the main window have no effect: no copy, no other page.
    Click(MainButton("复制渠道价"));
    Click(MainButton("关于我们"));
    EXPECT_TRUE(main().windows().Dialogs().MessageBoxes().empty());
    ExpectShowing("/zov_yh.htm", {true, false, true});

    Click(InfoButton("返回"));
    EXPECT_EQ(main().windows().Window(WindowId::InfoWindow), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    main().windows().Dialogs().QueueMessageBoxAnswer();
    Click(MainButton("复制渠道价"));
    EXPECT_EQ(main().windows().Dialogs().MessageBoxes().size(), 1u);

    // Reopened from another button: that button's page, whatever was on show
    // when the window closed.
    Click(MainButton("优惠信息"));
    ASSERT_NE(main().windows().Window(WindowId::InfoWindow), nullptr);
    ExpectShowing("/zov_yh.htm", {true, false, true});
    Click(InfoButton("返回"));
    Click(MainButton("最新通知"));
    ExpectShowing("/zov_tz.htm", {false, true, true});
    Click(InfoButton("返回"));
    EXPECT_EQ(main().windows().Window(WindowId::InfoWindow), nullptr);
}

}  // namespace
}  // namespace quotexa::gui_test
