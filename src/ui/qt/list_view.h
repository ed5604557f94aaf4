// A report-style list view: a header whose buttons do not react, one
// selected item at a time selected as a whole row, grid lines, a selection
// that stays visible without the focus, items in insertion order, no editing,
// and zero-width columns that hold text without showing it.
//
// Its one event tells that the focus moved to another item by the user's
// click or key: never for the item that already has the focus, never when the
// logic removes the items, never from a disabled list. It is reported once
// the user's input has been handled, so the handler finds the new item
// selected.
#pragma once

#include <QTableWidget>
#include <functional>
#include <string>
#include <string_view>

#include "ui/control_model.h"

namespace quotexa {

class ListView final : public QTableWidget {
public:
    ListView(const ControlDef& def, QWidget* parent);

    void SetCurrentItemChangedHandler(std::function<void()> handler) {
        onCurrentItemChanged_ = std::move(handler);
    }

    // The logic's operations; none of them reports an event.
    int InsertItem();
    void SetItemText(int item, int column, std::string_view text);
    std::string GetItemText(int item, int column) const;
    int ItemCount() const { return rowCount(); }
    void DeleteAllItems();
    // The first selected item, or -1.
    int CurrentItem() const;

    // Makes the item current and selected as a click on it would; nothing
    // when the user could not click it (disabled, or not on show).
    void PickItem(int item);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void OnCurrentRowChanged(const QModelIndex& current);
    // Reports a focus move the input just handled made, if any.
    void ReportFocusMove();

    int columnCount_ = 1;
    bool logicAtWork_ = false;   // the logic is changing the items
    bool focusMoved_ = false;    // a focus move waits to be reported
    bool gettingFocus_ = false;  // Qt is giving the list the keyboard focus
    std::function<void()> onCurrentItemChanged_;
};

}  // namespace quotexa
