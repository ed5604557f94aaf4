#include "ui/main_window_layout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/category_table.h"

namespace quotexa {

namespace {

using namespace main_window;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kYellow = 0xFFFF00;
constexpr std::uint32_t kDescriptionBackground = 0xECECEC;
// Every list view of the window: black text on light green.
constexpr std::uint32_t kListBackground = 0x80E000;

constexpr int kOnWindow = ControlDef::kOnWindow;

// Quote grid: a header row, then one row per category; adjacent rows share
// their border line, so rows are one pixel closer than their height.
constexpr int kGridHeaderTop = 221;
constexpr int kGridFirstRowTop = 241;
constexpr int kGridRowPitch = 19;
constexpr int kGridRowHeight = 20;

// Where the status bar sits at design time: the bottom strip of the client
// area. The window system docks it there whatever the frame's size.
constexpr Rect kStatusBarDesignRect = {0, 530, 792, 20};

ControlDef Place(ControlKind kind, std::string_view name, int page, Rect rect) {
    ControlDef control;
    control.kind = kind;
    control.name = std::string(name);
    control.page = page;
    control.rect = rect;
    return control;
}

ControlDef ListView(std::string_view name, int page, Rect rect, std::vector<ListColumn> columns) {
    ControlDef list = Place(ControlKind::ListView, name, page, rect);
    list.columns = std::move(columns);
    list.textColor = kBlack;
    list.backColor = kListBackground;
    return list;
}

ControlDef Button(std::string_view name, int page, Rect rect, std::string_view text) {
    ControlDef button = Place(ControlKind::Button, name, page, rect);
    button.text = std::string(text);
    button.events = {EventKind::Clicked};
    return button;
}

// A browser box opens, at start, the given page of the vendor's web server.
ControlDef Browser(std::string_view name, int page, Rect rect, const Vendor& vendor,
                   std::string_view startPath) {
    ControlDef browser = Place(ControlKind::BrowserBox, name, page, rect);
    browser.text = vendor.WebSiteAddress() + std::string(startPath);
    return browser;
}

void AddTabControl(WindowDef& window) {
    ControlDef tabs = Place(ControlKind::TabControl, kTabControl, kOnWindow, {5, 5, 780, 214});
    tabs.fontHeight = 12;
    tabs.pages.resize(kPageCount);
    tabs.pages[kPlatformPage] = {"平台选择", true, true};
    // The category pages stay locked until their lists can be filled.
    for (const CategoryInfo& info : CategoryTable) {
        tabs.pages[static_cast<std::size_t>(info.pageIndex)] = {std::string(info.pageTitle), true,
                                                                false};
    }
    tabs.pages[kSettingsPage] = {"系统信息", false, true};
    window.controls.push_back(std::move(tabs));
}

void AddPlatformPage(WindowDef& window, const Vendor& vendor) {
    ControlDef platforms = ListView(kPlatformList, kPlatformPage, {4, 27, 170, 160},
                                    {{"请选择平台", 170}, {"说明", 0}});
    platforms.fontHeight = 16;
    platforms.events = {EventKind::CurrentItemChanged};
    window.controls.push_back(std::move(platforms));

    ControlDef description =
        Place(ControlKind::EditBox, kPlatformDescriptionBox, kPlatformPage, {174, 27, 197, 160});
    description.readOnly = true;
    description.multiLine = true;
    description.verticalScrollBar = true;
    description.backColor = kDescriptionBackground;
    description.fontHeight = 15;
    window.controls.push_back(std::move(description));

    window.controls.push_back(Browser(kPlatformPageBrowser, kPlatformPage, {376, 27, 300, 160},
                                      vendor, kPlatformPageStartPath));

    window.controls.push_back(
        Button(kNoticesButton, kPlatformPage, {686, 28, 90, 30}, "最 新 通 知"));
    window.controls.push_back(
        Button(kOffersButton, kPlatformPage, {686, 58, 90, 30}, "优 惠 信 息"));
    window.controls.push_back(
        Button(kAboutUsButton, kPlatformPage, {686, 88, 90, 30}, "关 于 我 们"));

    ControlDef hint =
        Place(ControlKind::TransparentLabel, "说明", kPlatformPage, {4, 193, 380, 15});
    hint.text = "需要先挑选CPU平台之后，主板跟CPU选项页才可以挑选。";
    hint.textColor = kRed;
    hint.fontHeight = 15;
    window.controls.push_back(std::move(hint));
}

// The motherboard's lists are shorter, leaving room for its notice line.
int CategoryListHeight(ComponentCategory category) {
    return category == ComponentCategory::Motherboard ? 160 : 175;
}

int BrandColumnWidth(ComponentCategory category) {
    switch (category) {
        case ComponentCategory::HardDisk:
        case ComponentCategory::Memory:
        case ComponentCategory::OpticalDrive:
            return 120;
        default:
            return 103;
    }
}

int NoticeLabelTop(ComponentCategory category) {
    return category == ComponentCategory::Motherboard ? 194 : 205;
}

std::vector<ListColumn> ProductColumns(const CategoryInfo& info) {
    std::vector<ListColumn> columns = {
        {"价 格", 55}, {"型    号", 320}, {"保 修", 55}, {"图片", 0}};
    for (std::size_t i = 0; i < info.extraColumnCount; ++i) {
        columns.push_back({std::string(info.extraColumns[i].title), 0});
    }
    return columns;
}

void AddCategoryPage(WindowDef& window, const CategoryInfo& info) {
    const int page = info.pageIndex;
    const int listHeight = CategoryListHeight(info.category);

    if (!info.brandList.empty()) {
        ControlDef brands = ListView(info.brandList, page, {4, 27, 120, listHeight},
                                     {{"品牌选择", BrandColumnWidth(info.category)}});
        brands.fontHeight = 16;
        brands.events = {EventKind::CurrentItemChanged};
        window.controls.push_back(std::move(brands));
    } else {
        // The CPU's brand follows from the platform: a fixed, locked notice
        // stands where the brand list would be.
        ControlDef autoMatch =
            ListView(kCpuAutoMatchList, page, {4, 27, 120, 175}, {{"品牌选择", 120}});
        autoMatch.disabled = true;
        autoMatch.items = {"已自动匹配"};
        window.controls.push_back(std::move(autoMatch));
    }

    ControlDef products =
        ListView(info.productList, page, {124, 27, 450, listHeight}, ProductColumns(info));
    products.fontHeight = 16;
    products.events = {EventKind::CurrentItemChanged};
    window.controls.push_back(std::move(products));

    ControlDef picture = Place(ControlKind::Label, info.pictureLabel, page, {589, 23, 190, 190});
    picture.border = true;
    window.controls.push_back(std::move(picture));

    if (!info.noticeLabel.empty()) {
        ControlDef notice = Place(ControlKind::TransparentLabel, info.noticeLabel, page,
                                  {2, NoticeLabelTop(info.category), 570, 15});
        notice.textColor = kRed;
        notice.fontHeight = 13;
        window.controls.push_back(std::move(notice));
    }
}

void AddSettingsPage(WindowDef& window, const Vendor& vendor) {
    struct Setting {
        std::string_view label;
        int top;
        std::string_view caption;
        std::string_view box;
        int boxWidth;
        std::string initialText;
    };
    const Setting settings[] = {
        {"标签14", 40, "状态条信息", kStatusTextBox, 632,
         "欢迎使用[Quotexa] V2.1大众版 电话" + vendor.telephone + " 传真" + vendor.fax + " " +
             vendor.WebSiteAddress()},
        {"标签15", 70, "服务器地址", kServerAddressBox, 160, vendor.catalogueHost},
        {"标签16", 100, "服务器用户", kServerAccountBox, 160, "fbn_ofzw_olg"},
        {"标签17", 130, "服务器密码", kServerPasswordBox, 160, "qbe_lamp_vexor_hzt"},
        {"标签18", 160, "服务器端口", kServerPortBox, 160, "3306"},
        {"软件标题", 190, "软件标题", kProgramTitleBox, 160, "Quotexa V2.1大众版 [Marrowind]"},
    };
    for (const Setting& setting : settings) {
        ControlDef label =
            Place(ControlKind::Label, setting.label, kSettingsPage, {11, setting.top, 65, 20});
        label.text = std::string(setting.caption);
        window.controls.push_back(std::move(label));

        ControlDef box = Place(ControlKind::EditBox, setting.box, kSettingsPage,
                               {90, setting.top, setting.boxWidth, 20});
        box.text = setting.initialText;
        window.controls.push_back(std::move(box));
    }

    ControlDef noteLabel = Place(ControlKind::Label, "标签19", kSettingsPage, {371, 75, 65, 20});
    noteLabel.text = "服务器说明";
    window.controls.push_back(std::move(noteLabel));

    // Documentation for whoever sets up the server; the port in use is the
    // port box's text.
    ControlDef note = Place(ControlKind::EditBox, "编辑框5", kSettingsPage, {448, 75, 296, 128});
    note.multiLine = true;
    note.text = "使用MYSQL数据库。默认端口3306改为3333\r\n\r\n服务器绑定域名" +
                vendor.catalogueHost + "\r\n\r\n用户名权限只设置为select";
    window.controls.push_back(std::move(note));

    ControlDef dialog =
        Place(ControlKind::FileDialog, kSaveFileDialog, kSettingsPage, {739, 35, 26, 26});
    dialog.visible = false;
    window.controls.push_back(std::move(dialog));
}

// A cell of the quote grid: single-line border, and the given font and alignment.
ControlDef GridCell(ControlKind kind, std::string_view name, Rect rect, int fontHeight,
                    TextAlign align) {
    ControlDef cell = Place(kind, name, kOnWindow, rect);
    cell.border = true;
    cell.fontHeight = fontHeight;
    cell.align = align;
    return cell;
}

void AddGridHeader(WindowDef& window) {
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
        ControlDef label = GridCell(ControlKind::Label, header.name,
                                    {header.left, kGridHeaderTop, header.width, kGridRowHeight}, 15,
                                    TextAlign::Center);
        label.text = std::string(header.caption);
        label.textColor = kBlue;
        window.controls.push_back(std::move(label));
    }
}

void AddGridRow(WindowDef& window, const CategoryInfo& info) {
    const int top = kGridFirstRowTop + kGridRowPitch * static_cast<int>(RowIndex(info.category));
    const auto cellRect = [top](int left, int width) {
        return Rect{left, top, width, kGridRowHeight};
    };

    ControlDef rowLabel =
        GridCell(ControlKind::Label, info.rowLabelControl, cellRect(5, 55), 15, TextAlign::Left);
    rowLabel.text = std::string(info.rowLabelText);
    window.controls.push_back(std::move(rowLabel));

    ControlDef model =
        GridCell(ControlKind::Label, info.modelLabel, cellRect(59, 270), 13, TextAlign::Left);
    model.events = {EventKind::DoubleClicked};
    window.controls.push_back(std::move(model));

    window.controls.push_back(GridCell(ControlKind::Label, info.channelPriceLabel,
                                       cellRect(328, 48), 13, TextAlign::Center));
    window.controls.push_back(
        GridCell(ControlKind::Label, info.warrantyLabel, cellRect(375, 40), 13, TextAlign::Center));

    ControlDef quantity =
        GridCell(ControlKind::EditBox, info.quantityBox, cellRect(414, 40), 13, TextAlign::Center);
    quantity.text = "1";
    quantity.events = {EventKind::TextChanged};
    window.controls.push_back(std::move(quantity));

    ControlDef retail = GridCell(ControlKind::EditBox, info.retailPriceBox, cellRect(453, 48), 13,
                                 TextAlign::Center);
    retail.events = {EventKind::TextChanged};
    // The retail price boxes are the grid's tab stops, top to bottom.
    retail.tabStop = true;
    window.controls.push_back(std::move(retail));
}

void AddTotals(WindowDef& window) {
    struct Total {
        ControlKind kind;
        std::string_view name;
        Rect rect;
        std::string_view text;
        std::uint32_t textColor;
        int fontHeight;
        TextAlign align;
    };
    constexpr Total kTotals[] = {
        {ControlKind::Label, "标签b13", {5, 469, 55, 20}, "渠道合计", kBlue, 13, TextAlign::Left},
        {ControlKind::Label,
         kChannelCapitalsLabel,
         {59, 469, 270, 20},
         "",
         kBlack,
         13,
         TextAlign::Left},
        {ControlKind::EditBox,
         kChannelTotalBox,
         {328, 469, 87, 20},
         "",
         kBlue,
         15,
         TextAlign::Center},
        {ControlKind::Label, "标签b15", {414, 469, 40, 39}, "利润", kBlue, 15, TextAlign::Center},
        {ControlKind::EditBox, kProfitBox, {453, 469, 48, 39}, "", kBlue, 15, TextAlign::Center},
        {ControlKind::Label, "标签b14", {5, 488, 55, 20}, "零售合计", kBlue, 13, TextAlign::Left},
        {ControlKind::Label,
         kRetailCapitalsLabel,
         {59, 488, 270, 20},
         "",
         kBlack,
         13,
         TextAlign::Left},
        {ControlKind::EditBox,
         kRetailTotalBox,
         {328, 488, 87, 20},
         "",
         kBlue,
         15,
         TextAlign::Center},
    };
    for (const Total& total : kTotals) {
        ControlDef control = Place(total.kind, total.name, kOnWindow, total.rect);
        control.text = std::string(total.text);
        control.textColor = total.textColor;
        control.backColor = kYellow;
        control.border = true;
        control.fontHeight = total.fontHeight;
        control.align = total.align;
        // The totals and the profit are derived, never typed: their boxes show
        // the text but take no input.
        control.disabled = total.kind == ControlKind::EditBox;
        window.controls.push_back(std::move(control));
    }
}

void AddExportButtons(WindowDef& window) {
    struct Export {
        std::string_view name;
        int left;
        std::string_view tooltip;
    };
    constexpr Export kExports[] = {
        {kCopyChannelButton, 505, "复制渠道价清单！"},
        {kCopyRetailButton, 573, "复制零售价清单！"},
        {kSaveChannelButton, 649, "保存渠道价清单到记事本！"},
        {kSaveRetailButton, 717, "保存零售价清单到记事本！"},
    };
    for (const Export& entry : kExports) {
        ControlDef button = Button(entry.name, kOnWindow, {entry.left, 221, 68, 32}, entry.name);
        button.tooltip = std::string(entry.tooltip);
        window.controls.push_back(std::move(button));
    }
}

}  // namespace

