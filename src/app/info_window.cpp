#include "app/info_window.h"

#include <array>

#include "app/program.h"
#include "ui/info_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

namespace {

struct InfoPageRow {
    InfoPage page;
    std::string_view path;
    std::string_view button;
};

constexpr std::array<InfoPageRow, 3> kInfoPages = {{
    {InfoPage::Notices, "/zov_tz.htm", info_window::kNoticesButton},
    {InfoPage::Offers, "/zov_yh.htm", info_window::kOffersButton},
    {InfoPage::AboutUs, "/zov_lx.htm", info_window::kAboutUsButton},
}};

const InfoPageRow& Row(InfoPage page) {
    return kInfoPages[static_cast<std::size_t>(page)];
}

// Exactly one page button is disabled: the one of the page on show.
void SetPageButtons(WindowSystem& windows, InfoPage shown) {
    for (const InfoPageRow& row : kInfoPages) {
        windows.SetDisabled(InfoControl(row.button), row.page == shown);
    }
}

}  // namespace

std::string InfoPageFullAddress(const Vendor& vendor, InfoPage page) {
    return vendor.WebSiteAddress() + std::string(Row(page).path);
}

std::string_view InfoPageButton(InfoPage page) {
    return Row(page).button;
}

void OpenInfoWindow(Program& program, InfoPage page) {
    program.texts.infoPageAddress = InfoPageFullAddress(program.vendor, page);
    SetPageButtons(program.windows, page);
    program.windows.OpenWindow(WindowId::InfoWindow, true);
}

void OnInfoWindowCreated(Program& program) {
    WindowSystem& windows = program.windows;
    windows.SetStatusText(InfoControl(info_window::kStatusBar), info_window::kStatusPart,
                          program.texts.statusBarText);
    windows.SetBrowserAddress(InfoControl(info_window::kBrowser), program.texts.infoPageAddress);
    windows.SetText(WindowRef(WindowId::InfoWindow), program.texts.programTitle);
}

void ShowInfoPage(Program& program, InfoPage page) {
    program.windows.SetBrowserAddress(InfoControl(info_window::kBrowser),
                                      InfoPageFullAddress(program.vendor, page));
    SetPageButtons(program.windows, page);
}

void CloseInfoWindow(Program& program) {
    program.windows.CloseWindow(WindowId::InfoWindow);
}

}  // namespace quotexa
