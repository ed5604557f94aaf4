#include "ui/qt/status_bar.h"

#include <QLabel>

#include "ui/qt/control_style.h"
#include "ui/qt/qt_text.h"

namespace quotexa {

StatusBar::StatusBar(const ControlDef& def, QWidget* parent)
    : QStatusBar(parent), designHeight_(def.rect.height) {
    ApplyControlStyle(*this, def);
    setSizeGripEnabled(false);
    auto* part = new QLabel(ToQString(def.text), this);
    part->setTextFormat(Qt::PlainText);
    addWidget(part, 1);
    parts_.push_back(part);
}

void StatusBar::SetPartText(int part, std::string_view text) {
    if (part < 0 || part >= static_cast<int>(parts_.size())) return;
    parts_[static_cast<std::size_t>(part)]->setText(ToQString(text));
}

std::string StatusBar::PartText(int part) const {
    if (part < 0 || part >= static_cast<int>(parts_.size())) return {};
    return ToUtf8(parts_[static_cast<std::size_t>(part)]->text());
}

}  // namespace quotexa
