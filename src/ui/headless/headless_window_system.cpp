#include "ui/headless/headless_window_system.h"

#include <thread>

namespace quotexa {

HeadlessWindowSystem::HeadlessWindowSystem(std::vector<WindowDef> windows)
    : desktop_(std::move(windows)) {}

void HeadlessWindowSystem::SetEventHandler(EventHandler handler) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SetEventHandler(std::move(handler)); });
}

std::string HeadlessWindowSystem::GetText(const ControlRef& control) {
    return OnWindowThread([&](HeadlessDesktop& desktop) { return desktop.GetText(control); });
}

void HeadlessWindowSystem::SetText(const ControlRef& control, std::string_view text) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SetText(control, text); });
}

void HeadlessWindowSystem::SetDisabled(const ControlRef& control, bool disabled) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SetDisabled(control, disabled); });
}

void HeadlessWindowSystem::SetPicture(const ControlRef& label, std::string_view bytes) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SetPicture(label, bytes); });
}

void HeadlessWindowSystem::SetBrowserAddress(const ControlRef& browser, std::string_view address) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SetBrowserAddress(browser, address); });
}

int HeadlessWindowSystem::InsertItem(const ControlRef& list) {
    return OnWindowThread([&](HeadlessDesktop& desktop) { return desktop.InsertItem(list); });
}

void HeadlessWindowSystem::SetItemText(const ControlRef& list, int item, int column,
                                       std::string_view text) {
    OnWindowThread(
        [&](HeadlessDesktop& desktop) { desktop.SetItemText(list, item, column, text); });
}

std::string HeadlessWindowSystem::GetItemText(const ControlRef& list, int item, int column) {
    return OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.GetItemText(list, item, column); });
}

int HeadlessWindowSystem::GetItemCount(const ControlRef& list) {
    return OnWindowThread([&](HeadlessDesktop& desktop) { return desktop.GetItemCount(list); });
}

void HeadlessWindowSystem::DeleteAllItems(const ControlRef& list) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.DeleteAllItems(list); });
}

int HeadlessWindowSystem::GetCurrentItem(const ControlRef& list) {
    return OnWindowThread([&](HeadlessDesktop& desktop) { return desktop.GetCurrentItem(list); });
}

void HeadlessWindowSystem::SetPageDisabled(const ControlRef& tabControl, int page, bool disabled) {
    OnWindowThread(
        [&](HeadlessDesktop& desktop) { desktop.SetPageDisabled(tabControl, page, disabled); });
}

void HeadlessWindowSystem::SetStatusText(const ControlRef& statusBar, int part,
                                         std::string_view text) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SetStatusText(statusBar, part, text); });
}

void HeadlessWindowSystem::OpenWindow(WindowId window, bool modal) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.OpenWindow(window, modal); });
}

void HeadlessWindowSystem::CloseWindow(WindowId window) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.CloseWindow(window); });
}

void HeadlessWindowSystem::StartThread(std::function<void()> routine) {
    // Counted before the thread starts, so a wait that follows at once sees it.
    workers_->Started();
    std::thread([workers = workers_, work = std::move(routine)]() mutable {
        work();
        work = nullptr;  // what the routine holds is released before the count drops
        workers->Ended();
    }).detach();
}

void HeadlessWindowSystem::RunOnWindowThread(const std::function<void()>& routine) {
    OnWindowThread([&](HeadlessDesktop&) { routine(); });
}

void HeadlessWindowSystem::SetClipboardText(std::string_view text) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SetClipboardText(text); });
}

std::optional<std::string> HeadlessWindowSystem::ShowSaveDialog(
    const ControlRef& dialog, const SaveDialogSettings& settings) {
    return OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.ShowSaveDialog(dialog, settings); });
}

void HeadlessWindowSystem::ShowMessageBox(std::string_view text, std::string_view title) {
    OnWindowThread([&](HeadlessDesktop& desktop) { desktop.ShowMessageBox(text, title); });
}

}  // namespace quotexa
