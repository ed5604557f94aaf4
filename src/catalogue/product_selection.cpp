#include "catalogue/product_selection.h"

#include <string>

#include "app/program.h"
#include "platform/http_read_file.h"
#include "platform/working_set.h"
#include "quote/recalculation.h"
#include "ui/window_system.h"

namespace quotexa {

namespace {

// Product-list columns as the pick uses them.
constexpr int kPriceColumn = 0;
constexpr int kModelColumn = 1;
constexpr int kWarrantyColumn = 2;
constexpr int kPictureColumn = 3;
constexpr int kFirstFlagColumn = 4;
constexpr int kSecondFlagColumn = 5;

}  // namespace

std::string_view MotherboardNotice(std::string_view integratedGraphics,
                                   std::string_view displayConnector) {
    if (IsFlagSet(integratedGraphics)) return kBoardIntegratedGraphicsNotice;
    if (IsFlagSet(displayConnector)) return kBoardDisplayConnectorNotice;
    return kBoardNoGraphicsNotice;
}

std::string_view CpuNotice(std::string_view integratedGraphics) {
    return IsFlagSet(integratedGraphics) ? kCpuIntegratedGraphicsNotice : std::string_view{};
}

void PickProduct(Program& program, ComponentCategory category) {
    WindowSystem& windows = program.windows;
    const CategoryInfo& info = Info(category);
    const ControlRef list = MainControl(info.productList);
    // Each cell is read from the list's current item afresh; with nothing
    // selected every cell reads as the empty text.
    const auto cell = [&](int column) {
        return windows.GetItemText(list, windows.GetCurrentItem(list), column);
    };

    windows.SetText(MainControl(info.channelPriceLabel), cell(kPriceColumn));
    windows.SetText(MainControl(info.modelLabel), cell(kModelColumn));
    windows.SetText(MainControl(info.warrantyLabel), cell(kWarrantyColumn));
    const std::string pictureName = cell(kPictureColumn);
    const std::string firstFlag = info.extraColumnCount > 0 ? cell(kFirstFlagColumn) : "";
    const std::string secondFlag = info.extraColumnCount > 1 ? cell(kSecondFlagColumn) : "";

    windows.SetPicture(MainControl(info.pictureLabel),
                       HttpReadFile(PictureAddress(program.vendor.webHost, pictureName)));
    RecalculateQuote(windows);

    if (category == ComponentCategory::Cpu) {
        windows.SetText(MainControl(info.noticeLabel), CpuNotice(firstFlag));
    } else if (category == ComponentCategory::Motherboard) {
        windows.SetText(MainControl(info.noticeLabel), MotherboardNotice(firstFlag, secondFlag));
    }
    TrimWorkingSet();
}

}  // namespace quotexa
