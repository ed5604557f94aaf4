// The layout of MainWindow as data: the catalogue tab control with its
// fourteen pages, the twelve-row quote grid, the totals, the export buttons,
// the browser boxes, the status bar and the hidden settings page. The
// per-category controls are named in CategoryTable; the names below are the
// other controls the program's routines address.
#pragma once

#include <string_view>

#include "app/vendor.h"
#include "ui/control_model.h"

namespace quotexa {

namespace main_window {

// The catalogue tab control and its page indices.
inline constexpr std::string_view kTabControl = "光驱选择夹";
inline constexpr int kPlatformPage = 0;
inline constexpr int kSettingsPage = 13;
inline constexpr int kPageCount = 14;

// Platform page.
inline constexpr std::string_view kPlatformList = "平台列表框";
inline constexpr std::string_view kPlatformDescriptionBox = "平台说明框";
inline constexpr std::string_view kPlatformPageBrowser = "超文本浏览框1";
inline constexpr std::string_view kNoticesButton = "最新通知";
inline constexpr std::string_view kOffersButton = "优惠信息";
inline constexpr std::string_view kAboutUsButton = "关于我们";
// Platform-list columns: the platform's name (shown) and its description (hidden).
inline constexpr int kPlatformNameColumn = 0;
inline constexpr int kPlatformDescriptionColumn = 1;

// The CPU page's stand-in for a brand list: the CPU brand follows from the platform.
inline constexpr std::string_view kCpuAutoMatchList = "超级列表框1";

// Totals under the quote grid.
inline constexpr std::string_view kChannelTotalBox = "合计";
inline constexpr std::string_view kRetailTotalBox = "合计1";
inline constexpr std::string_view kProfitBox = "利润";
inline constexpr std::string_view kChannelCapitalsLabel = "金额大写";
inline constexpr std::string_view kRetailCapitalsLabel = "金额大写1";

// Export buttons and the save-file dialog they use.
inline constexpr std::string_view kCopyChannelButton = "复制渠道价";
inline constexpr std::string_view kCopyRetailButton = "复制零售价";
inline constexpr std::string_view kSaveChannelButton = "保存渠道价";
inline constexpr std::string_view kSaveRetailButton = "保存零售价";
inline constexpr std::string_view kSaveFileDialog = "通用对话框1";

// The browser box beside the quote grid, and the status bar.
inline constexpr std::string_view kQuoteSideBrowser = "超文本浏览框2";
inline constexpr std::string_view kStatusBar = "状态条";
inline constexpr int kStatusPart = 0;

// Settings page (hidden): every setting is the text of one of these boxes,
// read afresh at each use.
inline constexpr std::string_view kStatusTextBox = "状态条信息框";
inline constexpr std::string_view kServerAddressBox = "服务器地址框";
inline constexpr std::string_view kServerAccountBox = "服务器帐号框";
inline constexpr std::string_view kServerPasswordBox = "服务器密码框";
inline constexpr std::string_view kServerPortBox = "服务器端口框";
inline constexpr std::string_view kProgramTitleBox = "软件标题框";

// Paths, on the vendor's web server, of the two browser boxes' start pages.
inline constexpr std::string_view kPlatformPageStartPath = "/zov_001.htm";
inline constexpr std::string_view kQuoteSideStartPath = "/zov_zov.htm";

}  // namespace main_window

// MainWindow with every control in its initial state; the vendor supplies the
// start-page host and the settings page's host names and phone numbers.
WindowDef BuildMainWindowLayout(const Vendor& vendor);

}  // namespace quotexa
