#include "ui/qt/message_box.h"

#include "ui/qt/qt_text.h"

namespace quotexa {

std::unique_ptr<QMessageBox> BuildMessageBox(std::string_view text, std::string_view title) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, ToQString(title), ToQString(text),
                                             QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    return box;
}

void RunMessageBox(std::string_view text, std::string_view title) {
    BuildMessageBox(text, title)->exec();
}

}  // namespace quotexa
