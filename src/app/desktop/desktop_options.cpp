#include "app/desktop/desktop_options.h"

#include <algorithm>
#include <cstdlib>

#include "quote/conversions.h"

namespace quotexa {

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::optional<std::chrono::milliseconds> Milliseconds(const char* name) {
    const std::optional<std::string> text = Variable(name);
    if (!text) return std::nullopt;
    return std::chrono::milliseconds(std::max(0, TextToInteger(*text)));
}

}  // namespace

DesktopOptions ReadDesktopOptions() {
    DesktopOptions options;
    options.cataloguePort = Variable("QUOTEXA_CATALOGUE_PORT");
    options.closeAfter = Milliseconds("QUOTEXA_CLOSE_AFTER_MS");
    options.screenshotPath = Variable("QUOTEXA_SCREENSHOT");
    if (const auto delay = Milliseconds("QUOTEXA_SCREENSHOT_DELAY_MS")) {
        options.screenshotDelay = *delay;
    }
    options.demoPicks = Variable("QUOTEXA_DEMO_PICKS") == "1";
    return options;
}

}  // namespace quotexa
