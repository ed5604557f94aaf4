// The control model: windows, their controls and events, described as data.
// Both window-system back ends build their controls from these definitions,
// so a layout is written once and tests address both by the same names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quotexa {

enum class WindowId { MainWindow, InfoWindow };

enum class ControlKind {
    Window,
    Label,
    EditBox,
    Button,
    ListView,
    TransparentLabel,
    TabControl,
    BrowserBox,
    StatusBar,
    FileDialog,
};

enum class EventKind { Created, Clicked, TextChanged, DoubleClicked, CurrentItemChanged };

// Addresses a control: its window and its name. An empty name addresses the
// window itself (its caption is its Text).
struct ControlRef {
    WindowId window = WindowId::MainWindow;
    std::string name;

    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

inline ControlRef MainControl(std::string_view name) {
    return {WindowId::MainWindow, std::string(name)};
}
inline ControlRef InfoControl(std::string_view name) {
    return {WindowId::InfoWindow, std::string(name)};
}
inline ControlRef WindowRef(WindowId window) {
    return {window, {}};
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class TextAlign { Left, Center };

struct ListColumn {
    std::string title;
    int width = 0;
};

struct TabPage {
    std::string title;
    bool visible = true;
    bool enabled = true;
};

// A control of a window as the layout defines it: its initial state.
struct ControlDef {
    ControlKind kind = ControlKind::Label;
    std::string name;
    // The tab-control page that holds the control (positions are then relative
    // to the tab control), or kOnWindow for a control placed on the window.
    int page = kOnWindow;
    Rect rect;
    std::string text;    // caption, content, or (browser box) the start address
    int fontHeight = 0;  // character height in pixels; 0: the window's default font
    std::optional<std::uint32_t> textColor;  // RGB
    std::optional<std::uint32_t> backColor;  // RGB
    bool border = false;                     // single-line border
    TextAlign align = TextAlign::Left;
    bool disabled = false;
    bool visible = true;
    bool readOnly = false;
    bool multiLine = false;
    bool verticalScrollBar = false;
    // Edit box: the Tab key stops here (in definition order); a box that is
    // no tab stop takes the focus only by a click.
    bool tabStop = false;
    // Docked at the window's bottom edge across its whole width (the status
    // bars); rect is then only its place at design time.
    bool dockedAtBottom = false;
    std::string tooltip;
    std::vector<ListColumn> columns;  // list view
    std::vector<std::string> items;   // list view: fixed items, column 0
    std::vector<TabPage> pages;       // tab control
    std::vector<EventKind> events;

    static constexpr int kOnWindow = -1;

    bool HasEvent(EventKind event) const;
};

struct WindowDef {
    WindowId id = WindowId::MainWindow;
    std::string caption;
    Rect rect;  // screen position and outer size
    std::vector<EventKind> events;
    std::vector<ControlDef> controls;

    const ControlDef* Find(std::string_view name) const;
    ControlDef* Find(std::string_view name);
};

}  // namespace quotexa
