#include "catalogue/platform_selection.h"

#include <array>
#include <mutex>

#include "app/program.h"
#include "catalogue/brand_selection.h"
#include "catalogue/category_table.h"
#include "catalogue/list_filling.h"
#include "db/database_commands.h"
#include "db/statements.h"
#include "quote/recalculation.h"
#include "ui/main_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

namespace {

using main_window::kPlatformList;

constexpr std::array<std::string_view, 1> kBrandColumns = {"brand"};

std::string CurrentPlatformCell(WindowSystem& windows, int column) {
    const ControlRef list = MainControl(kPlatformList);
    return windows.GetItemText(list, windows.GetCurrentItem(list), column);
}

}  // namespace

void PickPlatform(Program& program) {
    WindowSystem& windows = program.windows;
    windows.SetDisabled(MainControl(kPlatformList), true);
    windows.SetPicture(MainControl(Info(ComponentCategory::Motherboard).pictureLabel), "");
    windows.SetPicture(MainControl(Info(ComponentCategory::Cpu).pictureLabel), "");
    windows.StartThread([&program] { LoadPlatformParts(program); });
}

void LoadPlatformParts(Program& program) {
    WindowSystem& windows = program.windows;
    const CategoryInfo& motherboard = Info(ComponentCategory::Motherboard);
    const CategoryInfo& cpu = Info(ComponentCategory::Cpu);

    windows.SetText(MainControl(main_window::kPlatformDescriptionBox),
                    CurrentPlatformCell(windows, main_window::kPlatformDescriptionColumn));
    DbConnection connection = OpenCatalogue(windows);
    {
        std::lock_guard<std::mutex> motherboardLists(program.motherboardLists);
        for (std::string_view emptied :
             {motherboard.noticeLabel, cpu.noticeLabel, motherboard.modelLabel, cpu.modelLabel,
              motherboard.channelPriceLabel, cpu.channelPriceLabel}) {
            windows.SetText(MainControl(emptied), "");
        }
        windows.DeleteAllItems(MainControl(motherboard.productList));
        const ListRows brands = QueryListRows(
            connection, BrandListStatement(ComponentCategory::Motherboard), kBrandColumns);
        FillList(windows, MainControl(motherboard.brandList), brands, ListFill::Replace);
    }
    const std::string platform = CurrentPlatformCell(windows, main_window::kPlatformNameColumn);
    const ListRows cpus =
        QueryListRows(connection, CpuListStatement(EscapeName(connection, platform)),
                      ProductColumns(ComponentCategory::Cpu));
    FillList(windows, MainControl(cpu.productList), cpus, ListFill::Replace);
    CloseConnection(connection);

    RecalculateQuote(windows);
    windows.SetDisabled(MainControl(kPlatformList), false);
    const ControlRef tabs = MainControl(main_window::kTabControl);
    windows.SetPageDisabled(tabs, motherboard.pageIndex, false);
    windows.SetPageDisabled(tabs, cpu.pageIndex, false);
}

}  // namespace quotexa
