// The copy and save commands of the four export buttons: build a price list,
// deliver it to the clipboard or a GBK text file, and tell the user.
#pragma once

#include <string_view>

#include "export/price_list.h"
#include "ui/window_system.h"

namespace quotexa {

struct Program;

inline constexpr std::string_view kCopySucceededText = "复制成功，可将清单粘贴到记事本。";
inline constexpr std::string_view kCopySucceededTitle = "复制成功";
inline constexpr std::string_view kSaveFailedText = "文件保存失败,请检查是否对目标磁盘的写权限!";

// The settings the save dialog is shown with, the initial folder given.
SaveDialogSettings PriceListSaveDialog(std::string initialFolder);

// Clicked of 复制渠道价 and 复制零售价.
void CopyPriceList(Program& program, PriceColumn column);
// Clicked of 保存渠道价 and 保存零售价.
void SavePriceList(Program& program, PriceColumn column);

}  // namespace quotexa
