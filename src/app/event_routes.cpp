#include "app/event_routes.h"

#include <array>

#include "app/info_window.h"
#include "app/program.h"
#include "catalogue/brand_selection.h"
#include "catalogue/category_table.h"
#include "catalogue/platform_selection.h"
#include "catalogue/product_selection.h"
#include "export/export_commands.h"
#include "quote/recalculation.h"
#include "ui/info_window_layout.h"
#include "ui/main_window_layout.h"

namespace quotexa {

namespace {

constexpr std::array<InfoPage, 3> kInfoPages = {InfoPage::Notices, InfoPage::Offers,
                                                InfoPage::AboutUs};

// The page whose button (in either window) carries this name.
std::optional<InfoPage> InfoPageOfButton(std::string_view name) {
    for (InfoPage page : kInfoPages) {
        if (InfoPageButton(page) == name) return page;
    }
    return std::nullopt;
}

void RouteButton(Program& program, std::string_view name) {
    using namespace main_window;
    if (const auto page = InfoPageOfButton(name)) return OpenInfoWindow(program, *page);
    if (name == kCopyChannelButton) return CopyPriceList(program, PriceColumn::Channel);
    if (name == kCopyRetailButton) return CopyPriceList(program, PriceColumn::Retail);
    if (name == kSaveChannelButton) return SavePriceList(program, PriceColumn::Channel);
    if (name == kSaveRetailButton) return SavePriceList(program, PriceColumn::Retail);
}

void RouteListPick(Program& program, std::string_view name) {
    if (name == main_window::kPlatformList) return PickPlatform(program);
    if (const auto category = CategoryOfBrandList(name)) return PickBrand(program, *category);
    if (const auto category = CategoryOfProductList(name)) return PickProduct(program, *category);
}

void RouteMainWindowEvent(Program& program, std::string_view name, EventKind event) {
    switch (event) {
        case EventKind::Created:
            return OnMainWindowCreated(program);
        case EventKind::Clicked:
            return RouteButton(program, name);
        case EventKind::CurrentItemChanged:
            return RouteListPick(program, name);
        case EventKind::TextChanged:
            // Typing a quantity or a retail price recomputes the quote.
            if (CategoryOfQuantityBox(name) || CategoryOfRetailPriceBox(name)) {
                RecalculateQuote(program.windows);
            }
            return;
        case EventKind::DoubleClicked:
            if (const auto category = CategoryOfModelLabel(name)) {
                ClearRow(program.windows, *category);
            }
            return;
    }
}

void RouteInfoWindowEvent(Program& program, std::string_view name, EventKind event) {
    if (event == EventKind::Created) return OnInfoWindowCreated(program);
    if (event != EventKind::Clicked) return;
    if (name == info_window::kBackButton) return CloseInfoWindow(program);
    if (const auto page = InfoPageOfButton(name)) ShowInfoPage(program, *page);
}

}  // namespace

void RouteEvent(Program& program, const ControlRef& control, EventKind event) {
    switch (control.window) {
        case WindowId::MainWindow:
            return RouteMainWindowEvent(program, control.name, event);
        case WindowId::InfoWindow:
            return RouteInfoWindowEvent(program, control.name, event);
    }
}

}  // namespace quotexa
