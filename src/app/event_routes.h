// Binds the events of the windows to the program's routines. Each
// per-category routine is bound once, through the reverse look-ups from a
// control's name to its category.
#pragma once

#include "ui/control_model.h"

namespace quotexa {

struct Program;

// Carries out the routine wired to the event; events nothing is wired to are
// ignored. Runs on the window-system thread.
void RouteEvent(Program& program, const ControlRef& control, EventKind event);

}  // namespace quotexa
