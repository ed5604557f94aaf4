#include "ui/qt/browser_box.h"

#include <QUrl>

#include "ui/qt/control_style.h"
#include "ui/qt/qt_text.h"

namespace quotexa {

BrowserBox::BrowserBox(const ControlDef& def, QWidget* parent) : QWebEngineView(parent) {
    ApplyControlStyle(*this, def);
    if (!def.text.empty()) Navigate(def.text);
}

void BrowserBox::Navigate(std::string_view address) {
    address_ = address;
    setUrl(QUrl(ToQString(address)));
}

}  // namespace quotexa
