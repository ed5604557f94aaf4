// QtWindowSystem: the window system on Qt widgets, with a Qt WebEngine view
// for the browser boxes. Windows and their controls are built from their
// definitions when they open. Every operation may be called from any thread
// and is carried out on the GUI thread (GuiThread); events are reported there
// to the installed handler.
//
// Beyond WindowSystem it offers what the program's entry and the tests need:
// a handler for the user closing a window with its frame, the widgets behind
// the controls, scripted answers for the save dialog and message boxes, and
// the number of worker threads still running. These are for the GUI thread.
#pragma once

#include <QPointer>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/qt/dialog_script.h"
#include "ui/qt/gui_thread.h"
#include "ui/qt/qt_window.h"
#include "ui/window_system.h"

namespace quotexa {

class QtWindowSystem final : public WindowSystem {
public:
    // Made on the GUI thread once the QApplication exists.
    explicit QtWindowSystem(std::vector<WindowDef> windows);
    // Destroys the windows still open. Workers must have ended before.
    ~QtWindowSystem() override;

    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    void SetEventHandler(EventHandler handler) override;

    std::string GetText(const ControlRef& control) override;
    void SetText(const ControlRef& control, std::string_view text) override;
    void SetDisabled(const ControlRef& control, bool disabled) override;
    void SetPicture(const ControlRef& label, std::string_view bytes) override;
    void SetBrowserAddress(const ControlRef& browser, std::string_view address) override;

    int InsertItem(const ControlRef& list) override;
    void SetItemText(const ControlRef& list, int item, int column, std::string_view text) override;
    std::string GetItemText(const ControlRef& list, int item, int column) override;
    int GetItemCount(const ControlRef& list) override;
    void DeleteAllItems(const ControlRef& list) override;
    int GetCurrentItem(const ControlRef& list) override;

    void SetPageDisabled(const ControlRef& tabControl, int page, bool disabled) override;
    void SetStatusText(const ControlRef& statusBar, int part, std::string_view text) override;

    void OpenWindow(WindowId window, bool modal) override;
    void CloseWindow(WindowId window) override;

    void StartThread(std::function<void()> routine) override;
    void RunOnWindowThread(const std::function<void()>& routine) override;

    void SetClipboardText(std::string_view text) override;
    std::optional<std::string> ShowSaveDialog(const ControlRef& dialog,
                                              const SaveDialogSettings& settings) override;
    void ShowMessageBox(std::string_view text,
                        std::string_view title = kDefaultMessageTitle) override;

    // ---- for the program's entry and the tests (GUI thread) ----

    // Called after the user has closed a window with its frame; the window is
    // then closed and destroyed as CloseWindow does.
    void SetWindowClosedHandler(std::function<void(WindowId)> handler) {
        onWindowClosed_ = std::move(handler);
    }
    // The open window's widget, or nullptr.
    QtWindow* Window(WindowId window) const;
    // The control's widget on an open window, or nullptr.
    QWidget* Widget(const ControlRef& control) const;
    // A control's flag in its window's definition: what it is created with.
    bool IsDisabledInDefinition(const ControlRef& control) const;
    DialogScript& Dialogs() { return dialogs_; }
    // Threads started with StartThread that have not ended yet.
    int RunningWorkers() const { return *runningWorkers_; }

private:
    // Carries out the operation on the GUI thread and returns its result; a
    // call that never ran (the event loop has ended) yields an empty result.
    template <typename Operation>
    auto OnGuiThread(Operation&& operation) {
        using Result = std::invoke_result_t<Operation&>;
        if constexpr (std::is_void_v<Result>) {
            guiThread_.Run(operation);
        } else {
            std::optional<Result> result;
            guiThread_.Run([&] { result.emplace(operation()); });
            return result ? std::move(*result) : Result{};
        }
    }

    const QtWindow::Control* Find(const ControlRef& control) const;
    // The widget of a control of this kind (labels: either kind), or nullptr.
    template <typename Widget>
    Widget* FindAs(const ControlRef& control, ControlKind kind) const;

    void Raise(const ControlRef& control, EventKind event) const;
    void OnClosedByUser(WindowId window);
    void Destroy(WindowId window);

    GuiThread guiThread_;
    std::map<WindowId, WindowDef> definitions_;
    std::map<WindowId, QtWindow*> open_;
    std::vector<QPointer<QtWindow>> closing_;  // closed, waiting for their deferred deletion
    std::shared_ptr<const EventHandler> handler_;
    std::function<void(WindowId)> onWindowClosed_;
    DialogScript dialogs_;
    std::shared_ptr<std::atomic<int>> runningWorkers_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace quotexa
