#include "ui/qt/qt_window_system.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <algorithm>
#include <thread>

#include "ui/qt/browser_box.h"
#include "ui/qt/edit_box.h"
#include "ui/qt/list_view.h"
#include "ui/qt/message_box.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/save_dialog.h"
#include "ui/qt/status_bar.h"
#include "ui/qt/tab_control.h"

namespace quotexa {

namespace {

bool IsLabelKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::TransparentLabel;
}

}  // namespace

QtWindowSystem::QtWindowSystem(std::vector<WindowDef> windows) {
    for (WindowDef& window : windows) {
        const WindowId id = window.id;
        definitions_.insert_or_assign(id, std::move(window));
    }
}

QtWindowSystem::~QtWindowSystem() {
    // Views and pages of the browser boxes go before the web engine's
    // profile, which lives until the application ends.
    for (auto& [id, window] : open_) delete window;
    open_.clear();
    for (const QPointer<QtWindow>& window : closing_) delete window.data();
}

// ---- look-ups (GUI thread) ----

QtWindow* QtWindowSystem::Window(WindowId window) const {
    const auto found = open_.find(window);
    return found == open_.end() ? nullptr : found->second;
}

const QtWindow::Control* QtWindowSystem::Find(const ControlRef& control) const {
    const QtWindow* window = Window(control.window);
    return window == nullptr || control.name.empty() ? nullptr : window->Find(control.name);
}

QWidget* QtWindowSystem::Widget(const ControlRef& control) const {
    const QtWindow::Control* found = Find(control);
    return found == nullptr ? nullptr : found->widget;
}

template <typename Widget>
Widget* QtWindowSystem::FindAs(const ControlRef& control, ControlKind kind) const {
    const QtWindow::Control* found = Find(control);
    if (found == nullptr || found->widget == nullptr) return nullptr;
    const bool matches = found->kind == kind || (IsLabelKind(kind) && IsLabelKind(found->kind));
    return matches ? dynamic_cast<Widget*>(found->widget) : nullptr;
}

bool QtWindowSystem::IsDisabledInDefinition(const ControlRef& control) const {
    const auto def = definitions_.find(control.window);
    if (def == definitions_.end()) return false;
    const ControlDef* controlDef = def->second.Find(control.name);
    return controlDef != nullptr && controlDef->disabled;
}

void QtWindowSystem::Raise(const ControlRef& control, EventKind event) const {
    // A copy, so that a handler that installs another one keeps running intact.
    const std::shared_ptr<const EventHandler> handler = handler_;
    if (handler && *handler) (*handler)(control, event);
}

// ---- the logic's operations ----

void QtWindowSystem::SetEventHandler(EventHandler handler) {
    OnGuiThread([&] { handler_ = std::make_shared<const EventHandler>(std::move(handler)); });
}

std::string QtWindowSystem::GetText(const ControlRef& control) {
    return OnGuiThread([&]() -> std::string {
        if (control.name.empty()) {
            const QtWindow* window = Window(control.window);
            return window == nullptr ? std::string() : ToUtf8(window->windowTitle());
        }
        const QtWindow::Control* found = Find(control);
        if (found == nullptr || found->widget == nullptr) return {};
        std::string text;
        switch (found->kind) {
            case ControlKind::Label:
            case ControlKind::TransparentLabel:
                return ToUtf8(dynamic_cast<const QLabel&>(*found->widget).text());
            case ControlKind::Button:
                return ToUtf8(dynamic_cast<const QAbstractButton&>(*found->widget).text());
            case ControlKind::EditBox:
                ReadEditBox(*found->widget, text);
                return text;
            default:
                return {};
        }
    });
}

void QtWindowSystem::SetText(const ControlRef& control, std::string_view text) {
    OnGuiThread([&] {
        if (control.name.empty()) {
            if (QtWindow* window = Window(control.window)) window->setWindowTitle(ToQString(text));
            return;
        }
        // Only typing reports TextChanged: the logic never relies on its own
        // SetText reporting it.
        const QtWindow::Control* found = Find(control);
        if (found == nullptr || found->widget == nullptr) return;
        switch (found->kind) {
            case ControlKind::Label:
            case ControlKind::TransparentLabel:
                dynamic_cast<QLabel&>(*found->widget).setText(ToQString(text));
                return;
            case ControlKind::Button:
                dynamic_cast<QAbstractButton&>(*found->widget).setText(ToQString(text));
                return;
            case ControlKind::EditBox:
                WriteEditBox(*found->widget, text);
                return;
            default:
                return;
        }
    });
}

void QtWindowSystem::SetDisabled(const ControlRef& control, bool disabled) {
    OnGuiThread([&] {
        QtWindow* window = Window(control.window);
        if (control.name.empty()) {
            if (window != nullptr) window->setEnabled(!disabled);
            return;
        }
        if (window == nullptr) {
            // A closed window keeps the flag in its definition for its next opening.
            const auto def = definitions_.find(control.window);
            if (def == definitions_.end()) return;
            if (ControlDef* controlDef = def->second.Find(control.name)) {
                controlDef->disabled = disabled;
            }
            return;
        }
        if (QWidget* widget = Widget(control)) widget->setEnabled(!disabled);
    });
}

void QtWindowSystem::SetPicture(const ControlRef& label, std::string_view bytes) {
    OnGuiThread([&] {
        if (auto* picture = FindAs<PictureLabel>(label, ControlKind::Label)) {
            picture->SetPicture(bytes);
        }
    });
}

