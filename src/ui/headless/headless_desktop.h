// HeadlessDesktop: the windows and controls of the headless window system as
// plain state, the user's input to them, and what tests inspect. It keeps every
// property the logic can set and raises the wired events through the installed
// handler. Not thread-safe: HeadlessWindowSystem touches it only on its window
// thread, and every event is raised there.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_model.h"
#include "ui/window_system.h"

namespace quotexa {

// A message box as the program showed it.
struct ShownMessageBox {
    std::string text;
    std::string title;

    friend bool operator==(const ShownMessageBox&, const ShownMessageBox&) = default;
};

class HeadlessDesktop {
public:
    explicit HeadlessDesktop(std::vector<WindowDef> windows);

    void SetEventHandler(EventHandler handler);

    // The logic's operations, as WindowSystem describes them. A control that
    // does not exist (unknown name, window not open, wrong kind) is left alone
    // and reads as empty, 0 or -1.
    std::string GetText(const ControlRef& control) const;
    void SetText(const ControlRef& control, std::string_view text);
    void SetDisabled(const ControlRef& control, bool disabled);
    void SetPicture(const ControlRef& label, std::string_view bytes);
    void SetBrowserAddress(const ControlRef& browser, std::string_view address);
    int InsertItem(const ControlRef& list);
    void SetItemText(const ControlRef& list, int item, int column, std::string_view text);
    std::string GetItemText(const ControlRef& list, int item, int column) const;
    int GetItemCount(const ControlRef& list) const;
    void DeleteAllItems(const ControlRef& list);
    int GetCurrentItem(const ControlRef& list) const;
    void SetPageDisabled(const ControlRef& tabControl, int page, bool disabled);
    void SetStatusText(const ControlRef& statusBar, int part, std::string_view text);
    void OpenWindow(WindowId window, bool modal);
    void CloseWindow(WindowId window);
    void SetClipboardText(std::string_view text);
    std::optional<std::string> ShowSaveDialog(const ControlRef& dialog,
                                              const SaveDialogSettings& settings);
    void ShowMessageBox(std::string_view text, std::string_view title);

    // The user's input. Each does nothing unless the user could reach the
    // control: its window is open and enabled, the control exists, is visible,
    // enabled, and (on a tab page) its page is visible and enabled.
    void Click(const ControlRef& control);
    void DoubleClick(const ControlRef& control);
    // Replaces the text of an editable edit box; raises TextChanged.
    void TypeText(const ControlRef& editBox, std::string_view text);
    // Selects the item and gives it the focus; CurrentItemChanged only when
    // the focus moves to an item that did not have it.
    void SelectItem(const ControlRef& list, int item);
    // The answer of the next save dialog: a path, or nullopt for a cancel.
    // Without a queued answer a save dialog is cancelled.
    void QueueSaveDialogAnswer(std::optional<std::string> path);
    // The OK of the next message box (message boxes return at once anyway).
    void QueueMessageBoxAnswer();

    // Inspection.
    const std::string& Clipboard() const { return clipboard_; }
    const std::vector<ShownMessageBox>& MessageBoxes() const { return messageBoxes_; }
    int QueuedMessageBoxAnswers() const { return queuedMessageBoxAnswers_; }
    const std::optional<SaveDialogSettings>& LastSaveDialogSettings() const {
        return lastSaveDialogSettings_;
    }
    std::string PictureBytes(const ControlRef& label) const;
    // On a window that is not open: the flag the control will be created with.
    bool IsDisabled(const ControlRef& control) const;
    bool IsPageEnabled(const ControlRef& tabControl, int page) const;
    bool IsPageVisible(const ControlRef& tabControl, int page) const;
    std::string StatusText(const ControlRef& statusBar, int part) const;
    std::string BrowserAddress(const ControlRef& browser) const;
    bool IsWindowOpen(WindowId window) const;
    bool IsWindowEnabled(WindowId window) const;

private:
    struct ListState {
        std::vector<std::vector<std::string>> items;  // one text per column
        int columnCount = 1;
        int selected = -1;
        int focused = -1;
    };

    struct ControlState {
        ControlKind kind = ControlKind::Label;
        int page = ControlDef::kOnWindow;
        bool visible = true;
        bool readOnly = false;
        std::vector<EventKind> events;
        std::string text;
        bool disabled = false;
        std::string picture;
        std::string address;
        ListState list;
        std::vector<TabPage> pages;
        std::vector<std::string> statusParts;

        bool Raises(EventKind event) const;
    };

    struct WindowState {
        std::string caption;
        // The window's own flag (SetDisabled on the window). A modal window
        // blocks the others on top of it without touching their flags, so
        // each has its own state back when the modal window closes.
        bool enabled = true;
        std::map<std::string, ControlState> controls;
    };

    static ControlState CreateControl(const ControlDef& def);

    const WindowState* FindWindow(WindowId window) const;
    WindowState* FindWindow(WindowId window);
    const ControlState* Find(const ControlRef& control, ControlKind kind) const;
    ControlState* Find(const ControlRef& control, ControlKind kind);
    const ControlState* FindAny(const ControlRef& control) const;
    ControlState* FindAny(const ControlRef& control);
    // The control when the user can reach it with the mouse or keyboard.
    ControlState* FindInputTarget(const ControlRef& control, ControlKind kind);
    ControlState* FindInputTarget(const ControlRef& control);
    bool IsPageReachable(const WindowState& window, int page) const;
    // Open, enabled, and not blocked by a modal window.
    bool TakesInput(WindowId window) const;

    // Calls the handler. Callers raise last: the handler may change anything,
    // close windows among it, so no reference into the state survives the call.
    void Raise(const ControlRef& control, EventKind event) const;

    std::map<WindowId, WindowDef> definitions_;
    std::map<WindowId, WindowState> open_;
    std::vector<WindowId> modalWindows_;  // open modal windows, latest last
    std::shared_ptr<const EventHandler> handler_;
    std::string clipboard_;
    std::deque<std::optional<std::string>> saveDialogAnswers_;
    std::optional<SaveDialogSettings> lastSaveDialogSettings_;
    std::vector<ShownMessageBox> messageBoxes_;
    int queuedMessageBoxAnswers_ = 0;
};

}  // namespace quotexa
