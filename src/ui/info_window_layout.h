// The layout of InfoWindow as data: a row of buttons that switch between the
// vendor's three pages or close the window, the browser box that shows the
// page, and the status bar.
#pragma once

#include <string_view>

#include "ui/control_model.h"

namespace quotexa {

namespace info_window {

inline constexpr std::string_view kBackButton = "返回";
inline constexpr std::string_view kNoticesButton = "最新通知";
inline constexpr std::string_view kOffersButton = "优惠信息";
inline constexpr std::string_view kAboutUsButton = "关于我们";
inline constexpr std::string_view kBrowser = "超文本浏览框1";
inline constexpr std::string_view kStatusBar = "状态条";
inline constexpr int kStatusPart = 0;

}  // namespace info_window

// InfoWindow with every control in its initial state: empty caption, no
// address, all buttons enabled (opening the window disables one page button).
WindowDef BuildInfoWindowLayout();

}  // namespace quotexa
