#include "catalogue/brand_selection.h"

#include <mutex>

#include "app/program.h"
#include "catalogue/list_filling.h"
#include "db/database_commands.h"
#include "db/statements.h"
#include "ui/main_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

namespace {

// Column 0 of the list's current item; the empty text with nothing selected.
std::string CurrentItemText(WindowSystem& windows, std::string_view list) {
    const ControlRef ref = MainControl(list);
    return windows.GetItemText(ref, windows.GetCurrentItem(ref), 0);
}

}  // namespace

std::vector<std::string_view> ProductColumns(ComponentCategory category) {
    const CategoryInfo& info = Info(category);
    std::vector<std::string_view> columns(kCommonProductColumns.begin(),
                                          kCommonProductColumns.end());
    for (std::size_t extra = 0; extra < info.extraColumnCount; ++extra) {
        columns.push_back(info.extraColumns[extra].catalogueColumn);
    }
    return columns;
}

void PickBrand(Program& program, ComponentCategory category) {
    const CategoryInfo& info = Info(category);
    program.windows.SetDisabled(MainControl(info.brandList), true);
    program.windows.SetPicture(MainControl(info.pictureLabel), "");
    program.windows.StartThread([&program, category] { LoadProducts(program, category); });
}

void LoadProducts(Program& program, ComponentCategory category) {
    WindowSystem& windows = program.windows;
    const CategoryInfo& info = Info(category);
    const std::string brand = CurrentItemText(windows, info.brandList);
    DbConnection connection = OpenCatalogue(windows);
    const bool byPlatform = info.productFilter == ProductFilter::BrandAndPlatform;
    {
        // The motherboard list is also rewritten by a platform pick.
        std::unique_lock<std::mutex> motherboardLists(program.motherboardLists, std::defer_lock);
        if (byPlatform) motherboardLists.lock();
        const std::string platform =
            byPlatform ? CurrentItemText(windows, main_window::kPlatformList) : std::string();
        const std::string statement = ProductListStatement(category, EscapeName(connection, brand),
                                                           EscapeName(connection, platform));
        const ListRows rows = QueryListRows(connection, statement, ProductColumns(category));
        FillList(windows, MainControl(info.productList), rows, ListFill::Replace);
    }
    CloseConnection(connection);
    windows.SetDisabled(MainControl(info.brandList), false);
}

}  // namespace quotexa
