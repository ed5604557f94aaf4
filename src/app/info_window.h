// The information window: a second, modal window whose browser box shows one
// of the vendor's three pages; a row of buttons switches between them and
// 返回 closes the window.
#pragma once

#include <string>
#include <string_view>

namespace quotexa {

struct Program;
struct Vendor;

enum class InfoPage { Notices, Offers, AboutUs };

// The page's full address on the vendor's web host.
std::string InfoPageFullAddress(const Vendor& vendor, InfoPage page);
// The name of the page's button, the same in both windows.
std::string_view InfoPageButton(InfoPage page);

// Clicked of the main window's three page buttons.
void OpenInfoWindow(Program& program, InfoPage page);
// Created of InfoWindow.
void OnInfoWindowCreated(Program& program);
// Clicked of InfoWindow's three page buttons.
void ShowInfoPage(Program& program, InfoPage page);
// Clicked of 返回.
void CloseInfoWindow(Program& program);

}  // namespace quotexa
