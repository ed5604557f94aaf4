#include "ui/qt/qt_window.h"

#include <QCloseEvent>

#include "ui/qt/layout_font.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/status_bar.h"
#include "ui/qt/tab_control.h"
#include "ui/qt/widget_factory.h"

namespace quotexa {

QtWindow::QtWindow(const WindowDef& def, const RaiseControlEvent& raise) : QWidget(nullptr) {
    setObjectName(def.id == WindowId::MainWindow ? QStringLiteral("MainWindow")
                                                 : QStringLiteral("InfoWindow"));
    setFont(LayoutFont(kWindowFontHeight));
    setWindowTitle(ToQString(def.caption));
    // The layout is absolute: the window keeps the size it was drawn for.
    setFixedSize(def.rect.width - kFrameWidth, def.rect.height - kFrameHeight);
    move(def.rect.left, def.rect.top);

    // The tab control comes first, so that page controls have it to sit on.
    TabControl* tabs = nullptr;
    for (const ControlDef& control : def.controls) {
        if (control.kind != ControlKind::TabControl) continue;
        AddControl(control, nullptr, raise);
        tabs = dynamic_cast<TabControl*>(controls_.at(control.name).widget);
        break;
    }
    for (const ControlDef& control : def.controls) {
        if (!controls_.contains(control.name)) AddControl(control, tabs, raise);
    }
    DockToBottom();
}

void QtWindow::AddControl(const ControlDef& def, TabControl* tabs, const RaiseControlEvent& raise) {
    const bool onPage = def.page != ControlDef::kOnWindow && tabs != nullptr;
    QWidget* parent = onPage ? static_cast<QWidget*>(tabs) : this;
    QWidget* widget = CreateControlWidget(
        def, parent, [raise, name = def.name](EventKind event) { raise(name, event); });
    controls_.emplace(def.name, Control{def.kind, widget});
    if (widget == nullptr) return;
    if (onPage) {
        tabs->AddPageControl(def.page, widget, def.visible);
    } else {
        widget->setVisible(def.visible);
    }
    if (def.dockedAtBottom) docked_.emplace_back(widget, def.rect.height);
}

const QtWindow::Control* QtWindow::Find(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : &found->second;
}

void QtWindow::DockToBottom() {
    for (const auto& [widget, height] : docked_) {
        widget->setGeometry(0, this->height() - height, width(), height);
    }
}

void QtWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DockToBottom();
}

void QtWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClosedByUser_) onClosedByUser_();
}

}  // namespace quotexa
