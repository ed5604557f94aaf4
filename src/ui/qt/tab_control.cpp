#include "ui/qt/tab_control.h"

#include <QTabBar>

#include "ui/qt/control_style.h"
#include "ui/qt/qt_text.h"

namespace quotexa {

namespace {

const QColor kDisabledTitle(0x80, 0x80, 0x80);

}  // namespace

TabControl::TabControl(const ControlDef& def, QWidget* parent)
    : QTabWidget(parent), pages_(def.pages) {
    ApplyControlStyle(*this, def);
    tabBar()->setExpanding(false);
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        const int index = addTab(new QWidget(), ToQString(pages_[page].title));
        setTabVisible(index, pages_[page].visible);
        SetPageDisabled(index, !pages_[page].enabled);
    }
    connect(this, &QTabWidget::currentChanged, this, [this] { ShowPageControls(); });
}

void TabControl::SetPageDisabled(int page, bool disabled) {
    if (page < 0 || page >= PageCount()) return;
    pages_[static_cast<std::size_t>(page)].enabled = !disabled;
    setTabEnabled(page, !disabled);
    // An invalid colour gives the title back its normal colour.
    tabBar()->setTabTextColor(page, disabled ? kDisabledTitle : QColor());
    tabBar()->update();
}

bool TabControl::IsPageEnabled(int page) const {
    return page >= 0 && page < PageCount() && pages_[static_cast<std::size_t>(page)].enabled;
}

bool TabControl::IsPageVisible(int page) const {
    return page >= 0 && page < PageCount() && pages_[static_cast<std::size_t>(page)].visible;
}

void TabControl::AddPageControl(int page, QWidget* control, bool visible) {
    controls_.push_back({page, control, visible});
    control->setVisible(visible && page == currentIndex());
    control->raise();  // over the page area of the tab control
}

void TabControl::ShowPageControls() {
    const int current = currentIndex();
    for (const PageControl& control : controls_) {
        control.widget->setVisible(control.visible && control.page == current);
    }
}

}  // namespace quotexa
