// Spot-checks of the windows as built from their layouts: places, texts,
// tooltips, fonts, colours, the list style, the locked and hidden pages.
#include <gtest/gtest.h>

#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "catalogue/category_table.h"
#include "gui/qt_main_window.h"
#include "gui/user_input.h"
#include "ui/qt/browser_box.h"
#include "ui/qt/layout_font.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/status_bar.h"

namespace quotexa::gui_test {
namespace {

class WindowBuildTest : public ::testing::Test {
protected:
    QtMainWindow main{GuiTestVendor(), QtMainWindow::Events::RecordedOnly};
    TabControl* tabs = main.Get<TabControl>(main_window::kTabControl);
};

struct Placement {
    const char* name;
    QRect rect;  // relative to the tab control for page controls, else to the window
    bool onPage;
};

TEST_F(WindowBuildTest, ControlsSitWhereTheLayoutPutsThem) {
    QtWindow* window = main.windows().Window(WindowId::MainWindow);
    ASSERT_NE(window, nullptr);
    // 800 x 580 outside, less the frame the layout was drawn for.
    EXPECT_EQ(window->size(), QSize(792, 550));
    ASSERT_NE(tabs, nullptr);

    const std::vector<Placement> placements = {
        {"光驱选择夹", {5, 5, 780, 214}, false},
        {"平台列表框", {4, 27, 170, 160}, true},
        {"平台说明框", {174, 27, 197, 160}, true},
        {"超文本浏览框1", {376, 27, 300, 160}, true},
        {"关于我们", {686, 88, 90, 30}, true},
        {"主板列表框", {124, 27, 450, 160}, true},
        {"显卡品牌列表框", {4, 27, 120, 175}, true},
        {"标签1", {589, 23, 190, 190}, true},
        {"主板标签1", {2, 194, 570, 15}, true},
        {"CPU标签", {2, 205, 570, 15}, true},
        {"服务器端口框", {90, 160, 160, 20}, true},
        {"标签b1", {5, 241, 55, 20}, false},
        {"音箱价格1", {453, 241 + 19 * 11, 48, 20}, false},
        {"利润", {453, 469, 48, 39}, false},
        {"保存零售价", {717, 221, 68, 32}, false},
        {"超文本浏览框2", {506, 259, 280, 250}, false},
        // Docked along the bottom edge across the whole width.
        {"状态条", {0, 530, 792, 20}, false},
    };
    for (const Placement& placement : placements) {
        SCOPED_TRACE(placement.name);
        QWidget* widget = main.windows().Widget(MainControl(placement.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), placement.rect);
        EXPECT_EQ(widget->parentWidget(), placement.onPage ? static_cast<QWidget*>(tabs) : window);
        // The control's name is its object name.
        EXPECT_EQ(widget->objectName(), QString::fromUtf8(placement.name));
    }
}

TEST_F(WindowBuildTest, TextsAndTooltipsAreTheLayouts) {
    const std::vector<std::pair<const char*, std::string>> texts = {
        {"最新通知", "最 新 通 知"},
        {"复制渠道价", "复制渠道价"},
        {"说明", "需要先挑选CPU平台之后，主板跟CPU选项页才可以挑选。"},
        {"标签8", "双击配件的型号，可以清空所选配件。"},
        {"标签b2", "C P U"},
        {"标签21", "零售价"},
        {"主板数量", "1"},
        {"主板价格1", ""},
        {"服务器端口框", "3306"},
        {"服务器帐号框", "fbn_ofzw_olg"},
        {"服务器密码框", "qbe_lamp_vexor_hzt"},
        {"软件标题框", "Quotexa V2.1大众版 [Marrowind]"},
        // A multi-line box gives back its paragraphs with CR LF.
        {"编辑框5",
         "使用MYSQL数据库。默认端口3306改为3333\r\n\r\n服务器绑定域名127.0.0.1\r\n\r\n"
         "用户名权限只设置为select"},
    };
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(main.windows().GetText(MainControl(name)), text) << name;
    }
    // The caption stays empty until start-up sets it.
    EXPECT_EQ(main.windows().GetText(WindowRef(WindowId::MainWindow)), "");

