#include "catalogue/startup_loaders.h"

#include <algorithm>
#include <array>
#include <thread>

#include "app/program.h"
#include "catalogue/list_filling.h"
#include "db/database_commands.h"
#include "db/statements.h"
#include "ui/main_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

namespace {

using CC = ComponentCategory;

constexpr std::array<StartupLoader, 11> kLoaderOrder = {{
    {std::nullopt},
    {CC::GraphicsCard},
    {CC::HardDisk},
    {CC::Memory},
    {CC::OpticalDrive},
    {CC::Case},
    {CC::PowerSupply},
    {CC::Monitor},
    {CC::KeyboardMouse},
    {CC::Speakers},
    {CC::Cooler},
}};

constexpr std::array<std::string_view, 2> kPlatformColumns = {"Platform", "Brief"};
constexpr std::array<std::string_view, 1> kBrandColumns = {"brand"};

ControlRef TargetList(const StartupLoader& loader) {
    return MainControl(loader.category ? Info(*loader.category).brandList
                                       : main_window::kPlatformList);
}

// One pass: a connection of its own, the loader's statement, the rows
// appended to the list.
void RunPass(Program& program, const StartupLoader& loader) {
    DbConnection connection = OpenCatalogue(program.windows);
    const ListRows rows =
        loader.category
            ? QueryListRows(connection, BrandListStatement(*loader.category), kBrandColumns)
            : QueryListRows(connection, kPlatformListStatement, kPlatformColumns);
    FillList(program.windows, TargetList(loader), rows, ListFill::Append);
    CloseConnection(connection);
}

}  // namespace

std::span<const StartupLoader> StartupLoaderOrder() {
    return kLoaderOrder;
}

std::chrono::milliseconds RetryPause(int failedPasses) {
    constexpr std::chrono::milliseconds kFirst{250};
    constexpr std::chrono::milliseconds kLongest{2000};
    const int doublings = std::clamp(failedPasses - 1, 0, 3);
    return std::min(kFirst * (1 << doublings), kLongest);
}

void RunStartupLoader(Program& program, StartupLoader loader) {
    const ControlRef list = TargetList(loader);
    for (int failedPasses = 1;; ++failedPasses) {
        RunPass(program, loader);
        // The list, not the row count, decides: a pass runs again only while
        // the list is still empty, so rows are never doubled.
        if (program.windows.GetItemCount(list) > 0) break;
        std::this_thread::sleep_for(RetryPause(failedPasses));
    }
    if (loader.category) {
        program.windows.SetPageDisabled(MainControl(main_window::kTabControl),
                                        Info(*loader.category).pageIndex, false);
    }
}

void StartStartupLoaders(Program& program) {
    for (const StartupLoader& loader : kLoaderOrder) {
        program.windows.StartThread([&program, loader] { RunStartupLoader(program, loader); });
    }
}

}  // namespace quotexa
