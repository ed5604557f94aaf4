// Settings the desktop program takes from its environment for tests and the
// demo; an ordinary start sets none of them and the program behaves as it
// always does.
//
//   QUOTEXA_CATALOGUE_PORT       replaces the settings page's port before start-up
//   QUOTEXA_CLOSE_AFTER_MS       closes the main window that long after it opened
//   QUOTEXA_SCREENSHOT           saves a PNG of the main window once its lists
//                                have loaded, then closes it
//   QUOTEXA_SCREENSHOT_DELAY_MS  waits that long before the picture (pages render)
//   QUOTEXA_DEMO_PICKS=1         before the picture, picks a product of every
//                                category as a user would
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace quotexa {

struct DesktopOptions {
    std::optional<std::string> cataloguePort;
    std::optional<std::chrono::milliseconds> closeAfter;
    std::optional<std::string> screenshotPath;
    std::chrono::milliseconds screenshotDelay{1500};
    bool demoPicks = false;
};

DesktopOptions ReadDesktopOptions();

}  // namespace quotexa
