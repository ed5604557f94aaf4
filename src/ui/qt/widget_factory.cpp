#include "ui/qt/widget_factory.h"

#include <QPushButton>

#include "ui/qt/browser_box.h"
#include "ui/qt/control_style.h"
#include "ui/qt/edit_box.h"
#include "ui/qt/list_view.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/status_bar.h"
#include "ui/qt/tab_control.h"

namespace quotexa {

namespace {

QWidget* CreateButton(const ControlDef& def, QWidget* parent, const RaiseEvent& raise) {
    auto* button = new QPushButton(ToQString(def.text), parent);
    ApplyControlStyle(*button, def);
    button->setAutoDefault(false);
    if (def.HasEvent(EventKind::Clicked)) {
        QObject::connect(button, &QPushButton::clicked, button,
                         [raise] { raise(EventKind::Clicked); });
    }
    return button;
}

QWidget* CreateLabel(const ControlDef& def, QWidget* parent, const RaiseEvent& raise) {
    auto* label = new PictureLabel(def, parent);
    if (def.HasEvent(EventKind::DoubleClicked)) {
        label->SetDoubleClickHandler([raise] { raise(EventKind::DoubleClicked); });
    }
    return label;
}

QWidget* CreateEditBox(const ControlDef& def, QWidget* parent, const RaiseEvent& raise) {
    const bool reportsTyping = def.HasEvent(EventKind::TextChanged);
    if (def.multiLine) {
        auto* box = new MultiLineEditBox(def, parent);
        if (reportsTyping) box->SetTextChangedHandler([raise] { raise(EventKind::TextChanged); });
        return box;
    }
    auto* box = new LineEditBox(def, parent);
    if (reportsTyping) box->SetTextChangedHandler([raise] { raise(EventKind::TextChanged); });
    return box;
}

QWidget* CreateListView(const ControlDef& def, QWidget* parent, const RaiseEvent& raise) {
    auto* list = new ListView(def, parent);
    if (def.HasEvent(EventKind::CurrentItemChanged)) {
        list->SetCurrentItemChangedHandler([raise] { raise(EventKind::CurrentItemChanged); });
    }
    return list;
}

}  // namespace

QWidget* CreateControlWidget(const ControlDef& def, QWidget* parent, const RaiseEvent& raise) {
    switch (def.kind) {
        case ControlKind::Button:
            return CreateButton(def, parent, raise);
        case ControlKind::Label:
        case ControlKind::TransparentLabel:
            return CreateLabel(def, parent, raise);
        case ControlKind::EditBox:
            return CreateEditBox(def, parent, raise);
        case ControlKind::ListView:
            return CreateListView(def, parent, raise);
        case ControlKind::TabControl:
            return new TabControl(def, parent);
        case ControlKind::BrowserBox:
            return new BrowserBox(def, parent);
        case ControlKind::StatusBar:
            return new StatusBar(def, parent);
        case ControlKind::Window:
        case ControlKind::FileDialog:
            return nullptr;
    }
    return nullptr;
}

}  // namespace quotexa