void QtWindowSystem::SetBrowserAddress(const ControlRef& browser, std::string_view address) {
    OnGuiThread([&] {
        if (auto* box = FindAs<BrowserBox>(browser, ControlKind::BrowserBox))
            box->Navigate(address);
    });
}

int QtWindowSystem::InsertItem(const ControlRef& list) {
    return OnGuiThread([&] {
        auto* view = FindAs<ListView>(list, ControlKind::ListView);
        return view == nullptr ? -1 : view->InsertItem();
    });
}

void QtWindowSystem::SetItemText(const ControlRef& list, int item, int column,
                                 std::string_view text) {
    OnGuiThread([&] {
        if (auto* view = FindAs<ListView>(list, ControlKind::ListView)) {
            view->SetItemText(item, column, text);
        }
    });
}

std::string QtWindowSystem::GetItemText(const ControlRef& list, int item, int column) {
    return OnGuiThread([&] {
        const auto* view = FindAs<ListView>(list, ControlKind::ListView);
        return view == nullptr ? std::string() : view->GetItemText(item, column);
    });
}

int QtWindowSystem::GetItemCount(const ControlRef& list) {
    return OnGuiThread([&] {
        const auto* view = FindAs<ListView>(list, ControlKind::ListView);
        return view == nullptr ? 0 : view->ItemCount();
    });
}

void QtWindowSystem::DeleteAllItems(const ControlRef& list) {
    OnGuiThread([&] {
        if (auto* view = FindAs<ListView>(list, ControlKind::ListView)) view->DeleteAllItems();
    });
}

int QtWindowSystem::GetCurrentItem(const ControlRef& list) {
    return OnGuiThread([&] {
        const auto* view = FindAs<ListView>(list, ControlKind::ListView);
        return view == nullptr ? -1 : view->CurrentItem();
    });
}

void QtWindowSystem::SetPageDisabled(const ControlRef& tabControl, int page, bool disabled) {
    OnGuiThread([&] {
        if (auto* tabs = FindAs<TabControl>(tabControl, ControlKind::TabControl)) {
            tabs->SetPageDisabled(page, disabled);
        }
    });
}

void QtWindowSystem::SetStatusText(const ControlRef& statusBar, int part, std::string_view text) {
    OnGuiThread([&] {
        if (auto* bar = FindAs<StatusBar>(statusBar, ControlKind::StatusBar)) {
            bar->SetPartText(part, text);
        }
    });
}

void QtWindowSystem::OpenWindow(WindowId id, bool modal) {
    OnGuiThread([&] {
        const auto def = definitions_.find(id);
        // A window exists once: opening an open window changes nothing.
        if (def == definitions_.end() || open_.contains(id)) return;
        auto* window =
            new QtWindow(def->second, [this, id](const std::string& name, EventKind event) {
                Raise(ControlRef{id, name}, event);
            });
        window->SetClosedByUserHandler([this, id] { OnClosedByUser(id); });
        open_.emplace(id, window);
        // Modal for the whole program: every other window takes no input
        // until this one closes, and each keeps its own enabled state.
        if (modal) window->setWindowModality(Qt::ApplicationModal);
        window->show();
        const auto& events = def->second.events;
        if (std::find(events.begin(), events.end(), EventKind::Created) != events.end()) {
            Raise(WindowRef(id), EventKind::Created);
        }
    });
}

void QtWindowSystem::Destroy(WindowId id) {
    const auto found = open_.find(id);
    if (found == open_.end()) return;
    QtWindow* window = found->second;
    open_.erase(found);
    window->hide();
    // Deleted once the event being handled (perhaps a click on one of its own
    // buttons) has returned.
    window->deleteLater();
    std::erase_if(closing_, [](const QPointer<QtWindow>& gone) { return gone.isNull(); });
    closing_.emplace_back(window);
}

void QtWindowSystem::CloseWindow(WindowId window) {
    OnGuiThread([&] { Destroy(window); });
}

void QtWindowSystem::OnClosedByUser(WindowId window) {
    Destroy(window);
    if (onWindowClosed_) onWindowClosed_(window);
}

void QtWindowSystem::StartThread(std::function<void()> routine) {
    // Counted before the thread starts, so a wait that follows at once sees it.
    ++*runningWorkers_;
    std::thread([running = runningWorkers_, work = std::move(routine)]() mutable {
        work();
        work = nullptr;  // what the routine holds is released before the count drops
        --*running;
    }).detach();
}

void QtWindowSystem::RunOnWindowThread(const std::function<void()>& routine) {
    OnGuiThread([&] { routine(); });
}

void QtWindowSystem::SetClipboardText(std::string_view text) {
    OnGuiThread([&] { QGuiApplication::clipboard()->setText(ToQString(text)); });
}

std::optional<std::string> QtWindowSystem::ShowSaveDialog(const ControlRef& dialog,
                                                          const SaveDialogSettings& settings) {
    return OnGuiThread([&]() -> std::optional<std::string> {
        const QtWindow::Control* found = Find(dialog);
        if (found == nullptr || found->kind != ControlKind::FileDialog) return std::nullopt;
        if (auto scripted = dialogs_.TakeSaveDialogAnswer(settings)) return *scripted;
        return RunSaveDialog(settings);
    });
}

void QtWindowSystem::ShowMessageBox(std::string_view text, std::string_view title) {
    OnGuiThread([&] {
        if (!dialogs_.TakeMessageBoxAnswer(text, title)) RunMessageBox(text, title);
    });
}

}  // namespace quotexa