WindowDef BuildMainWindowLayout(const Vendor& vendor) {
    WindowDef window;
    window.id = WindowId::MainWindow;
    window.rect = {50, 50, 800, 580};
    window.events = {EventKind::Created};

    AddTabControl(window);
    AddPlatformPage(window, vendor);
    for (const CategoryInfo& info : CategoryTable) AddCategoryPage(window, info);
    AddSettingsPage(window, vendor);

    AddGridHeader(window);
    // Grid order; the retail price boxes, in this order, are the grid's tab stops.
    for (const CategoryInfo& info : CategoryTable) AddGridRow(window, info);
    AddTotals(window);

    ControlDef clearHint = Place(ControlKind::Label, "标签8", kOnWindow, {5, 513, 227, 12});
    clearHint.text = "双击配件的型号，可以清空所选配件。";
    clearHint.textColor = kRed;
    clearHint.fontHeight = 13;
    window.controls.push_back(std::move(clearHint));

    AddExportButtons(window);
    window.controls.push_back(
        Browser(kQuoteSideBrowser, kOnWindow, {506, 259, 280, 250}, vendor, kQuoteSideStartPath));

    ControlDef statusBar =
        Place(ControlKind::StatusBar, kStatusBar, kOnWindow, kStatusBarDesignRect);
    statusBar.dockedAtBottom = true;
    window.controls.push_back(std::move(statusBar));
    return window;
}

}  // namespace quotexa
