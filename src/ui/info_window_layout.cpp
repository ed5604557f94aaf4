#include "ui/info_window_layout.h"

#include <string>
#include <utility>

namespace quotexa {

namespace {

using namespace info_window;

ControlDef Button(std::string_view name, int left, std::string_view text) {
    ControlDef button;
    button.kind = ControlKind::Button;
    button.name = std::string(name);
    button.rect = {left, 0, 100, 30};
    button.text = std::string(text);
    button.events = {EventKind::Clicked};
    return button;
}

}  // namespace

WindowDef BuildInfoWindowLayout() {
    WindowDef window;
    window.id = WindowId::InfoWindow;
    window.rect = {50, 50, 580, 450};
    window.events = {EventKind::Created};

    ControlDef statusBar;
    statusBar.kind = ControlKind::StatusBar;
    statusBar.name = std::string(kStatusBar);
    statusBar.rect = {8, 8, 500, 20};
    statusBar.dockedAtBottom = true;
    window.controls.push_back(std::move(statusBar));

    ControlDef browser;
    browser.kind = ControlKind::BrowserBox;
    browser.name = std::string(kBrowser);
    browser.rect = {5, 35, 563, 357};
    window.controls.push_back(std::move(browser));

    window.controls.push_back(Button(kBackButton, 0, "返 回"));
    window.controls.push_back(Button(kNoticesButton, 100, "最 新 通 知"));
    window.controls.push_back(Button(kOffersButton, 200, "优 惠 信 息"));
    window.controls.push_back(Button(kAboutUsButton, 300, "关 于 我 们"));
    return window;
}

}  // namespace quotexa
