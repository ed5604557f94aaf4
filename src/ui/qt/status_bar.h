// The status bar: docked along the window's bottom edge, made of parts; the
// layouts use one part spanning the whole bar.
#pragma once

#include <QStatusBar>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_model.h"

class QLabel;

namespace quotexa {

class StatusBar final : public QStatusBar {
public:
    StatusBar(const ControlDef& def, QWidget* parent);

    // A part index out of range changes nothing, and reads as empty.
    void SetPartText(int part, std::string_view text);
    std::string PartText(int part) const;

    // Its height in the layout: the window docks it with this height.
    int DesignHeight() const { return designHeight_; }

private:
    std::vector<QLabel*> parts_;
    int designHeight_ = 20;
};

}  // namespace quotexa
