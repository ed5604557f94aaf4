#include "export/export_commands.h"

#include "app/program.h"
#include "platform/gbk.h"
#include "platform/output_file.h"
#include "ui/main_window_layout.h"

namespace quotexa {

SaveDialogSettings PriceListSaveDialog(std::string initialFolder) {
    return SaveDialogSettings{
        .title = "请选择保存位置及路径",
        .filters = {{"文本文件(*.txt)", "*.txt"}, {"所有文件(*.*)", "*.*"}},
        .defaultExtension = "txt",
        .initialFolder = std::move(initialFolder),
        .proposedName = "电脑配置单",
    };
}

void CopyPriceList(Program& program, PriceColumn column) {
    program.windows.SetClipboardText(BuildClipboardList(program.windows, column));
    program.windows.ShowMessageBox(kCopySucceededText, kCopySucceededTitle);
}

void SavePriceList(Program& program, PriceColumn column) {
    WindowSystem& windows = program.windows;
    const std::optional<std::string> path = windows.ShowSaveDialog(
        MainControl(main_window::kSaveFileDialog), PriceListSaveDialog(SaveDialogInitialFolder()));
    if (!path) return;  // cancelled: nothing written, nothing shown

    // Opened before the text is built: a failing write leaves the file
    // created or truncated, and the user is told.
    OutputFile file(*path);
    bool saved = file.IsOpen();
    if (saved) {
        saved = file.Write(Utf8ToGbk(BuildFileList(windows, column, program.vendor)));
        saved = file.Close() && saved;
    }
    if (!saved) windows.ShowMessageBox(kSaveFailedText);
}

}  // namespace quotexa
