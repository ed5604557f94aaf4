// The two window layouts checked against their tables: the tab pages, the
// category pages built from the category table, the quote grid, the totals,
// the export buttons, the settings page with its initial texts, the event
// wiring, and the whole-window rules (unique names, controls inside their
// parents, events only on controls that can raise them).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/category_table.h"
#include "ui/info_window_layout.h"
#include "ui/main_window_layout.h"

namespace quotexa {
namespace {

using CC = ComponentCategory;
constexpr int kOnWindow = ControlDef::kOnWindow;

// A vendor unlike the compiled-in one, so texts built from it cannot be
// hard-coded by accident.
Vendor TestVendor() {
    return Vendor{.companyName = "Testco",
                  .telephone = "010-1111",
                  .fax = "010-2222",
                  .postalAddress = "somewhere",
                  .catalogueHost = "db.example.test",
                  .webHost = "web.example.test:8081"};
}

std::vector<std::string> Titles(const std::vector<ListColumn>& columns) {
    std::vector<std::string> titles;
    for (const ListColumn& column : columns) titles.push_back(column.title);
    return titles;
}

std::vector<int> Widths(const std::vector<ListColumn>& columns) {
    std::vector<int> widths;
    for (const ListColumn& column : columns) widths.push_back(column.width);
    return widths;
}

class MainWindowLayoutTest : public ::testing::Test {
protected:
    const WindowDef window_ = BuildMainWindowLayout(TestVendor());

