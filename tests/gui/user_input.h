// The user's hands on real widgets: mouse clicks go through the window
// system's input path (so a window blocked by a modal one takes none, and a
// click lands on whatever is at that point), keys go to the widget.
#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWidget>

#include "ui/qt/list_view.h"
#include "ui/qt/tab_control.h"

namespace quotexa::gui_test {

inline void Click(QWidget* widget, QPoint at = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                      at.isNull() ? widget->rect().center() : at);
}

inline void DoubleClick(QWidget* widget) {
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// A click on the item's first visible cell.
inline void ClickItem(ListView* list, int item) {
    const QModelIndex cell = list->model()->index(item, 0);
    list->scrollTo(cell);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(cell).center());
}

inline void ClickTab(TabControl* tabs, int page) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, Qt::NoModifier,
                      tabs->tabBar()->tabRect(page).center());
}

// Selects the box's whole text and types the new one over it: ASCII key by
// key, other characters as an input method commits them.
inline void TypeOver(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
        return;
    }
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClicks(box, QString(character));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(character));
            QApplication::sendEvent(box, &commit);
        }
    }
}

}  // namespace quotexa::gui_test
