#include "export/price_list.h"

#include <string_view>

#include "ui/main_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTab = "\t";
constexpr std::string_view kClipboardTotalPrefix = "以上清单总价：";
constexpr std::string_view kFileTotalPrefix = "以上价格合计：￥";
constexpr std::string_view kFileTotalSuffix = "该报价不含税";
const std::string kShortRule(33, '-');
const std::string kLongRule(60, '-');

// The file form places the speakers before the cooler; otherwise grid order.
constexpr std::array<ComponentCategory, kCategoryCount> kFileOrder = {
    ComponentCategory::Motherboard,  ComponentCategory::Cpu,
    ComponentCategory::HardDisk,     ComponentCategory::Memory,
    ComponentCategory::GraphicsCard, ComponentCategory::OpticalDrive,
    ComponentCategory::Case,         ComponentCategory::PowerSupply,
    ComponentCategory::Monitor,      ComponentCategory::KeyboardMouse,
    ComponentCategory::Speakers,     ComponentCategory::Cooler,
};

std::string_view TotalControl(PriceColumn column) {
    return column == PriceColumn::Channel ? main_window::kChannelTotalBox
                                          : main_window::kRetailTotalBox;
}

std::string_view PriceControl(const CategoryInfo& info, PriceColumn column) {
    return column == PriceColumn::Channel ? info.channelPriceLabel : info.retailPriceBox;
}

}  // namespace

PriceListSource ReadPriceListSource(WindowSystem& windows, PriceColumn column) {
    PriceListSource source;
    // Read in one stretch on the window-system thread, so no worker's control
    // update can land between two rows.
    windows.RunOnWindowThread([&] {
        for (ComponentCategory category : kAllCategories) {
            const CategoryInfo& info = Info(category);
            source.rows[RowIndex(category)] = {
                windows.GetText(MainControl(info.quantityBox)),
                windows.GetText(MainControl(PriceControl(info, column))),
                windows.GetText(MainControl(info.warrantyLabel)),
                windows.GetText(MainControl(info.modelLabel)),
            };
        }
        source.total = windows.GetText(MainControl(TotalControl(column)));
    });
    return source;
}

std::string ComposeClipboardList(const PriceListSource& source) {
    std::string text;
    for (ComponentCategory category : kAllCategories) {
        const PriceListRow& row = source.rows[RowIndex(category)];
        text.append(Info(category).priceListLabel)
            .append(row.quantity)
            .append("X ")
            .append(row.price)
            .append(kTab)
            .append(row.model)
            .append(kLineEnd);
    }
    text.append(kClipboardTotalPrefix).append(source.total);
    return text;
}

std::string ComposeFileList(const PriceListSource& source, const Vendor& vendor) {
    std::string text;
    for (ComponentCategory category : kFileOrder) {
        const PriceListRow& row = source.rows[RowIndex(category)];
        text.append(row.quantity)
            .append("*")
            .append(row.price)
            .append(kTab)
            .append(row.warranty)
            .append(kTab)
            .append(Info(category).priceListLabel)
            .append(row.model)
            .append(kLineEnd);
    }
    text.append(kShortRule).append(kLineEnd);
    text.append(kFileTotalPrefix).append(source.total).append(kFileTotalSuffix).append(kLineEnd);
    text.append(kShortRule).append(kLineEnd);
    text.append(vendor.companyName).append(kLineEnd);
    text.append("电话:").append(vendor.telephone).append(kLineEnd);
    text.append("传真:").append(vendor.fax).append(kLineEnd);
    text.append(vendor.WebSiteAddress()).append(kLineEnd);
    text.append("地址:").append(vendor.postalAddress).append(kLineEnd);
    text.append(kLongRule);
    return text;
}

std::string BuildClipboardList(WindowSystem& windows, PriceColumn column) {
    return ComposeClipboardList(ReadPriceListSource(windows, column));
}

std::string BuildFileList(WindowSystem& windows, PriceColumn column, const Vendor& vendor) {
    return ComposeFileList(ReadPriceListSource(windows, column), vendor);
}

}  // namespace quotexa
