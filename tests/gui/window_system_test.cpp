// The Qt window system's operations and events on the real main window, with
// every event recorded and routed nowhere else.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <functional>
#include <numeric>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "gui/qt_main_window.h"
#include "gui/user_input.h"
#include "ui/qt/browser_box.h"
#include "ui/qt/picture_label.h"
#include "ui/qt/status_bar.h"

namespace quotexa::gui_test {
namespace {

constexpr int kMemoryPage = 5;

class WindowSystemTest : public ::testing::Test {
protected:
    WindowSystemTest() {
        // The memory page, unlocked and on show, with three products listed.
        windows.SetPageDisabled(MainControl(main_window::kTabControl), kMemoryPage, false);
        ClickTab(main.Get<TabControl>(main_window::kTabControl), kMemoryPage);
        for (const char* price : {"399.00", "129.00", "299.00"}) {
            windows.SetItemText(list, windows.InsertItem(list), 0, price);
        }
    }

    int Picks() { return main.log().Count(list, EventKind::CurrentItemChanged); }

    QtMainWindow main{GuiTestVendor(), QtMainWindow::Events::RecordedOnly};
    QtWindowSystem& windows = main.windows();
    const ControlRef list = MainControl("内存列表框");
    ListView* view = main.Get<ListView>("内存列表框");
};

// ---- CurrentItemChanged ----

struct SelectionCase {
    const char* name;
    std::function<void(QtWindowSystem&, ListView*, const ControlRef&)> steps;
    int expectedEvents;
    int expectedCurrent;
};

void PrintTo(const SelectionCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class CurrentItemChangedTest : public WindowSystemTest,
                               public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(CurrentItemChangedTest, ReportedOnlyWhenTheUserMovesTheFocusToAnotherItem) {
    ASSERT_TRUE(view->isVisible());
    GetParam().steps(windows, view, list);
    EXPECT_EQ(Picks(), GetParam().expectedEvents);
    EXPECT_EQ(windows.GetCurrentItem(list), GetParam().expectedCurrent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrentItemChangedTest,
    ::testing::Values(
        SelectionCase{"FirstPick", [](auto&, auto* view, auto&) { ClickItem(view, 1); }, 1, 1},
        SelectionCase{"SameItemTwice",
                      [](auto&, auto* view, auto&) {
                          ClickItem(view, 1);
                          ClickItem(view, 1);
                      },
                      1, 1},
        SelectionCase{"AnotherItemAndBack",
                      [](auto&, auto* view, auto&) {
                          ClickItem(view, 1);
                          ClickItem(view, 2);
                          ClickItem(view, 1);
                      },
                      3, 1},
        SelectionCase{"ArrowKey",
                      [](auto&, auto* view, auto&) {
                          ClickItem(view, 0);
                          QTest::keyClick(view, Qt::Key_Down);
                      },
                      2, 1},
        // Qt would give the first item the focus as the list gets the
        // keyboard focus; then a click on that item would report nothing.
        SelectionCase{"KeyboardFocusThenFirstItem",
                      [](auto&, auto* view, auto&) {
                          view->setFocus(Qt::TabFocusReason);
                          QApplication::processEvents();
                          ClickItem(view, 0);
                      },
                      1, 0},
        SelectionCase{"KeyboardFocusAlone",
                      [](auto&, auto* view, auto&) {
                          view->setFocus(Qt::TabFocusReason);
                          QApplication::processEvents();
                      },
                      0, -1},
        // A click beside the items clears the selection but not the focus.
        SelectionCase{"EmptyAreaThenTheFocusedItem",
                      [](auto&, auto* view, auto&) {
                          ClickItem(view, 1);
                          Click(view->viewport(), {5, view->viewport()->height() - 5});
                          ASSERT_EQ(view->CurrentItem(), -1);
                          ClickItem(view, 1);
                      },
                      1, 1},
        SelectionCase{"DisabledList",
                      [](auto& windows, auto* view, auto& list) {
                          windows.SetDisabled(list, true);
                          ClickItem(view, 1);
                      },
                      0, -1},
        SelectionCase{"ReenabledList",
                      [](auto& windows, auto* view, auto& list) {
                          ClickItem(view, 1);
                          windows.SetDisabled(list, true);
                          ClickItem(view, 2);
                          windows.SetDisabled(list, false);
                          ClickItem(view, 1);
                      },
                      1, 1},
        SelectionCase{"DeleteAllItemsReportsNone",
                      [](auto& windows, auto* view, auto& list) {
                          ClickItem(view, 0);
                          windows.DeleteAllItems(list);
                      },
                      1, -1},
        SelectionCase{"FirstItemAgainAfterDeleteAllItems",
                      [](auto& windows, auto* view, auto& list) {
                          ClickItem(view, 0);
                          windows.DeleteAllItems(list);
                          windows.InsertItem(list);
                          ClickItem(view, 0);
                      },
                      2, 0},
        SelectionCase{"WindowBlockedByModalWindow",
                      [](auto& windows, auto* view, auto&) {
                          windows.OpenWindow(WindowId::InfoWindow, true);
                          ClickItem(view, 1);
                          windows.CloseWindow(WindowId::InfoWindow);
                      },
                      0, -1}),
    [](const auto& testCase) { return testCase.param.name; });

TEST_F(WindowSystemTest, HandlerFindsThePickedItemSelected) {
    std::vector<std::string> seen;
    main.log().OnEvent([&](const ControlRef& control, EventKind event) {
        if (control != list || event != EventKind::CurrentItemChanged) return;
        seen.push_back(windows.GetItemText(list, windows.GetCurrentItem(list), 0));
    });
    ClickItem(view, 2);
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(seen, (std::vector<std::string>{"299.00", "129.00"}));
}

TEST_F(WindowSystemTest, ListItemsAndTheirTexts) {
    const ControlRef products = MainControl("主板列表框");  // six columns, the last three hidden
    EXPECT_EQ(windows.GetCurrentItem(products), -1);
    EXPECT_EQ(windows.GetItemText(products, -1, 0), "");
    EXPECT_EQ(windows.InsertItem(products), 0);
    EXPECT_EQ(windows.InsertItem(products), 1);
    windows.SetItemText(products, 1, 0, "899.00");
    windows.SetItemText(products, 1, 5, "a");
    windows.SetItemText(products, 1, 6, "no such column");
    windows.SetItemText(products, 2, 0, "no such item");
    EXPECT_EQ(windows.GetItemText(products, 1, 0), "899.00");
    EXPECT_EQ(windows.GetItemText(products, 1, 5), "a");  // a hidden column holds its text
    EXPECT_EQ(windows.GetItemText(products, 1, 6), "");
    EXPECT_EQ(windows.GetItemText(products, 1, -1), "");
    EXPECT_EQ(windows.GetItemText(products, 2, 0), "");
    EXPECT_EQ(windows.GetItemCount(products), 2);
    // Items stay in insertion order, whatever their texts.
    EXPECT_EQ(windows.GetItemText(list, 0, 0), "399.00");
    EXPECT_EQ(windows.GetItemText(list, 1, 0), "129.00");
}

// ---- other events ----

TEST_F(WindowSystemTest, TypingReportsTextChangedButSetTextDoesNot) {
    const ControlRef quantity = MainControl("内存数量");
    auto* box = main.Get<QLineEdit>("内存数量");
    std::string seen;
    main.log().OnEvent([&](const ControlRef& control, EventKind event) {
        if (control == quantity && event == EventKind::TextChanged) seen = windows.GetText(control);
    });
    windows.SetText(quantity, "2");
    EXPECT_EQ(main.log().Count(quantity, EventKind::TextChanged), 0);
    TypeOver(box, "３");
    EXPECT_EQ(windows.GetText(quantity), "３");
    EXPECT_GE(main.log().Count(quantity, EventKind::TextChanged), 1);
    EXPECT_EQ(seen, "３");  // the handler finds the typed text in the box

    // A read-only box and a disabled one take no typing.
    TypeOver(main.Get<QWidget>("平台说明框"), "x");
    EXPECT_EQ(windows.GetText(MainControl("平台说明框")), "");
    windows.SetDisabled(quantity, true);
    const int before = main.log().Count(quantity, EventKind::TextChanged);
    Click(box);
    TypeOver(box, "5");
    EXPECT_EQ(main.log().Count(quantity, EventKind::TextChanged), before);
}

TEST_F(WindowSystemTest, ClicksAndDoubleClicksReachOnlyEnabledControls) {
    const ControlRef copy = MainControl("复制渠道价");
    const ControlRef model = MainControl("主板型号");
    Click(main.Get<QWidget>("复制渠道价"));
    windows.SetDisabled(copy, true);
    Click(main.Get<QWidget>("复制渠道价"));
    EXPECT_EQ(main.log().Count(copy, EventKind::Clicked), 1);
    windows.SetDisabled(copy, false);
    Click(main.Get<QWidget>("复制渠道价"));
    EXPECT_EQ(main.log().Count(copy, EventKind::Clicked), 2);

    Click(main.Get<QWidget>("主板型号"));
    EXPECT_EQ(main.log().Count(model, EventKind::DoubleClicked), 0);
    DoubleClick(main.Get<QWidget>("主板型号"));
    EXPECT_EQ(main.log().Count(model, EventKind::DoubleClicked), 1);
}

// ---- pictures, browser, status bar, pages ----

std::string PngBytes(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TEST_F(WindowSystemTest, PictureIsDecodedAndScaledToFitKeepingItsShape) {
    const ControlRef label = MainControl("标签5");  // the memory page's picture
    auto* picture = main.Get<PictureLabel>("标签5");
    ASSERT_NE(picture, nullptr);
    windows.SetPicture(label, PngBytes({40, 20}, Qt::red));
    ASSERT_FALSE(picture->Picture().isNull());
    EXPECT_EQ(picture->Picture().size(), QSize(40, 20));

    // 190 x 190 with a one-pixel border: the picture fills the width and a
    // centred band of half the height.
    const QImage shown = picture->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(95, 95)), QColor(Qt::red));
    EXPECT_EQ(QColor(shown.pixel(5, 60)), QColor(Qt::red));
    EXPECT_NE(QColor(shown.pixel(95, 20)), QColor(Qt::red));
    EXPECT_NE(QColor(shown.pixel(95, 170)), QColor(Qt::red));

    windows.SetPicture(label, "\x89PNG but no picture");
    EXPECT_TRUE(picture->Picture().isNull());
    windows.SetPicture(label, PngBytes({8, 8}, Qt::blue));
    windows.SetPicture(label, "");
    EXPECT_TRUE(picture->Picture().isNull());
    EXPECT_EQ(windows.GetText(label), "");
}

TEST_F(WindowSystemTest, BrowserStatusBarAndPagesOutOfRange) {
    auto* browser = main.Get<BrowserBox>("超文本浏览框1");
    EXPECT_EQ(browser->Address(), "http://127.0.0.1:9/zov_001.htm");
    windows.SetBrowserAddress(MainControl("超文本浏览框1"), "http://127.0.0.1:9/zov_tz.htm");
    EXPECT_EQ(browser->Address(), "http://127.0.0.1:9/zov_tz.htm");
    EXPECT_TRUE(
        WaitUntil([&] { return browser->url() == QUrl("http://127.0.0.1:9/zov_tz.htm"); }, 10s));

    const ControlRef status = MainControl("状态条");
    auto* bar = main.Get<StatusBar>("状态条");
    windows.SetStatusText(status, 0, "欢迎使用");
    windows.SetStatusText(status, 1, "第二部分");
    windows.SetStatusText(status, -1, "负数");
    EXPECT_EQ(bar->PartText(0), "欢迎使用");
    EXPECT_EQ(bar->PartText(1), "");

    auto* tabs = main.Get<TabControl>(main_window::kTabControl);
    windows.SetPageDisabled(MainControl(main_window::kTabControl), 14, false);
    windows.SetPageDisabled(MainControl(main_window::kTabControl), -1, false);
    EXPECT_EQ(tabs->count(), 14);
    EXPECT_FALSE(tabs->IsPageEnabled(6));
}

// ---- missing controls ----

struct MissingControlCase {
    const char* name;
    ControlRef control;
};

void PrintTo(const MissingControlCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class MissingControlTest : public WindowSystemTest,
                           public ::testing::WithParamInterface<MissingControlCase> {};

TEST_P(MissingControlTest, OperationsDoNothingAndReadEmpty) {
    const ControlRef& control = GetParam().control;
    windows.SetText(control, "x");
    windows.SetPicture(control, "bytes");
    windows.SetBrowserAddress(control, "http://x/");
    windows.SetItemText(control, 0, 0, "x");
    windows.DeleteAllItems(control);
    windows.SetPageDisabled(control, 0, true);
    windows.SetStatusText(control, 0, "x");
    EXPECT_EQ(windows.InsertItem(control), -1);
    EXPECT_EQ(windows.GetText(control), "");
    EXPECT_EQ(windows.GetItemText(control, 0, 0), "");
    EXPECT_EQ(windows.GetItemCount(control), 0);
    EXPECT_EQ(windows.GetCurrentItem(control), -1);
    EXPECT_FALSE(windows.ShowSaveDialog(control, {}).has_value());
    // Nothing was reported beyond the main window's Created.
    EXPECT_EQ(main.log().Events().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingControlTest,
                         ::testing::Values(MissingControlCase{"UnknownName", MainControl("没有")},
                                           MissingControlCase{"WindowNotOpen",
                                                              InfoControl("状态条")}),
                         [](const auto& testCase) { return testCase.param.name; });

TEST_F(WindowSystemTest, OperationsOnAControlOfAnotherKindChangeNothing) {
    const ControlRef button = MainControl("复制渠道价");
    EXPECT_EQ(windows.InsertItem(button), -1);
    EXPECT_EQ(windows.GetItemCount(button), 0);
    windows.SetStatusText(button, 0, "x");
    windows.SetBrowserAddress(button, "http://x/");
    windows.SetPicture(MainControl("超文本浏览框2"), "bytes");
    windows.SetPageDisabled(MainControl("内存列表框"), 0, true);
    EXPECT_EQ(windows.GetText(button), "复制渠道价");
    EXPECT_EQ(main.Get<BrowserBox>("超文本浏览框2")->Address(), "http://127.0.0.1:9/zov_zov.htm");
    // A save dialog needs the file dialog control: another one takes no answer.
    windows.Dialogs().QueueSaveDialogAnswer("/tmp/电脑配置单.txt");
    EXPECT_FALSE(windows.ShowSaveDialog(button, {}).has_value());
    EXPECT_FALSE(windows.Dialogs().LastSaveDialogSettings().has_value());
    EXPECT_EQ(windows.ShowSaveDialog(MainControl("通用对话框1"), {}), "/tmp/电脑配置单.txt");
}

// ---- windows ----

TEST_F(WindowSystemTest, ReopenedWindowStartsFromItsDefinitionWithStoredFlags) {
    const ControlRef info = WindowRef(WindowId::InfoWindow);
    const ControlRef notices = InfoControl("最新通知");
    // On a closed window the flag is kept for the next opening.
    windows.SetDisabled(notices, true);
    EXPECT_TRUE(windows.IsDisabledInDefinition(notices));

    windows.OpenWindow(WindowId::InfoWindow, false);
    windows.OpenWindow(WindowId::InfoWindow, false);  // already open: nothing happens
    EXPECT_EQ(main.log().Count(info, EventKind::Created), 1);
    EXPECT_FALSE(main.windows().Widget(notices)->isEnabled());
    windows.SetStatusText(InfoControl("状态条"), 0, "旧");
    // On the open window the flag takes effect at once, for this opening only.
    windows.SetDisabled(notices, false);
    EXPECT_TRUE(main.windows().Widget(notices)->isEnabled());

    windows.CloseWindow(WindowId::InfoWindow);
    EXPECT_EQ(windows.Window(WindowId::InfoWindow), nullptr);
    EXPECT_EQ(windows.Widget(notices), nullptr);
    windows.OpenWindow(WindowId::InfoWindow, false);
    EXPECT_EQ(main.log().Count(info, EventKind::Created), 2);
    EXPECT_EQ(main.Get<StatusBar>("状态条", WindowId::InfoWindow)->PartText(0), "");
    EXPECT_FALSE(main.windows().Widget(notices)->isEnabled());
    windows.CloseWindow(WindowId::InfoWindow);
}

TEST_F(WindowSystemTest, ModalWindowBlocksTheOthersAndClosingGivesBackTheirStates) {
    const ControlRef copy = MainControl("复制渠道价");
    const ControlRef save = MainControl("保存渠道价");
    windows.SetDisabled(save, true);
    windows.OpenWindow(WindowId::InfoWindow, true);
    QtWindow* info = windows.Window(WindowId::InfoWindow);
    EXPECT_EQ(QApplication::activeModalWidget(), info);

    Click(main.Get<QWidget>("复制渠道价"));
    DoubleClick(main.Get<QWidget>("主板型号"));
    Click(main.Get<QWidget>("返回", WindowId::InfoWindow));
    EXPECT_EQ(main.log().Count(copy, EventKind::Clicked), 0);
    EXPECT_EQ(main.log().Count(MainControl("主板型号"), EventKind::DoubleClicked), 0);
    EXPECT_EQ(main.log().Count(InfoControl("返回"), EventKind::Clicked), 1);
    // The logic still works on the blocked window.
    windows.SetText(MainControl("内存数量"), "6");
    EXPECT_EQ(windows.GetText(MainControl("内存数量")), "6");

    windows.CloseWindow(WindowId::InfoWindow);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    Click(main.Get<QWidget>("复制渠道价"));
    Click(main.Get<QWidget>("保存渠道价"));
    EXPECT_EQ(main.log().Count(copy, EventKind::Clicked), 1);
    EXPECT_EQ(main.log().Count(save, EventKind::Clicked), 0);  // its own state came back
}

// ---- threads ----

TEST_F(WindowSystemTest, EightWorkersCallingAtOnceAreServedOneAtATimeOnTheGuiThread) {
    constexpr int kWorkers = 8;
    constexpr int kItemsEach = 300;
    const ControlRef target = MainControl("键鼠列表框");
    std::vector<std::vector<int>> indices(kWorkers);
    std::vector<std::thread::id> runOn(kWorkers);
    std::atomic<int> textsRight = 0;
    for (int worker = 0; worker < kWorkers; ++worker) {
        windows.StartThread([&, worker] {
            const std::string mine = std::to_string(worker);
            for (int i = 0; i < kItemsEach; ++i) {
                const int index = windows.InsertItem(target);
                windows.SetItemText(target, index, 0, mine);
                windows.SetText(MainControl("键鼠数量"), mine);
                if (windows.GetItemText(target, index, 0) == mine) ++textsRight;
                indices[static_cast<std::size_t>(worker)].push_back(index);
            }
            windows.RunOnWindowThread(
                [&] { runOn[static_cast<std::size_t>(worker)] = std::this_thread::get_id(); });
        });
    }
    ASSERT_TRUE(main.WaitForWorkers(60s));

    std::vector<int> all;
    for (int worker = 0; worker < kWorkers; ++worker) {
        const auto& mine = indices[static_cast<std::size_t>(worker)];
        // One worker's calls are carried out in the order it made them.
        EXPECT_TRUE(std::is_sorted(mine.begin(), mine.end())) << worker;
        all.insert(all.end(), mine.begin(), mine.end());
        EXPECT_EQ(runOn[static_cast<std::size_t>(worker)], std::this_thread::get_id());
    }
    std::sort(all.begin(), all.end());
    std::vector<int> expected(kWorkers * kItemsEach);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(all, expected);
    EXPECT_EQ(textsRight, kWorkers * kItemsEach);
    EXPECT_EQ(windows.GetItemCount(target), kWorkers * kItemsEach);
}

TEST_F(WindowSystemTest, ExceptionOnTheGuiThreadReachesTheWorker) {
    std::atomic<bool> thrown = false;
    windows.StartThread([&] {
        try {
            windows.RunOnWindowThread([] { throw std::runtime_error("failed"); });
        } catch (const std::runtime_error&) {
            thrown = true;
        }
    });
    ASSERT_TRUE(main.WaitForWorkers(10s));
    EXPECT_TRUE(thrown);
    EXPECT_EQ(windows.InsertItem(list), 3);  // the GUI thread goes on working
}

// A message box runs a loop of its own: workers are served meanwhile.
TEST_F(WindowSystemTest, WorkersAreServedWhileAMessageBoxWaitsForTheUser) {
    std::atomic<int> inserted = 0;
    bool boxSeen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        boxSeen = true;
        EXPECT_EQ(box->windowTitle(), "信息：");
        EXPECT_EQ(box->text(), "请稍候");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->parentWidget(), nullptr);
        windows.StartThread([&] {
            for (int i = 0; i < 50; ++i) {
                windows.InsertItem(list);
                ++inserted;
            }
        });
        // The box waits until the worker is through, then the user presses OK.
        auto* poll = new QTimer(box);
        QObject::connect(poll, &QTimer::timeout, box, [&, box] {
            if (windows.RunningWorkers() == 0) box->button(QMessageBox::Ok)->click();
        });
        poll->start(10);
        QTimer::singleShot(20000, box, [box] { box->button(QMessageBox::Ok)->click(); });
    });
    windows.ShowMessageBox("请稍候");
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(inserted, 50);
    ASSERT_EQ(windows.Dialogs().MessageBoxes().size(), 1u);
    EXPECT_EQ(windows.Dialogs().MessageBoxes()[0], (RecordedMessageBox{"请稍候", "信息："}));
}

}  // namespace
}  // namespace quotexa::gui_test
