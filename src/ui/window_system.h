// WindowSystem: the one interface through which all logic touches windows.
// Every operation may be called from any thread; it is carried out on the
// window-system thread, synchronously, one at a time in arrival order, and
// the caller receives its result. A call made on that thread runs at once.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_model.h"

namespace quotexa {

// The settings a save-file dialog is shown with.
struct SaveDialogFilter {
    std::string description;  // e.g. "文本文件(*.txt)"
    std::string pattern;      // e.g. "*.txt"
};

struct SaveDialogSettings {
    std::string title;
    std::vector<SaveDialogFilter> filters;  // the first one is selected when it opens
    std::string defaultExtension;           // added to a name typed without an extension
    std::string initialFolder;
    std::string proposedName;
};

// The title every message box carries when its caller gives none.
inline constexpr std::string_view kDefaultMessageTitle = "信息：";

// Receives the events of the controls whose definition lists them. Called on
// the window-system thread.
using EventHandler = std::function<void(const ControlRef& control, EventKind event)>;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Installs the routine that receives every wired event. Set it before the
    // first window opens.
    virtual void SetEventHandler(EventHandler handler) = 0;

    virtual std::string GetText(const ControlRef& control) = 0;
    virtual void SetText(const ControlRef& control, std::string_view text) = 0;
    // On a control of a window that is not open the flag is kept with the
    // window's definition and applied when the window next opens.
    virtual void SetDisabled(const ControlRef& control, bool disabled) = 0;
    // The bytes of an image file; empty bytes remove the picture.
    virtual void SetPicture(const ControlRef& label, std::string_view bytes) = 0;
    virtual void SetBrowserAddress(const ControlRef& browser, std::string_view address) = 0;

    // Appends one empty item; returns its index (the item count before the call).
    virtual int InsertItem(const ControlRef& list) = 0;
    virtual void SetItemText(const ControlRef& list, int item, int column,
                             std::string_view text) = 0;
    // "" when the item or the column does not exist (item -1 among them).
    virtual std::string GetItemText(const ControlRef& list, int item, int column) = 0;
    virtual int GetItemCount(const ControlRef& list) = 0;
    // Removes every item; raises no event.
    virtual void DeleteAllItems(const ControlRef& list) = 0;
    // The index of the first selected item, or -1.
    virtual int GetCurrentItem(const ControlRef& list) = 0;

    // A page index out of range changes nothing.
    virtual void SetPageDisabled(const ControlRef& tabControl, int page, bool disabled) = 0;
    // A part index out of range changes nothing.
    virtual void SetStatusText(const ControlRef& statusBar, int part, std::string_view text) = 0;

    // Creates the window from its definition and shows it; raises its Created
    // event once all its controls exist. Modal: every other window is disabled
    // until it closes, then each gets back the enabled state it had.
    virtual void OpenWindow(WindowId window, bool modal) = 0;
    // Closes and destroys an open window; its controls cease to exist.
    virtual void CloseWindow(WindowId window) = 0;

    // Runs the routine on a new, detached thread.
    virtual void StartThread(std::function<void()> routine) = 0;

    // Runs the routine on the window-system thread and waits until it has run
    // (at once when called on that thread).
    virtual void RunOnWindowThread(const std::function<void()>& routine) = 0;

    virtual void SetClipboardText(std::string_view text) = 0;
    // Shows the save-file dialog of the FileDialog control; the chosen full
    // path, or nullopt when the user cancels.
    virtual std::optional<std::string> ShowSaveDialog(const ControlRef& dialog,
                                                      const SaveDialogSettings& settings) = 0;
    // One OK button, no icon, modal for the whole program; returns when closed.
    virtual void ShowMessageBox(std::string_view text,
                                std::string_view title = kDefaultMessageTitle) = 0;
};

}  // namespace quotexa
