#include "ui/qt/list_view.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPalette>
#include <algorithm>

#include "ui/qt/control_style.h"
#include "ui/qt/qt_text.h"

namespace quotexa {

namespace {

// Scoped flag: set while the object lives.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = previous_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

QTableWidgetItem* NewCell() {
    auto* cell = new QTableWidgetItem();
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);  // never edited in place
    return cell;
}

}  // namespace

ListView::ListView(const ControlDef& def, QWidget* parent) : QTableWidget(parent) {
    ApplyControlStyle(*this, def);
    columnCount_ = std::max<int>(1, static_cast<int>(def.columns.size()));
    setColumnCount(columnCount_);

    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    for (int column = 0; column < static_cast<int>(def.columns.size()); ++column) {
        const ListColumn& layout = def.columns[static_cast<std::size_t>(column)];
        setHorizontalHeaderItem(column, new QTableWidgetItem(ToQString(layout.title)));
        setColumnWidth(column, layout.width);
        // A zero-width column carries data for the logic and shows nothing.
        if (layout.width == 0) setColumnHidden(column, true);
    }

    // The selection keeps its colours when the list loses the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);

    for (const std::string& fixed : def.items) {
        const int item = InsertItem();
        SetItemText(item, 0, fixed);
    }

    connect(
        selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current, const QModelIndex&) { OnCurrentRowChanged(current); });
}

int ListView::InsertItem() {
    FlagScope logic(logicAtWork_);
    const int item = rowCount();
    insertRow(item);
    for (int column = 0; column < columnCount_; ++column) setItem(item, column, NewCell());
    return item;
}

void ListView::SetItemText(int item, int column, std::string_view text) {
    if (item < 0 || item >= rowCount() || column < 0 || column >= columnCount_) return;
    FlagScope logic(logicAtWork_);
    if (QTableWidgetItem* cell = this->item(item, column)) cell->setText(ToQString(text));
}

std::string ListView::GetItemText(int item, int column) const {
    if (item < 0 || item >= rowCount() || column < 0 || column >= columnCount_) return {};
    const QTableWidgetItem* cell = this->item(item, column);
    return cell == nullptr ? std::string() : ToUtf8(cell->text());
}

void ListView::DeleteAllItems() {
    FlagScope logic(logicAtWork_);
    setRowCount(0);
    // The next item the user picks gets the focus anew, whatever its index.
    selectionModel()->clearCurrentIndex();
    focusMoved_ = false;
}

int ListView::CurrentItem() const {
    int first = -1;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        if (first < 0 || index.row() < first) first = index.row();
    }
    return first;
}

void ListView::PickItem(int item) {
    if (item < 0 || item >= rowCount() || !isEnabled() || !isVisible()) return;
    setCurrentIndex(model()->index(item, 0));
    ReportFocusMove();
}

void ListView::OnCurrentRowChanged(const QModelIndex& current) {
    // Only the user moves the focus; a list that has lost its items has none.
    if (logicAtWork_ || gettingFocus_ || !current.isValid()) {
        focusMoved_ = false;
        return;
    }
    focusMoved_ = true;
}

void ListView::ReportFocusMove() {
    if (!focusMoved_) return;
    focusMoved_ = false;
    if (isEnabled() && onCurrentItemChanged_) onCurrentItemChanged_();
}

bool ListView::event(QEvent* event) {
    // The list may be gone once a deferred deletion has been handled.
    if (event->type() == QEvent::DeferredDelete) return QTableWidget::event(event);
    const bool handled = QTableWidget::event(event);
    ReportFocusMove();  // keys: the selection has followed the focus by now
    return handled;
}

bool ListView::viewportEvent(QEvent* event) {
    const bool handled = QTableWidget::viewportEvent(event);
    ReportFocusMove();  // clicks: the selection has followed the focus by now
    return handled;
}

void ListView::focusInEvent(QFocusEvent* event) {
    const bool hadFocusItem = currentIndex().isValid();
    {
        FlagScope focus(gettingFocus_);
        QTableWidget::focusInEvent(event);
    }
    // Qt gives the first item the focus when the list gets the keyboard focus
    // without one; here an item gets the focus only when the user picks it, so
    // that picking the first item reports it.
    if (!hadFocusItem && currentIndex().isValid() && CurrentItem() < 0) {
        FlagScope logic(logicAtWork_);
        selectionModel()->clearCurrentIndex();
    }
}

}  // namespace quotexa
