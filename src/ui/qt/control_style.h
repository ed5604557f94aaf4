// What every control takes from its definition whatever its kind: name,
// place, font, colours, tooltip and enabled state.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

#include "ui/control_model.h"

namespace quotexa {

QColor FromRgb(std::uint32_t rgb);

// Gives the widget the definition's name (as its objectName), rectangle,
// font, colours, tooltip and enabled flag. The colours hold in every state,
// so a disabled total box still shows blue on yellow.
void ApplyControlStyle(QWidget& widget, const ControlDef& def);

// Qt's alignment for the definition's text alignment, vertically centred.
Qt::Alignment TextAlignment(const ControlDef& def);

}  // namespace quotexa
