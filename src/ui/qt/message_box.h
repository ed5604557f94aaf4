// The program's message box: the text, the title, one OK button, no icon, no
// owner window, modal for the whole program.
#pragma once

#include <QMessageBox>
#include <memory>
#include <string_view>

namespace quotexa {

// The box, not yet shown.
std::unique_ptr<QMessageBox> BuildMessageBox(std::string_view text, std::string_view title);

// Shows the box and returns when the user has closed it.
void RunMessageBox(std::string_view text, std::string_view title);

}  // namespace quotexa
