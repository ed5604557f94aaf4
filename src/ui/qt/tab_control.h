// The tab control: a strip of page titles over one area. The controls of a
// page are placed relative to the tab control itself (the strip included)
// and are shown only while their page is the current one. A disabled page
// shows its title in grey and cannot be chosen; a hidden page has no tab,
// while its controls exist and keep their values.
#pragma once

#include <QTabWidget>
#include <vector>

#include "ui/control_model.h"

namespace quotexa {

class TabControl final : public QTabWidget {
public:
    TabControl(const ControlDef& def, QWidget* parent);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // An index out of range changes nothing.
    void SetPageDisabled(int page, bool disabled);
    bool IsPageEnabled(int page) const;
    bool IsPageVisible(int page) const;

    // Takes a control of a page: a child of the tab control, placed by the
    // caller, shown while its page is current (unless its definition hides it).
    void AddPageControl(int page, QWidget* control, bool visible);

private:
    struct PageControl {
        int page;
        QWidget* widget;
        bool visible;
    };

    void ShowPageControls();

    std::vector<TabPage> pages_;
    std::vector<PageControl> controls_;
};

}  // namespace quotexa
