#include "ui/headless/headless_driver.h"

namespace quotexa {

void HeadlessDriver::Click(const ControlRef& control) {
    windows_.OnWindowThread([&](HeadlessDesktop& desktop) { desktop.Click(control); });
}

void HeadlessDriver::DoubleClick(const ControlRef& control) {
    windows_.OnWindowThread([&](HeadlessDesktop& desktop) { desktop.DoubleClick(control); });
}

void HeadlessDriver::TypeText(const ControlRef& editBox, std::string_view text) {
    windows_.OnWindowThread([&](HeadlessDesktop& desktop) { desktop.TypeText(editBox, text); });
}

void HeadlessDriver::SelectItem(const ControlRef& list, int item) {
    windows_.OnWindowThread([&](HeadlessDesktop& desktop) { desktop.SelectItem(list, item); });
}

void HeadlessDriver::QueueSaveDialogAnswer(std::optional<std::string> path) {
    windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { desktop.QueueSaveDialogAnswer(std::move(path)); });
}

void HeadlessDriver::QueueMessageBoxAnswer() {
    windows_.OnWindowThread([](HeadlessDesktop& desktop) { desktop.QueueMessageBoxAnswer(); });
}

int HeadlessDriver::QueuedMessageBoxAnswers() {
    return windows_.OnWindowThread(
        [](HeadlessDesktop& desktop) { return desktop.QueuedMessageBoxAnswers(); });
}

std::string HeadlessDriver::Clipboard() {
    return windows_.OnWindowThread([](HeadlessDesktop& desktop) { return desktop.Clipboard(); });
}

std::vector<ShownMessageBox> HeadlessDriver::MessageBoxes() {
    return windows_.OnWindowThread([](HeadlessDesktop& desktop) { return desktop.MessageBoxes(); });
}

std::optional<SaveDialogSettings> HeadlessDriver::LastSaveDialogSettings() {
    return windows_.OnWindowThread(
        [](HeadlessDesktop& desktop) { return desktop.LastSaveDialogSettings(); });
}

std::string HeadlessDriver::PictureBytes(const ControlRef& label) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.PictureBytes(label); });
}

bool HeadlessDriver::IsDisabled(const ControlRef& control) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.IsDisabled(control); });
}

bool HeadlessDriver::IsPageEnabled(const ControlRef& tabControl, int page) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.IsPageEnabled(tabControl, page); });
}

bool HeadlessDriver::IsPageVisible(const ControlRef& tabControl, int page) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.IsPageVisible(tabControl, page); });
}

std::string HeadlessDriver::StatusText(const ControlRef& statusBar, int part) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.StatusText(statusBar, part); });
}

std::string HeadlessDriver::BrowserAddress(const ControlRef& browser) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.BrowserAddress(browser); });
}

bool HeadlessDriver::IsWindowOpen(WindowId window) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.IsWindowOpen(window); });
}

bool HeadlessDriver::IsWindowEnabled(WindowId window) {
    return windows_.OnWindowThread(
        [&](HeadlessDesktop& desktop) { return desktop.IsWindowEnabled(window); });
}

bool HeadlessDriver::WaitForWorkers(std::chrono::milliseconds timeout) {
    if (windows_.windowThread_.IsCurrent()) return windows_.workers_->Running() == 0;
    return windows_.workers_->WaitUntilNone(timeout);
}

}  // namespace quotexa
