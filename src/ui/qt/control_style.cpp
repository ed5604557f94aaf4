#include "ui/qt/control_style.h"

#include <QPalette>

#include "ui/qt/layout_font.h"
#include "ui/qt/qt_text.h"

namespace quotexa {

namespace {

constexpr QPalette::ColorGroup kAllGroups[] = {QPalette::Active, QPalette::Inactive,
                                               QPalette::Disabled};

}  // namespace

QColor FromRgb(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                  static_cast<int>(rgb & 0xFFu));
}

Qt::Alignment TextAlignment(const ControlDef& def) {
    const Qt::Alignment horizontal =
        def.align == TextAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

void ApplyControlStyle(QWidget& widget, const ControlDef& def) {
    widget.setObjectName(ToQString(def.name));
    widget.setGeometry(def.rect.left, def.rect.top, def.rect.width, def.rect.height);
    if (def.fontHeight > 0) widget.setFont(LayoutFont(def.fontHeight));
    if (def.textColor || def.backColor) {
        QPalette palette = widget.palette();
        for (QPalette::ColorGroup group : kAllGroups) {
            if (def.textColor) {
                const QColor text = FromRgb(*def.textColor);
                palette.setColor(group, QPalette::WindowText, text);
                palette.setColor(group, QPalette::Text, text);
                palette.setColor(group, QPalette::ButtonText, text);
            }
            if (def.backColor) {
                const QColor back = FromRgb(*def.backColor);
                palette.setColor(group, QPalette::Window, back);
                palette.setColor(group, QPalette::Base, back);
            }
        }
        widget.setPalette(palette);
    }
    if (!def.tooltip.empty()) widget.setToolTip(ToQString(def.tooltip));
    widget.setEnabled(!def.disabled);
}

}  // namespace quotexa
