#include "ui/headless/headless_desktop.h"

#include <algorithm>
#include <utility>

namespace quotexa {

namespace {

bool IsLabelKind(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::TransparentLabel;
}

template <typename Container>
bool InRange(const Container& container, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < container.size();
}

}  // namespace

bool HeadlessDesktop::ControlState::Raises(EventKind event) const {
    return std::find(events.begin(), events.end(), event) != events.end();
}

HeadlessDesktop::HeadlessDesktop(std::vector<WindowDef> windows) {
    for (WindowDef& window : windows) {
        const WindowId id = window.id;
        definitions_.insert_or_assign(id, std::move(window));
    }
}

void HeadlessDesktop::SetEventHandler(EventHandler handler) {
    // Shared, so that a handler that installs another one keeps running intact.
    handler_ = std::make_shared<const EventHandler>(std::move(handler));
}

HeadlessDesktop::ControlState HeadlessDesktop::CreateControl(const ControlDef& def) {
    ControlState control;
    control.kind = def.kind;
    control.page = def.page;
    control.visible = def.visible;
    control.readOnly = def.readOnly;
    control.events = def.events;
    control.disabled = def.disabled;
    switch (def.kind) {
        case ControlKind::BrowserBox:
            control.address = def.text;  // a browser box's text is its start address
            break;
        case ControlKind::ListView:
            control.list.columnCount = std::max<int>(1, static_cast<int>(def.columns.size()));
            for (const std::string& item : def.items) {
                std::vector<std::string> row(static_cast<std::size_t>(control.list.columnCount));
                row.front() = item;
                control.list.items.push_back(std::move(row));
            }
            break;
        case ControlKind::TabControl:
            control.pages = def.pages;
            break;
        case ControlKind::StatusBar:
            control.statusParts = {def.text};  // one part spanning the whole bar
            break;
        default:
            control.text = def.text;
            break;
    }
    return control;
}

const HeadlessDesktop::WindowState* HeadlessDesktop::FindWindow(WindowId window) const {
    const auto found = open_.find(window);
    return found == open_.end() ? nullptr : &found->second;
}

HeadlessDesktop::WindowState* HeadlessDesktop::FindWindow(WindowId window) {
    return const_cast<WindowState*>(std::as_const(*this).FindWindow(window));
}

const HeadlessDesktop::ControlState* HeadlessDesktop::FindAny(const ControlRef& control) const {
    const WindowState* window = FindWindow(control.window);
    if (window == nullptr) return nullptr;
    const auto found = window->controls.find(control.name);
    return found == window->controls.end() ? nullptr : &found->second;
}

HeadlessDesktop::ControlState* HeadlessDesktop::FindAny(const ControlRef& control) {
    return const_cast<ControlState*>(std::as_const(*this).FindAny(control));
}

const HeadlessDesktop::ControlState* HeadlessDesktop::Find(const ControlRef& control,
                                                           ControlKind kind) const {
    const ControlState* found = FindAny(control);
    return found != nullptr && found->kind == kind ? found : nullptr;
}

HeadlessDesktop::ControlState* HeadlessDesktop::Find(const ControlRef& control, ControlKind kind) {
    return const_cast<ControlState*>(std::as_const(*this).Find(control, kind));
}

bool HeadlessDesktop::TakesInput(WindowId window) const {
    const WindowState* state = FindWindow(window);
    if (state == nullptr || !state->enabled) return false;
    // While a modal window is open only the latest modal window takes input.
    return modalWindows_.empty() || modalWindows_.back() == window;
}

bool HeadlessDesktop::IsPageReachable(const WindowState& window, int page) const {
    if (page == ControlDef::kOnWindow) return true;
    const auto tabControl = std::find_if(
        window.controls.begin(), window.controls.end(),
        [](const auto& entry) { return entry.second.kind == ControlKind::TabControl; });
    if (tabControl == window.controls.end()) return true;
    const ControlState& tabs = tabControl->second;
    if (tabs.disabled || !tabs.visible || !InRange(tabs.pages, page)) return false;
    const TabPage& tabPage = tabs.pages[static_cast<std::size_t>(page)];
    return tabPage.visible && tabPage.enabled;
}

HeadlessDesktop::ControlState* HeadlessDesktop::FindInputTarget(const ControlRef& control) {
    if (!TakesInput(control.window)) return nullptr;
    ControlState* found = FindAny(control);
    if (found == nullptr || found->disabled || !found->visible) return nullptr;
    return IsPageReachable(*FindWindow(control.window), found->page) ? found : nullptr;
}

HeadlessDesktop::ControlState* HeadlessDesktop::FindInputTarget(const ControlRef& control,
                                                                ControlKind kind) {
    ControlState* found = FindInputTarget(control);
    return found != nullptr && found->kind == kind ? found : nullptr;
}

void HeadlessDesktop::Raise(const ControlRef& control, EventKind event) const {
    const std::shared_ptr<const EventHandler> handler = handler_;
    if (handler && *handler) (*handler)(control, event);
}

// ---- the logic's operations ----

std::string HeadlessDesktop::GetText(const ControlRef& control) const {
    if (control.name.empty()) {
        const WindowState* window = FindWindow(control.window);
        return window == nullptr ? std::string() : window->caption;
    }
    const ControlState* found = FindAny(control);
    return found == nullptr ? std::string() : found->text;
}

void HeadlessDesktop::SetText(const ControlRef& control, std::string_view text) {
    if (control.name.empty()) {
        if (WindowState* window = FindWindow(control.window)) window->caption = text;
        return;
    }
    // Only typing raises TextChanged: the logic never relies on its own SetText
    // raising it.
    if (ControlState* found = FindAny(control)) found->text = text;
}

void HeadlessDesktop::SetDisabled(const ControlRef& control, bool disabled) {
    if (control.name.empty()) {
        if (WindowState* window = FindWindow(control.window)) window->enabled = !disabled;
        return;
    }
    if (FindWindow(control.window) == nullptr) {
        // A closed window keeps the flag in its definition for its next opening.
        const auto def = definitions_.find(control.window);
        if (def == definitions_.end()) return;
        if (ControlDef* controlDef = def->second.Find(control.name))
            controlDef->disabled = disabled;
        return;
    }
    if (ControlState* found = FindAny(control)) found->disabled = disabled;
}

void HeadlessDesktop::SetPicture(const ControlRef& label, std::string_view bytes) {
    ControlState* found = FindAny(label);
    if (found != nullptr && IsLabelKind(found->kind)) found->picture = bytes;
}

void HeadlessDesktop::SetBrowserAddress(const ControlRef& browser, std::string_view address) {
    if (ControlState* found = Find(browser, ControlKind::BrowserBox)) found->address = address;
}

int HeadlessDesktop::InsertItem(const ControlRef& list) {
    ControlState* found = Find(list, ControlKind::ListView);
    if (found == nullptr) return -1;
    ListState& state = found->list;
    state.items.emplace_back(static_cast<std::size_t>(state.columnCount));
    return static_cast<int>(state.items.size()) - 1;
}

void HeadlessDesktop::SetItemText(const ControlRef& list, int item, int column,
                                  std::string_view text) {
    ControlState* found = Find(list, ControlKind::ListView);
    if (found == nullptr || !InRange(found->list.items, item)) return;
    std::vector<std::string>& row = found->list.items[static_cast<std::size_t>(item)];
    if (InRange(row, column)) row[static_cast<std::size_t>(column)] = text;
}

std::string HeadlessDesktop::GetItemText(const ControlRef& list, int item, int column) const {
    const ControlState* found = Find(list, ControlKind::ListView);
    if (found == nullptr || !InRange(found->list.items, item)) return {};
    const std::vector<std::string>& row = found->list.items[static_cast<std::size_t>(item)];
    return InRange(row, column) ? row[static_cast<std::size_t>(column)] : std::string();
}

int HeadlessDesktop::GetItemCount(const ControlRef& list) const {
    const ControlState* found = Find(list, ControlKind::ListView);
    return found == nullptr ? 0 : static_cast<int>(found->list.items.size());
}

void HeadlessDesktop::DeleteAllItems(const ControlRef& list) {
    ControlState* found = Find(list, ControlKind::ListView);
    if (found == nullptr) return;
    found->list.items.clear();
    found->list.selected = -1;
    found->list.focused = -1;
}

int HeadlessDesktop::GetCurrentItem(const ControlRef& list) const {
    const ControlState* found = Find(list, ControlKind::ListView);
    return found == nullptr ? -1 : found->list.selected;
}

void HeadlessDesktop::SetPageDisabled(const ControlRef& tabControl, int page, bool disabled) {
    ControlState* found = Find(tabControl, ControlKind::TabControl);
    if (found == nullptr || !InRange(found->pages, page)) return;
    found->pages[static_cast<std::size_t>(page)].enabled = !disabled;
}

void HeadlessDesktop::SetStatusText(const ControlRef& statusBar, int part, std::string_view text) {
    ControlState* found = Find(statusBar, ControlKind::StatusBar);
    if (found == nullptr || !InRange(found->statusParts, part)) return;
    found->statusParts[static_cast<std::size_t>(part)] = text;
}

void HeadlessDesktop::OpenWindow(WindowId id, bool modal) {
    const auto def = definitions_.find(id);
    // A window exists once: opening an open window changes nothing.
    if (def == definitions_.end() || open_.contains(id)) return;
    WindowState window;
    window.caption = def->second.caption;
    for (const ControlDef& control : def->second.controls) {
        window.controls.insert_or_assign(control.name, CreateControl(control));
    }
    open_.emplace(id, std::move(window));
    if (modal) modalWindows_.push_back(id);
    const auto& events = def->second.events;
    if (std::find(events.begin(), events.end(), EventKind::Created) != events.end()) {
        Raise(WindowRef(id), EventKind::Created);
    }
}

void HeadlessDesktop::CloseWindow(WindowId window) {
    open_.erase(window);
    std::erase(modalWindows_, window);
}

void HeadlessDesktop::SetClipboardText(std::string_view text) {
    clipboard_ = text;
}

std::optional<std::string> HeadlessDesktop::ShowSaveDialog(const ControlRef& dialog,
                                                           const SaveDialogSettings& settings) {
    if (Find(dialog, ControlKind::FileDialog) == nullptr) return std::nullopt;
    lastSaveDialogSettings_ = settings;
    if (saveDialogAnswers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(saveDialogAnswers_.front());
    saveDialogAnswers_.pop_front();
    return answer;
}

void HeadlessDesktop::ShowMessageBox(std::string_view text, std::string_view title) {
    messageBoxes_.push_back({std::string(text), std::string(title)});
    if (queuedMessageBoxAnswers_ > 0) --queuedMessageBoxAnswers_;
}

// ---- the user's input ----

void HeadlessDesktop::Click(const ControlRef& control) {
    const ControlState* found = FindInputTarget(control);
    if (found != nullptr && found->Raises(EventKind::Clicked)) Raise(control, EventKind::Clicked);
}

void HeadlessDesktop::DoubleClick(const ControlRef& control) {
    const ControlState* found = FindInputTarget(control);
    if (found != nullptr && found->Raises(EventKind::DoubleClicked)) {
        Raise(control, EventKind::DoubleClicked);
    }
}

void HeadlessDesktop::TypeText(const ControlRef& editBox, std::string_view text) {
    ControlState* found = FindInputTarget(editBox, ControlKind::EditBox);
    if (found == nullptr || found->readOnly) return;
    found->text = text;
    if (found->Raises(EventKind::TextChanged)) Raise(editBox, EventKind::TextChanged);
}

void HeadlessDesktop::SelectItem(const ControlRef& list, int item) {
    ControlState* found = FindInputTarget(list, ControlKind::ListView);
    if (found == nullptr || !InRange(found->list.items, item)) return;
    ListState& state = found->list;
    state.selected = item;
    if (state.focused == item) return;  // the focus did not move
    state.focused = item;
    if (found->Raises(EventKind::CurrentItemChanged)) Raise(list, EventKind::CurrentItemChanged);
}

void HeadlessDesktop::QueueSaveDialogAnswer(std::optional<std::string> path) {
    saveDialogAnswers_.push_back(std::move(path));
}

void HeadlessDesktop::QueueMessageBoxAnswer() {
    ++queuedMessageBoxAnswers_;
}

// ---- inspection ----

std::string HeadlessDesktop::PictureBytes(const ControlRef& label) const {
    const ControlState* found = FindAny(label);
    return found != nullptr && IsLabelKind(found->kind) ? found->picture : std::string();
}

bool HeadlessDesktop::IsDisabled(const ControlRef& control) const {
    if (FindWindow(control.window) == nullptr) {
        const auto def = definitions_.find(control.window);
        if (def == definitions_.end()) return false;
        const ControlDef* controlDef = def->second.Find(control.name);
        return controlDef != nullptr && controlDef->disabled;
    }
    const ControlState* found = FindAny(control);
    return found != nullptr && found->disabled;
}

bool HeadlessDesktop::IsPageEnabled(const ControlRef& tabControl, int page) const {
    const ControlState* found = Find(tabControl, ControlKind::TabControl);
    return found != nullptr && InRange(found->pages, page) &&
           found->pages[static_cast<std::size_t>(page)].enabled;
}

bool HeadlessDesktop::IsPageVisible(const ControlRef& tabControl, int page) const {
    const ControlState* found = Find(tabControl, ControlKind::TabControl);
    return found != nullptr && InRange(found->pages, page) &&
           found->pages[static_cast<std::size_t>(page)].visible;
}

std::string HeadlessDesktop::StatusText(const ControlRef& statusBar, int part) const {
    const ControlState* found = Find(statusBar, ControlKind::StatusBar);
    if (found == nullptr || !InRange(found->statusParts, part)) return {};
    return found->statusParts[static_cast<std::size_t>(part)];
}

std::string HeadlessDesktop::BrowserAddress(const ControlRef& browser) const {
    const ControlState* found = Find(browser, ControlKind::BrowserBox);
    return found == nullptr ? std::string() : found->address;
}

bool HeadlessDesktop::IsWindowOpen(WindowId window) const {
    return open_.contains(window);
}

bool HeadlessDesktop::IsWindowEnabled(WindowId window) const {
    return TakesInput(window);
}

}  // namespace quotexa
