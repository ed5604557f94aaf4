// HeadlessWindowSystem: the window system without a display, for running and
// testing the logic. Windows and controls are plain state (HeadlessDesktop)
// owned by a thread of its own (WindowThread): every operation called from
// another thread is queued there and the caller waits for its result; a call
// made on that thread runs at once. Tests drive and inspect it through
// HeadlessDriver.
#pragma once

#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/headless/headless_desktop.h"
#include "ui/headless/window_thread.h"
#include "ui/headless/worker_count.h"
#include "ui/window_system.h"

namespace quotexa {

class HeadlessWindowSystem final : public WindowSystem {
public:
    explicit HeadlessWindowSystem(std::vector<WindowDef> windows);
    // Stops the window thread. Workers still running must have ended before
    // (HeadlessDriver::WaitForWorkers): they would call into a system that is gone.
    ~HeadlessWindowSystem() override = default;

    HeadlessWindowSystem(const HeadlessWindowSystem&) = delete;
    HeadlessWindowSystem& operator=(const HeadlessWindowSystem&) = delete;

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

private:
    friend class HeadlessDriver;

    // Carries out the operation on the window thread with the desktop and
    // returns its result.
    template <typename Operation>
    auto OnWindowThread(Operation&& operation) {
        using Result = std::invoke_result_t<Operation&, HeadlessDesktop&>;
        if constexpr (std::is_void_v<Result>) {
            auto routine = [&] { operation(desktop_); };
            windowThread_.Run(routine);
        } else {
            std::optional<Result> result;
            auto routine = [&] { result.emplace(operation(desktop_)); };
            windowThread_.Run(routine);
            return std::move(*result);
        }
    }

    HeadlessDesktop desktop_;
    std::shared_ptr<WorkerCount> workers_ = std::make_shared<WorkerCount>();
    // Last member, so it is destroyed first: the thread has ended before the
    // desktop it works on goes away.
    WindowThread windowThread_;
};

}  // namespace quotexa
