#include "ui/control_model.h"

#include <algorithm>
#include <utility>

namespace quotexa {

bool ControlDef::HasEvent(EventKind event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
}

const ControlDef* WindowDef::Find(std::string_view name) const {
    const auto found =
        std::find_if(controls.begin(), controls.end(),
                     [&](const ControlDef& control) { return control.name == name; });
    return found == controls.end() ? nullptr : &*found;
}

ControlDef* WindowDef::Find(std::string_view name) {
    return const_cast<ControlDef*>(std::as_const(*this).Find(name));
}

}  // namespace quotexa