    // The control of that name; fails the test when it is missing.
    const ControlDef& Control(std::string_view name) {
        const ControlDef* control = window_.Find(name);
        if (control == nullptr) {
            ADD_FAILURE() << "no control " << name;
            static const ControlDef kMissing;
            return kMissing;
        }
        return *control;
    }
};

TEST_F(MainWindowLayoutTest, WindowItself) {
    EXPECT_EQ(window_.id, WindowId::MainWindow);
    EXPECT_EQ(window_.caption, "");
    EXPECT_EQ(window_.rect, (Rect{50, 50, 800, 580}));
    EXPECT_EQ(window_.events, std::vector<EventKind>{EventKind::Created});
}

TEST_F(MainWindowLayoutTest, NamesAreUnique) {
    std::map<std::string, int> seen;
    for (const ControlDef& control : window_.controls) ++seen[control.name];
    for (const auto& [name, count] : seen) {
        EXPECT_EQ(count, 1) << name;
        EXPECT_FALSE(name.empty());
    }
}

// Page controls lie inside the tab control (their positions are relative to
// it), window controls inside the window, and every page index exists.
TEST_F(MainWindowLayoutTest, EveryControlLiesInsideItsParent) {
    const ControlDef& tabs = Control(main_window::kTabControl);
    for (const ControlDef& control : window_.controls) {
        SCOPED_TRACE(control.name);
        const Rect& r = control.rect;
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_GT(r.width, 0);
        EXPECT_GT(r.height, 0);
        if (control.page == kOnWindow) {
            EXPECT_LE(r.left + r.width, window_.rect.width);
            EXPECT_LE(r.top + r.height, window_.rect.height);
        } else {
            EXPECT_GE(control.page, 0);
            EXPECT_LT(control.page, main_window::kPageCount);
            EXPECT_LE(r.left + r.width, tabs.rect.width);
            // The CPU's notice line sits below its taller lists and overhangs
            // the tab control's bottom edge by 6 px; the tab control clips it.
            const int bottomLimit =
                control.name == "CPU标签" ? tabs.rect.height + 6 : tabs.rect.height;
            EXPECT_LE(r.top + r.height, bottomLimit);
        }
    }
}

TEST_F(MainWindowLayoutTest, TabControlAndItsFourteenPages) {
    const ControlDef& tabs = Control(main_window::kTabControl);
    EXPECT_EQ(tabs.kind, ControlKind::TabControl);
    EXPECT_EQ(tabs.page, kOnWindow);
    EXPECT_EQ(tabs.rect, (Rect{5, 5, 780, 214}));
    EXPECT_EQ(tabs.fontHeight, 12);

    struct Page {
        std::string_view title;
        bool visible;
        bool enabled;
    };
    constexpr Page kPages[] = {
        {"平台选择", true, true}, {"主板", true, false},     {"CPU", true, false},
        {"显卡", true, false},    {"硬盘", true, false},     {"内存", true, false},
        {"光驱", true, false},    {"机箱", true, false},     {"电源", true, false},
        {"显示器", true, false},  {"键鼠", true, false},     {"音箱", true, false},
        {"散热器", true, false},  {"系统信息", false, true},
    };
    ASSERT_EQ(tabs.pages.size(), std::size(kPages));
    for (std::size_t i = 0; i < std::size(kPages); ++i) {
        SCOPED_TRACE("page " + std::to_string(i));
        EXPECT_EQ(tabs.pages[i].title, kPages[i].title);
        EXPECT_EQ(tabs.pages[i].visible, kPages[i].visible);
        EXPECT_EQ(tabs.pages[i].enabled, kPages[i].enabled);
    }
    EXPECT_EQ(main_window::kSettingsPage, 13);
    EXPECT_EQ(main_window::kPlatformPage, 0);
}

TEST_F(MainWindowLayoutTest, PlatformPage) {
    const ControlDef& platforms = Control(main_window::kPlatformList);
    EXPECT_EQ(platforms.kind, ControlKind::ListView);
    EXPECT_EQ(platforms.page, 0);
    EXPECT_EQ(platforms.rect, (Rect{4, 27, 170, 160}));
    EXPECT_EQ(Titles(platforms.columns), (std::vector<std::string>{"请选择平台", "说明"}));
    EXPECT_EQ(Widths(platforms.columns), (std::vector<int>{170, 0}));
    EXPECT_EQ(platforms.fontHeight, 16);
    EXPECT_EQ(platforms.events, std::vector<EventKind>{EventKind::CurrentItemChanged});

    const ControlDef& description = Control(main_window::kPlatformDescriptionBox);
    EXPECT_EQ(description.kind, ControlKind::EditBox);
    EXPECT_EQ(description.rect, (Rect{174, 27, 197, 160}));
    EXPECT_TRUE(description.readOnly);
    EXPECT_TRUE(description.multiLine);
    EXPECT_TRUE(description.verticalScrollBar);
    EXPECT_EQ(description.backColor, 0xECECECu);
    EXPECT_EQ(description.fontHeight, 15);
    EXPECT_EQ(description.text, "");
    EXPECT_TRUE(description.events.empty());

    struct PageButton {
        std::string_view name;
        int top;
        std::string_view text;
    };
    constexpr PageButton kButtons[] = {{"最新通知", 28, "最 新 通 知"},
                                       {"优惠信息", 58, "优 惠 信 息"},
                                       {"关于我们", 88, "关 于 我 们"}};
    for (const PageButton& expected : kButtons) {
        const ControlDef& button = Control(expected.name);
        EXPECT_EQ(button.kind, ControlKind::Button);
        EXPECT_EQ(button.page, 0);
        EXPECT_EQ(button.rect, (Rect{686, expected.top, 90, 30}));
        EXPECT_EQ(button.text, expected.text);
        EXPECT_EQ(button.events, std::vector<EventKind>{EventKind::Clicked});
    }

    const ControlDef& hint = Control("说明");
    EXPECT_EQ(hint.kind, ControlKind::TransparentLabel);
    EXPECT_EQ(hint.rect, (Rect{4, 193, 380, 15}));
    EXPECT_EQ(hint.text, "需要先挑选CPU平台之后，主板跟CPU选项页才可以挑选。");
    EXPECT_EQ(hint.textColor, 0xFF0000u);
    EXPECT_EQ(hint.fontHeight, 15);
}

TEST_F(MainWindowLayoutTest, BrowserBoxesOpenTheVendorsStartPages) {
    const ControlDef& platformBrowser = Control(main_window::kPlatformPageBrowser);
    EXPECT_EQ(platformBrowser.kind, ControlKind::BrowserBox);
    EXPECT_EQ(platformBrowser.page, 0);
    EXPECT_EQ(platformBrowser.rect, (Rect{376, 27, 300, 160}));
    EXPECT_EQ(platformBrowser.text, "http://web.example.test:8081/zov_001.htm");

    const ControlDef& sideBrowser = Control(main_window::kQuoteSideBrowser);
    EXPECT_EQ(sideBrowser.kind, ControlKind::BrowserBox);
    EXPECT_EQ(sideBrowser.page, kOnWindow);
    EXPECT_EQ(sideBrowser.rect, (Rect{506, 259, 280, 250}));
    EXPECT_EQ(sideBrowser.text, "http://web.example.test:8081/zov_zov.htm");
}

// Every control the category table names exists, with its kind, on the
// category's page (lists, picture, notice) or on the window (grid cells).
TEST_F(MainWindowLayoutTest, EveryCategoryControlExistsWithItsKindAndPage) {
    for (const CategoryInfo& info : CategoryTable) {
        SCOPED_TRACE(std::string(info.pageTitle));
        struct Expected {
            std::string_view name;
            ControlKind kind;
            int page;
        };
        std::vector<Expected> expected = {
            {info.productList, ControlKind::ListView, info.pageIndex},
            {info.pictureLabel, ControlKind::Label, info.pageIndex},
            {info.rowLabelControl, ControlKind::Label, kOnWindow},
            {info.modelLabel, ControlKind::Label, kOnWindow},
            {info.channelPriceLabel, ControlKind::Label, kOnWindow},
            {info.warrantyLabel, ControlKind::Label, kOnWindow},
            {info.quantityBox, ControlKind::EditBox, kOnWindow},
            {info.retailPriceBox, ControlKind::EditBox, kOnWindow},
        };
        if (!info.brandList.empty()) {
            expected.push_back({info.brandList, ControlKind::ListView, info.pageIndex});
        }
        if (!info.noticeLabel.empty()) {
            expected.push_back({info.noticeLabel, ControlKind::TransparentLabel, info.pageIndex});
        }
        for (const Expected& e : expected) {
            const ControlDef& control = Control(e.name);
            EXPECT_EQ(control.kind, e.kind) << e.name;
            EXPECT_EQ(control.page, e.page) << e.name;
        }
    }
}

// Each category control raises exactly the event its routine is bound to;
// the display-only cells raise none.
TEST_F(MainWindowLayoutTest, EveryCategoryControlIsWiredToItsEvents) {
    using Events = std::vector<EventKind>;
    for (const CategoryInfo& info : CategoryTable) {
        SCOPED_TRACE(std::string(info.pageTitle));
        if (!info.brandList.empty()) {
            EXPECT_EQ(Control(info.brandList).events, Events{EventKind::CurrentItemChanged});
        }
        EXPECT_EQ(Control(info.productList).events, Events{EventKind::CurrentItemChanged});
        EXPECT_EQ(Control(info.modelLabel).events, Events{EventKind::DoubleClicked});
        EXPECT_EQ(Control(info.quantityBox).events, Events{EventKind::TextChanged});
        EXPECT_EQ(Control(info.retailPriceBox).events, Events{EventKind::TextChanged});
        EXPECT_TRUE(Control(info.rowLabelControl).events.empty());
        EXPECT_TRUE(Control(info.channelPriceLabel).events.empty());
        EXPECT_TRUE(Control(info.warrantyLabel).events.empty());
        EXPECT_TRUE(Control(info.pictureLabel).events.empty());
    }
}

// Only the controls the program has routines for raise events, and each only
// an event its kind can raise.
TEST_F(MainWindowLayoutTest, NoOtherControlRaisesEvents) {
    std::set<std::string> wired = {
        std::string(main_window::kPlatformList),      std::string(main_window::kNoticesButton),
        std::string(main_window::kOffersButton),      std::string(main_window::kAboutUsButton),
        std::string(main_window::kCopyChannelButton), std::string(main_window::kCopyRetailButton),
        std::string(main_window::kSaveChannelButton), std::string(main_window::kSaveRetailButton)};
    for (const CategoryInfo& info : CategoryTable) {
        for (std::string_view name : {info.brandList, info.productList, info.modelLabel,
                                      info.quantityBox, info.retailPriceBox}) {
            if (!name.empty()) wired.insert(std::string(name));
        }
    }
    const std::map<EventKind, ControlKind> kRaisedBy = {
        {EventKind::Clicked, ControlKind::Button},
        {EventKind::TextChanged, ControlKind::EditBox},
        {EventKind::DoubleClicked, ControlKind::Label},
        {EventKind::CurrentItemChanged, ControlKind::ListView},
    };
    std::size_t withEvents = 0;
    for (const ControlDef& control : window_.controls) {
        if (control.events.empty()) continue;
        ++withEvents;
        EXPECT_EQ(wired.count(control.name), 1u) << control.name << " should raise no event";
        for (EventKind event : control.events) {
            ASSERT_EQ(kRaisedBy.count(event), 1u) << control.name;
            EXPECT_EQ(kRaisedBy.at(event), control.kind) << control.name;
        }
    }
    EXPECT_EQ(withEvents, wired.size());
}

TEST_F(MainWindowLayoutTest, CategoryListsAndTheirColumns) {
    struct Expected {
        CC category;
        int listHeight;
        int brandColumnWidth;
    };
    constexpr Expected kExpected[] = {
        {CC::Motherboard, 160, 103},  {CC::HardDisk, 175, 120},     {CC::Memory, 175, 120},
        {CC::GraphicsCard, 175, 103}, {CC::OpticalDrive, 175, 120}, {CC::Case, 175, 103},
        {CC::PowerSupply, 175, 103},  {CC::Monitor, 175, 103},      {CC::KeyboardMouse, 175, 103},
        {CC::Cooler, 175, 103},       {CC::Speakers, 175, 103},
    };
    for (const Expected& e : kExpected) {
        const CategoryInfo& info = Info(e.category);
        SCOPED_TRACE(std::string(info.pageTitle));
        const ControlDef& brands = Control(info.brandList);
        EXPECT_EQ(brands.rect, (Rect{4, 27, 120, e.listHeight}));
        EXPECT_EQ(Titles(brands.columns), std::vector<std::string>{"品牌选择"});
        EXPECT_EQ(Widths(brands.columns), std::vector<int>{e.brandColumnWidth});
        EXPECT_EQ(brands.fontHeight, 16);
        EXPECT_FALSE(brands.disabled);
        EXPECT_TRUE(brands.items.empty());

        const ControlDef& products = Control(info.productList);
        EXPECT_EQ(products.rect, (Rect{124, 27, 450, e.listHeight}));
        EXPECT_EQ(products.fontHeight, 16);
        EXPECT_TRUE(products.items.empty());

        const ControlDef& picture = Control(info.pictureLabel);
        EXPECT_EQ(picture.rect, (Rect{589, 23, 190, 190}));
        EXPECT_TRUE(picture.border);
        EXPECT_EQ(picture.text, "");
    }
    EXPECT_EQ(Control(Info(CC::Cpu).productList).rect, (Rect{124, 27, 450, 175}));
}

// Four common columns with their exact spacing, then the category's hidden
// extra columns in table order.
TEST_F(MainWindowLayoutTest, ProductListColumns) {
    const std::vector<std::string> common = {"价 格", "型    号", "保 修", "图片"};
    struct Expected {
        CC category;
        std::vector<std::string> extra;
    };
    const Expected kExpected[] = {
        {CC::Motherboard, {"主板集显", "显卡接口"}},
        {CC::Cpu, {"cpu集显"}},
        {CC::HardDisk, {}},
        {CC::Speakers, {}},
    };
    for (const Expected& e : kExpected) {
        const ControlDef& products = Control(Info(e.category).productList);
        std::vector<std::string> titles = common;
        titles.insert(titles.end(), e.extra.begin(), e.extra.end());
        std::vector<int> widths = {55, 320, 55, 0};
        widths.resize(titles.size(), 0);
        EXPECT_EQ(Titles(products.columns), titles) << Info(e.category).pageTitle;
        EXPECT_EQ(Widths(products.columns), widths) << Info(e.category).pageTitle;
    }
}

TEST_F(MainWindowLayoutTest, CpuPageHasALockedAutoMatchListAndNotices) {
    const ControlDef& autoMatch = Control(main_window::kCpuAutoMatchList);
    EXPECT_EQ(autoMatch.kind, ControlKind::ListView);
    EXPECT_EQ(autoMatch.page, Info(CC::Cpu).pageIndex);
    EXPECT_EQ(autoMatch.rect, (Rect{4, 27, 120, 175}));
    EXPECT_TRUE(autoMatch.disabled);
    EXPECT_EQ(Titles(autoMatch.columns), std::vector<std::string>{"品牌选择"});
    EXPECT_EQ(Widths(autoMatch.columns), std::vector<int>{120});
    EXPECT_EQ(autoMatch.items, std::vector<std::string>{"已自动匹配"});
    EXPECT_TRUE(autoMatch.events.empty());

    const ControlDef& boardNotice = Control("主板标签1");
    EXPECT_EQ(boardNotice.rect, (Rect{2, 194, 570, 15}));
    const ControlDef& cpuNotice = Control("CPU标签");
    EXPECT_EQ(cpuNotice.rect, (Rect{2, 205, 570, 15}));
    for (const ControlDef* notice : {&boardNotice, &cpuNotice}) {
        EXPECT_EQ(notice->textColor, 0xFF0000u);
        EXPECT_EQ(notice->fontHeight, 13);
        EXPECT_EQ(notice->text, "");
    }
}

TEST_F(MainWindowLayoutTest, EveryListViewHasTheListStyle) {
    int lists = 0;
    for (const ControlDef& control : window_.controls) {
        if (control.kind != ControlKind::ListView) continue;
        ++lists;
        EXPECT_EQ(control.backColor, 0x80E000u) << control.name;
        EXPECT_EQ(control.textColor, 0x000000u) << control.name;
    }
    EXPECT_EQ(lists, 1 + 11 + 1 + 12);  // platforms, brands, auto-match, products
}

TEST_F(MainWindowLayoutTest, GridHeaderRow) {
    struct Header {
        std::string_view name;
        int left;
        int width;
        std::string_view caption;
    };
    constexpr Header kHeaders[] = {
        {"分类b", 5, 55, "分类"},   {"型号b", 59, 270, "型号"}, {"价格b", 328, 48, "渠道价"},
        {"保修b", 375, 40, "保修"}, {"数量b", 414, 40, "数量"}, {"标签21", 453, 48, "零售价"},
    };
    for (const Header& header : kHeaders) {
        const ControlDef& label = Control(header.name);
        SCOPED_TRACE(label.name);
        EXPECT_EQ(label.kind, ControlKind::Label);
        EXPECT_EQ(label.page, kOnWindow);
        EXPECT_EQ(label.rect, (Rect{header.left, 221, header.width, 20}));
        EXPECT_EQ(label.text, header.caption);
        EXPECT_EQ(label.textColor, 0x0000FFu);
        EXPECT_EQ(label.fontHeight, 15);
        EXPECT_TRUE(label.border);
        EXPECT_EQ(label.align, TextAlign::Center);
    }
}

// Row r lies at top 241 + 19r; the cells keep the header's columns.
TEST_F(MainWindowLayoutTest, GridRows) {
    for (const CategoryInfo& info : CategoryTable) {
        SCOPED_TRACE(std::string(info.pageTitle));
        const int top = 241 + 19 * static_cast<int>(RowIndex(info.category));
        EXPECT_EQ(Control(info.rowLabelControl).rect, (Rect{5, top, 55, 20}));
        EXPECT_EQ(Control(info.modelLabel).rect, (Rect{59, top, 270, 20}));
        EXPECT_EQ(Control(info.channelPriceLabel).rect, (Rect{328, top, 48, 20}));
        EXPECT_EQ(Control(info.warrantyLabel).rect, (Rect{375, top, 40, 20}));
        EXPECT_EQ(Control(info.quantityBox).rect, (Rect{414, top, 40, 20}));
        EXPECT_EQ(Control(info.retailPriceBox).rect, (Rect{453, top, 48, 20}));

        EXPECT_EQ(Control(info.rowLabelControl).text, info.rowLabelText);
        EXPECT_EQ(Control(info.quantityBox).text, "1");
        for (std::string_view empty :
             {info.modelLabel, info.channelPriceLabel, info.warrantyLabel, info.retailPriceBox}) {
            EXPECT_EQ(Control(empty).text, "") << empty;
            EXPECT_TRUE(Control(empty).border) << empty;
        }
    }
    EXPECT_EQ(Control("标签b1").rect.top, 241);
    EXPECT_EQ(Control("音箱型号").rect.top, 450);
    EXPECT_EQ(Control("散热器型号").rect.top, 431);
}

TEST_F(MainWindowLayoutTest, GridCellStyles) {
    struct Expected {
        std::string_view name;
        int fontHeight;
        TextAlign align;
    };
    constexpr Expected kCells[] = {
        {"标签b5", 15, TextAlign::Left},     {"显卡型号", 13, TextAlign::Left},
        {"显卡价格", 13, TextAlign::Center}, {"显卡保修", 13, TextAlign::Center},
        {"显卡数量", 13, TextAlign::Center}, {"显卡价格1", 13, TextAlign::Center},
    };
    for (const Expected& cell : kCells) {
        const ControlDef& control = Control(cell.name);
        EXPECT_EQ(control.fontHeight, cell.fontHeight) << cell.name;
        EXPECT_EQ(control.align, cell.align) << cell.name;
        EXPECT_TRUE(control.border) << cell.name;
        EXPECT_FALSE(control.disabled) << cell.name;
    }
}

// The retail price boxes are the grid's tab stops, top to bottom, and the
// only edit boxes the Tab key stops at: a back end takes the focus order from
// the order of the definitions.
TEST_F(MainWindowLayoutTest, RetailBoxesAreTheTabStopsInGridOrder) {
    std::vector<std::string> order;
    for (const ControlDef& control : window_.controls) {
        if (control.tabStop) order.push_back(control.name);
    }
    std::vector<std::string> expected;
    for (CC category : kAllCategories) expected.emplace_back(Info(category).retailPriceBox);
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowLayoutTest, TotalsUnderTheGrid) {
    struct Expected {
        std::string_view name;
        ControlKind kind;
        Rect rect;
        std::string_view text;
        std::uint32_t textColor;
        int fontHeight;
        TextAlign align;
        bool disabled;
    };
    const Expected kTotals[] = {
        {"标签b13",
         ControlKind::Label,
         {5, 469, 55, 20},
         "渠道合计",
         0x0000FF,
         13,
         TextAlign::Left,
         false},
        {"金额大写",
         ControlKind::Label,
         {59, 469, 270, 20},
         "",
         0x000000,
         13,
         TextAlign::Left,
         false},
        {"合计",
         ControlKind::EditBox,
         {328, 469, 87, 20},
         "",
         0x0000FF,
         15,
         TextAlign::Center,
         true},
        {"标签b15",
         ControlKind::Label,
         {414, 469, 40, 39},
         "利润",
         0x0000FF,
         15,
         TextAlign::Center,
         false},
        {"利润",
         ControlKind::EditBox,
         {453, 469, 48, 39},
         "",
         0x0000FF,
         15,
         TextAlign::Center,
         true},
        {"标签b14",
         ControlKind::Label,
         {5, 488, 55, 20},
         "零售合计",
         0x0000FF,
         13,
         TextAlign::Left,
         false},
        {"金额大写1",
         ControlKind::Label,
         {59, 488, 270, 20},
         "",
         0x000000,
         13,
         TextAlign::Left,
         false},
        {"合计1",
         ControlKind::EditBox,
         {328, 488, 87, 20},
         "",
         0x0000FF,
         15,
         TextAlign::Center,
         true},
    };
    for (const Expected& e : kTotals) {
        const ControlDef& control = Control(e.name);
        SCOPED_TRACE(control.name);
        EXPECT_EQ(control.kind, e.kind);
        EXPECT_EQ(control.page, kOnWindow);
        EXPECT_EQ(control.rect, e.rect);
        EXPECT_EQ(control.text, e.text);
        EXPECT_EQ(control.textColor, e.textColor);
        EXPECT_EQ(control.backColor, 0xFFFF00u);
        EXPECT_TRUE(control.border);
        EXPECT_EQ(control.fontHeight, e.fontHeight);
        EXPECT_EQ(control.align, e.align);
        EXPECT_EQ(control.disabled, e.disabled);
    }
    EXPECT_EQ(main_window::kChannelTotalBox, "合计");
    EXPECT_EQ(main_window::kRetailTotalBox, "合计1");
    EXPECT_EQ(main_window::kProfitBox, "利润");
    EXPECT_EQ(main_window::kChannelCapitalsLabel, "金额大写");
    EXPECT_EQ(main_window::kRetailCapitalsLabel, "金额大写1");
}

TEST_F(MainWindowLayoutTest, ExportButtonsWithTheirTooltips) {
    struct Expected {
        std::string_view name;
        int left;
        std::string_view tooltip;
    };
    constexpr Expected kButtons[] = {
        {"复制渠道价", 505, "复制渠道价清单！"},
        {"复制零售价", 573, "复制零售价清单！"},
        {"保存渠道价", 649, "保存渠道价清单到记事本！"},
        {"保存零售价", 717, "保存零售价清单到记事本！"},
    };
    for (const Expected& e : kButtons) {
        const ControlDef& button = Control(e.name);
        SCOPED_TRACE(button.name);
        EXPECT_EQ(button.kind, ControlKind::Button);
        EXPECT_EQ(button.page, kOnWindow);
        EXPECT_EQ(button.rect, (Rect{e.left, 221, 68, 32}));
        EXPECT_EQ(button.text, e.name);
        EXPECT_EQ(button.tooltip, e.tooltip);
        EXPECT_EQ(button.events, std::vector<EventKind>{EventKind::Clicked});
    }
    EXPECT_TRUE(Control(main_window::kPlatformList).tooltip.empty());
}

TEST_F(MainWindowLayoutTest, HintAndStatusBar) {
    const ControlDef& hint = Control("标签8");
    EXPECT_EQ(hint.kind, ControlKind::Label);
    EXPECT_EQ(hint.rect, (Rect{5, 513, 227, 12}));
    EXPECT_EQ(hint.text, "双击配件的型号，可以清空所选配件。");
    EXPECT_EQ(hint.textColor, 0xFF0000u);
    EXPECT_EQ(hint.fontHeight, 13);
    EXPECT_FALSE(hint.border);

    const ControlDef& statusBar = Control(main_window::kStatusBar);
    EXPECT_EQ(statusBar.kind, ControlKind::StatusBar);
    EXPECT_EQ(statusBar.page, kOnWindow);
    EXPECT_TRUE(statusBar.dockedAtBottom);
    EXPECT_EQ(statusBar.text, "");
    // Below everything else placed on the window.
    for (const ControlDef& control : window_.controls) {
        if (control.page != kOnWindow || &control == &statusBar) continue;
        EXPECT_LE(control.rect.top + control.rect.height, statusBar.rect.top) << control.name;
    }
}

TEST_F(MainWindowLayoutTest, SettingsPageLabelsAndInitialTexts) {
    struct Setting {
        std::string_view label;
        int top;
        std::string_view caption;
        std::string_view box;
        int boxWidth;
        std::string text;
    };
    const Setting kSettings[] = {
        {"标签14", 40, "状态条信息", "状态条信息框", 632,
         "欢迎使用[Quotexa] V2.1大众版 电话010-1111 传真010-2222 http://web.example.test:8081"},
        {"标签15", 70, "服务器地址", "服务器地址框", 160, "db.example.test"},
        {"标签16", 100, "服务器用户", "服务器帐号框", 160, "fbn_ofzw_olg"},
        {"标签17", 130, "服务器密码", "服务器密码框", 160, "qbe_lamp_vexor_hzt"},
        {"标签18", 160, "服务器端口", "服务器端口框", 160, "3306"},
        {"软件标题", 190, "软件标题", "软件标题框", 160, "Quotexa V2.1大众版 [Marrowind]"},
    };
    for (const Setting& s : kSettings) {
        SCOPED_TRACE(std::string(s.box));
        const ControlDef& label = Control(s.label);
        EXPECT_EQ(label.kind, ControlKind::Label);
        EXPECT_EQ(label.page, 13);
        EXPECT_EQ(label.rect, (Rect{11, s.top, 65, 20}));
        EXPECT_EQ(label.text, s.caption);
        EXPECT_FALSE(label.border);
        EXPECT_EQ(label.fontHeight, 0);

        const ControlDef& box = Control(s.box);
        EXPECT_EQ(box.kind, ControlKind::EditBox);
        EXPECT_EQ(box.page, 13);
        EXPECT_EQ(box.rect, (Rect{90, s.top, s.boxWidth, 20}));
        EXPECT_EQ(box.text, s.text);
    }
    EXPECT_EQ(main_window::kStatusTextBox, "状态条信息框");
    EXPECT_EQ(main_window::kServerAddressBox, "服务器地址框");
    EXPECT_EQ(main_window::kServerAccountBox, "服务器帐号框");
    EXPECT_EQ(main_window::kServerPasswordBox, "服务器密码框");
    EXPECT_EQ(main_window::kServerPortBox, "服务器端口框");
    EXPECT_EQ(main_window::kProgramTitleBox, "软件标题框");
}

TEST_F(MainWindowLayoutTest, SettingsPageNoteAndSaveDialog) {
    const ControlDef& noteLabel = Control("标签19");
    EXPECT_EQ(noteLabel.page, 13);
    EXPECT_EQ(noteLabel.rect, (Rect{371, 75, 65, 20}));
    EXPECT_EQ(noteLabel.text, "服务器说明");

    const ControlDef& note = Control("编辑框5");
    EXPECT_EQ(note.kind, ControlKind::EditBox);
    EXPECT_EQ(note.page, 13);
    EXPECT_EQ(note.rect, (Rect{448, 75, 296, 128}));
    EXPECT_TRUE(note.multiLine);
    EXPECT_EQ(note.text,
              "使用MYSQL数据库。默认端口3306改为3333\r\n\r\n"
              "服务器绑定域名db.example.test\r\n\r\n"
              "用户名权限只设置为select");

    const ControlDef& dialog = Control(main_window::kSaveFileDialog);
    EXPECT_EQ(dialog.kind, ControlKind::FileDialog);
    EXPECT_EQ(dialog.name, "通用对话框1");
    EXPECT_EQ(dialog.page, 13);
    EXPECT_EQ(dialog.rect, (Rect{739, 35, 26, 26}));
    EXPECT_FALSE(dialog.visible);
}

// The texts that depend on the vendor follow the vendor given, nothing else.
TEST(MainWindowLayoutVendorTest, VendorTextsComeFromTheVendor) {
    Vendor vendor = TestVendor();
    vendor.telephone = "1";
    vendor.fax = "2";
    vendor.catalogueHost = "10.0.0.7";
    vendor.webHost = "shop.test";
    const WindowDef window = BuildMainWindowLayout(vendor);
    const auto text = [&](std::string_view name) {
        const ControlDef* control = window.Find(name);
        return control == nullptr ? std::string("<missing>") : control->text;
    };
    EXPECT_EQ(text(main_window::kStatusTextBox),
              "欢迎使用[Quotexa] V2.1大众版 电话1 传真2 http://shop.test");
    EXPECT_EQ(text(main_window::kServerAddressBox), "10.0.0.7");
    EXPECT_EQ(text(main_window::kPlatformPageBrowser), "http://shop.test/zov_001.htm");
    EXPECT_EQ(text(main_window::kQuoteSideBrowser), "http://shop.test/zov_zov.htm");
    EXPECT_NE(text("编辑框5").find("服务器绑定域名10.0.0.7\r\n"), std::string::npos);
}

TEST(InfoWindowLayoutTest, WindowAndControls) {
    const WindowDef window = BuildInfoWindowLayout();
    EXPECT_EQ(window.id, WindowId::InfoWindow);
    EXPECT_EQ(window.caption, "");
    EXPECT_EQ(window.rect, (Rect{50, 50, 580, 450}));
    EXPECT_EQ(window.events, std::vector<EventKind>{EventKind::Created});

    struct Expected {
        std::string_view name;
        ControlKind kind;
        Rect rect;
        std::string_view text;
        bool clicked;
    };
    const Expected kControls[] = {
        {"状态条", ControlKind::StatusBar, {8, 8, 500, 20}, "", false},
        {"超文本浏览框1", ControlKind::BrowserBox, {5, 35, 563, 357}, "", false},
        {"返回", ControlKind::Button, {0, 0, 100, 30}, "返 回", true},
        {"最新通知", ControlKind::Button, {100, 0, 100, 30}, "最 新 通 知", true},
        {"优惠信息", ControlKind::Button, {200, 0, 100, 30}, "优 惠 信 息", true},
        {"关于我们", ControlKind::Button, {300, 0, 100, 30}, "关 于 我 们", true},
    };
    ASSERT_EQ(window.controls.size(), std::size(kControls));
    for (const Expected& e : kControls) {
        SCOPED_TRACE(std::string(e.name));
        const ControlDef* control = window.Find(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, e.kind);
        EXPECT_EQ(control->page, kOnWindow);
        EXPECT_EQ(control->rect, e.rect);
        EXPECT_EQ(control->text, e.text);
        EXPECT_FALSE(control->disabled);
        EXPECT_TRUE(control->visible);
        EXPECT_EQ(control->events, e.clicked ? std::vector<EventKind>{EventKind::Clicked}
                                             : std::vector<EventKind>{});
    }
    EXPECT_TRUE(window.Find(info_window::kStatusBar)->dockedAtBottom);
    EXPECT_EQ(info_window::kBackButton, "返回");
    EXPECT_EQ(info_window::kBrowser, "超文本浏览框1");
}

// The main window's page buttons and the info window's carry the same names,
// so one name means "the button of that page" in either window.
TEST(InfoWindowLayoutTest, PageButtonsShareTheMainWindowsNames) {
    EXPECT_EQ(info_window::kNoticesButton, main_window::kNoticesButton);
    EXPECT_EQ(info_window::kOffersButton, main_window::kOffersButton);
    EXPECT_EQ(info_window::kAboutUsButton, main_window::kAboutUsButton);
    EXPECT_EQ(info_window::kStatusBar, main_window::kStatusBar);
}

}  // namespace
}  // namespace quotexa