    const std::vector<std::pair<const char*, const char*>> tooltips = {
        {"复制渠道价", "复制渠道价清单！"},
        {"复制零售价", "复制零售价清单！"},
        {"保存渠道价", "保存渠道价清单到记事本！"},
        {"保存零售价", "保存零售价清单到记事本！"},
    };
    for (const auto& [name, tooltip] : tooltips) {
        EXPECT_EQ(main.Get<QPushButton>(name)->toolTip(), QString::fromUtf8(tooltip)) << name;
    }
}

TEST_F(WindowBuildTest, ListViewsAreReportsWithHiddenZeroWidthColumns) {
    ListView* boards = main.Get<ListView>("主板列表框");
    ASSERT_NE(boards, nullptr);
    const QStringList titles = {"价 格", "型    号", "保 修", "图片", "主板集显", "显卡接口"};
    ASSERT_EQ(boards->columnCount(), titles.size());
    for (int column = 0; column < titles.size(); ++column) {
        EXPECT_EQ(boards->horizontalHeaderItem(column)->text(), titles[column]);
        EXPECT_EQ(boards->isColumnHidden(column), column >= 3) << column;
    }
    EXPECT_EQ(boards->columnWidth(1), 320);
    EXPECT_FALSE(boards->horizontalHeader()->sectionsClickable());
    EXPECT_EQ(boards->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(boards->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(boards->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(boards->showGrid());
    EXPECT_FALSE(boards->isSortingEnabled());
    const QPalette& colours = boards->palette();
    EXPECT_EQ(colours.color(QPalette::Active, QPalette::Base), QColor(0x80, 0xE0, 0x00));
    EXPECT_EQ(colours.color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    // The selection looks the same with and without the focus.
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
              colours.color(QPalette::Active, QPalette::Highlight));

    // The CPU page's stand-in for a brand list: locked, one fixed item.
    ListView* autoMatch = main.Get<ListView>("超级列表框1");
    ASSERT_NE(autoMatch, nullptr);
    EXPECT_FALSE(autoMatch->isEnabled());
    EXPECT_EQ(autoMatch->ItemCount(), 1);
    EXPECT_EQ(autoMatch->GetItemText(0, 0), "已自动匹配");
}

TEST_F(WindowBuildTest, FontsAndColoursFollowTheLayout) {
    const QString face = ChineseFontFamily();
    ASSERT_FALSE(face.isEmpty()) << "no font for simplified Chinese is installed";
    const std::vector<std::pair<const char*, int>> heights = {
        {"光驱选择夹", 12}, {"平台列表框", 16}, {"平台说明框", 15}, {"合计", 15},
        {"主板型号", 13},   {"说明", 15},       {"主板标签1", 13},
    };
    for (const auto& [name, height] : heights) {
        const QFont font = main.windows().Widget(MainControl(name))->font();
        EXPECT_EQ(font.pixelSize(), height) << name;
        EXPECT_EQ(font.family(), face) << name;
    }

    // The total boxes cannot be edited but keep blue on yellow.
    auto* total = main.Get<QLineEdit>("合计");
    ASSERT_NE(total, nullptr);
    EXPECT_FALSE(total->isEnabled());
    EXPECT_EQ(total->palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 0, 0xFF));
    EXPECT_EQ(total->palette().color(QPalette::Disabled, QPalette::Base), QColor(0xFF, 0xFF, 0));
    EXPECT_EQ(main.Get<QWidget>("说明")->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    EXPECT_EQ(main.Get<QWidget>("平台说明框")->palette().color(QPalette::Base),
              QColor(0xEC, 0xEC, 0xEC));
    EXPECT_TRUE(main.Get<QWidget>("平台说明框")->property("readOnly").toBool());
    // Grid cells have a single-line border; the hint under the grid has none.
    EXPECT_EQ(main.Get<QFrame>("主板型号")->frameShape(), QFrame::Box);
    EXPECT_EQ(main.Get<QFrame>("标签8")->frameShape(), QFrame::NoFrame);
}

// The Tab key walks the retail price boxes top to bottom; the quantity boxes
// take the focus only by a click.
TEST_F(WindowBuildTest, TabWalksTheRetailPriceBoxesTopToBottom) {
    QWidget* window = main.windows().Window(WindowId::MainWindow);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (std::size_t row = 0; row + 1 < kCategoryCount; ++row) {
        auto* from = main.Get<QLineEdit>(CategoryTable[row].retailPriceBox);
        auto* to = main.Get<QLineEdit>(CategoryTable[row + 1].retailPriceBox);
        ASSERT_NE(from, nullptr);
        from->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), to) << CategoryTable[row].retailPriceBox;
        EXPECT_EQ(main.Get<QLineEdit>(CategoryTable[row].quantityBox)->focusPolicy(),
                  Qt::ClickFocus);
    }
}

TEST_F(WindowBuildTest, CategoryPagesAreLockedInGreyAndTheSettingsPageHasNoTab) {
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 14);
    EXPECT_EQ(tabs->tabText(0), "平台选择");
    EXPECT_EQ(tabs->tabText(12), "散热器");
    EXPECT_TRUE(tabs->isTabEnabled(0));
    const QColor grey(0x80, 0x80, 0x80);
    for (int page = 1; page <= 12; ++page) {
        EXPECT_FALSE(tabs->isTabEnabled(page)) << page;
        EXPECT_EQ(tabs->tabBar()->tabTextColor(page), grey) << page;
    }
    // A locked page cannot be chosen.
    ClickTab(tabs, 4);
    EXPECT_EQ(tabs->currentIndex(), 0);

    // Unlocking gives the title its normal colour and lets the user choose it;
    // unlocking an unlocked page changes nothing.
    main.windows().SetPageDisabled(MainControl(main_window::kTabControl), 4, false);
    main.windows().SetPageDisabled(MainControl(main_window::kTabControl), 0, false);
    EXPECT_NE(tabs->tabBar()->tabTextColor(4), grey);
    EXPECT_TRUE(tabs->isTabEnabled(0));
    ClickTab(tabs, 4);
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_TRUE(main.Get<QWidget>("硬盘品牌列表框")->isVisible());
    EXPECT_FALSE(main.Get<QWidget>("平台列表框")->isVisible());

    // The settings page shows no tab; its boxes exist, unseen, and keep their texts.
    EXPECT_FALSE(tabs->isTabVisible(13));
    EXPECT_TRUE(tabs->isTabEnabled(13));
    EXPECT_FALSE(tabs->tabBar()->tabRect(13).isValid());
    QWidget* port = main.windows().Widget(MainControl("服务器端口框"));
    ASSERT_NE(port, nullptr);
    EXPECT_FALSE(port->isVisible());
    main.windows().SetText(MainControl("服务器端口框"), "3333");
    EXPECT_EQ(main.windows().GetText(MainControl("服务器端口框")), "3333");
}

TEST_F(WindowBuildTest, InformationWindowIsBuiltFromItsOwnLayout) {
    main.windows().OpenWindow(WindowId::InfoWindow, true);
    QtWindow* info = main.windows().Window(WindowId::InfoWindow);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->size(), QSize(572, 420));
    const std::vector<std::pair<const char*, QRect>> places = {
        {"返回", {0, 0, 100, 30}},
        {"关于我们", {300, 0, 100, 30}},
        {"超文本浏览框1", {5, 35, 563, 357}},
        {"状态条", {0, 400, 572, 20}},
    };
    for (const auto& [name, rect] : places) {
        EXPECT_EQ(main.windows().Widget(InfoControl(name))->geometry(), rect) << name;
    }
    EXPECT_EQ(main.windows().GetText(InfoControl("返回")), "返 回");
    EXPECT_EQ(main.Get<BrowserBox>("超文本浏览框1", WindowId::InfoWindow)->Address(), "");
    main.windows().CloseWindow(WindowId::InfoWindow);
}

}  // namespace
}  // namespace quotexa::gui_test
