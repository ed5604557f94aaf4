// HeadlessDriver: the test's hands and eyes on a HeadlessWindowSystem. It plays
// the user (clicks, typing, picking list items, answering dialogs) and reads
// what the logic left in the windows beyond what WindowSystem itself returns.
// Every call is carried out on the window thread, like the logic's own
// operations, and returns once the event handler it caused has returned.
// User input respects disabled state: a disabled control, a control on a
// disabled or hidden tab page, and a window blocked by a modal one take none.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ui/headless/headless_window_system.h"

namespace quotexa {

class HeadlessDriver {
public:
    explicit HeadlessDriver(HeadlessWindowSystem& windows) : windows_(windows) {}

    void Click(const ControlRef& control);
    void DoubleClick(const ControlRef& control);
    // Replaces the text of an editable edit box, raising TextChanged.
    void TypeText(const ControlRef& editBox, std::string_view text);
    // Makes the item current (selected, with the focus); CurrentItemChanged
    // only when the focus moves to another item.
    void SelectItem(const ControlRef& list, int item);

    // The answer of the next save dialog, in order: a path, or nullopt for a
    // cancel. A dialog with no queued answer is cancelled.
    void QueueSaveDialogAnswer(std::optional<std::string> path);
    // The OK of the next message box; a message box consumes one if queued.
    void QueueMessageBoxAnswer();
    int QueuedMessageBoxAnswers();

    std::string Clipboard();
    std::vector<ShownMessageBox> MessageBoxes();
    // The settings of the last save dialog shown, nullopt before the first.
    std::optional<SaveDialogSettings> LastSaveDialogSettings();
    std::string PictureBytes(const ControlRef& label);
    // On a window that is not open: the flag the control will be created with.
    bool IsDisabled(const ControlRef& control);
    bool IsPageEnabled(const ControlRef& tabControl, int page);
    bool IsPageVisible(const ControlRef& tabControl, int page);
    std::string StatusText(const ControlRef& statusBar, int part);
    std::string BrowserAddress(const ControlRef& browser);
    bool IsWindowOpen(WindowId window);
    // Open, enabled, and not blocked by a modal window.
    bool IsWindowEnabled(WindowId window);

    // Waits, at most the time-out, until every thread started with StartThread
    // has ended; true when they all have. Waits on the calling thread: on the
    // window thread, which never waits for a worker, it only reports.
    bool WaitForWorkers(std::chrono::milliseconds timeout);

private:
    HeadlessWindowSystem& windows_;
};

}  // namespace quotexa
