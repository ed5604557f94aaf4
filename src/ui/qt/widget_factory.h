// Builds the widget of a control from its definition, wired to report the
// events the definition lists.
#pragma once

#include <QWidget>
#include <functional>

#include "ui/control_model.h"

namespace quotexa {

// Reports one event of the control being built.
using RaiseEvent = std::function<void(EventKind)>;

// The control's widget, a child of the parent, in its initial state; nullptr
// for a control without a widget of its own (the file dialog, which is built
// each time it is shown). Positions are relative to the parent.
QWidget* CreateControlWidget(const ControlDef& def, QWidget* parent, const RaiseEvent& raise);

}  // namespace quotexa
