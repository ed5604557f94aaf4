// A top-level window built from its definition: every control at its place,
// page controls on the window's tab control, docked status bars along the
// bottom edge. The window keeps its controls by name.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_model.h"

namespace quotexa {

class TabControl;

// The frame the layouts' outer sizes include: 4-pixel borders and a 26-pixel
// title bar. The window's client area is the outer size less this.
inline constexpr int kFrameWidth = 8;
inline constexpr int kFrameHeight = 30;

class QtWindow final : public QWidget {
public:
    struct Control {
        ControlKind kind;
        QWidget* widget;  // nullptr for a control without a widget (file dialog)
    };

    // Reports an event of one of the window's controls, by name.
    using RaiseControlEvent = std::function<void(const std::string& name, EventKind event)>;

    QtWindow(const WindowDef& def, const RaiseControlEvent& raise);

    // nullptr when the window has no control of that name.
    const Control* Find(std::string_view name) const;

    // Called when the user closes the window with its frame.
    void SetClosedByUserHandler(std::function<void()> handler) {
        onClosedByUser_ = std::move(handler);
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AddControl(const ControlDef& def, TabControl* tabs, const RaiseControlEvent& raise);
    void DockToBottom();

    std::map<std::string, Control, std::less<>> controls_;
    std::vector<std::pair<QWidget*, int>> docked_;  // widget and its height
    std::function<void()> onClosedByUser_;
};

}  // namespace quotexa
