// The save-file dialog, built from the settings the program shows it with:
// title, filters (the first one selected), default suffix, initial folder,
// proposed name. The chosen folder must exist, and choosing an existing file
// asks the user to confirm replacing it.
#pragma once

#include <QFileDialog>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "ui/window_system.h"

namespace quotexa {

// Qt's form of a filter: the description followed by its patterns in
// brackets, unless the description already ends with them.
QString NameFilter(const SaveDialogFilter& filter);

// The dialog refuses a file in a folder that does not exist: it tells the
// user and stays open.
class SaveFileDialog final : public QFileDialog {
public:
    SaveFileDialog() = default;

    void accept() override;
};

// The text the dialog shows for a folder that does not exist.
inline constexpr const char* kMissingFolderText = "路径不存在。\n请检查路径是否正确。";

// The dialog, not yet shown; it has no owner and is modal for the whole program.
std::unique_ptr<SaveFileDialog> BuildSaveDialog(const SaveDialogSettings& settings);

// Shows the dialog and waits for the user: the chosen full path, or nullopt
// when the user cancels or closes it.
std::optional<std::string> RunSaveDialog(const SaveDialogSettings& settings);

}  // namespace quotexa
