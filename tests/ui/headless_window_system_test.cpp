#include "ui/headless/headless_window_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <mutex>
#include <numeric>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ui/headless/headless_driver.h"

namespace quotexa {
namespace {

using namespace std::chrono_literals;

// A small pair of windows with one control of each kind the logic uses.
ControlDef Control(ControlKind kind, std::string name, std::vector<EventKind> events = {}) {
    ControlDef def;
    def.kind = kind;
    def.name = std::move(name);
    def.events = std::move(events);
    return def;
}

std::vector<WindowDef> SmallWindows() {
    WindowDef main;
    main.id = WindowId::MainWindow;
    main.caption = "主窗口";
    main.events = {EventKind::Created};

    ControlDef tabs = Control(ControlKind::TabControl, "选择夹");
    tabs.pages = {{"平台选择", true, true}, {"主板", true, false}, {"系统信息", false, true}};
    main.controls.push_back(tabs);

    ControlDef list = Control(ControlKind::ListView, "列表", {EventKind::CurrentItemChanged});
    list.page = 0;
    list.columns = {{"价 格", 55}, {"图片", 0}};
    main.controls.push_back(list);

    ControlDef fixedList = Control(ControlKind::ListView, "固定列表");
    fixedList.columns = {{"品牌选择", 120}};
    fixedList.items = {"已自动匹配"};
    main.controls.push_back(fixedList);

    main.controls.push_back(Control(ControlKind::ListView, "无事件列表"));

    ControlDef quantity = Control(ControlKind::EditBox, "数量框", {EventKind::TextChanged});
    quantity.text = "1";
    main.controls.push_back(quantity);

    ControlDef readOnly = Control(ControlKind::EditBox, "只读框", {EventKind::TextChanged});
    readOnly.readOnly = true;
    main.controls.push_back(readOnly);

    ControlDef onDisabledPage = Control(ControlKind::Button, "主板按钮", {EventKind::Clicked});
    onDisabledPage.page = 1;
    main.controls.push_back(onDisabledPage);

    ControlDef onHiddenPage = Control(ControlKind::EditBox, "端口框", {EventKind::TextChanged});
    onHiddenPage.page = 2;
    onHiddenPage.text = "3306";
    main.controls.push_back(onHiddenPage);

    ControlDef button = Control(ControlKind::Button, "按钮", {EventKind::Clicked});
    button.text = "复制渠道价";
    main.controls.push_back(button);

    ControlDef disabledButton = Control(ControlKind::Button, "禁用按钮", {EventKind::Clicked});
    disabledButton.disabled = true;
    main.controls.push_back(disabledButton);

    main.controls.push_back(Control(ControlKind::Label, "型号", {EventKind::DoubleClicked}));

    ControlDef browser = Control(ControlKind::BrowserBox, "浏览框");
    browser.text = "http://127.0.0.1:8080/zov_001.htm";
    main.controls.push_back(browser);

    main.controls.push_back(Control(ControlKind::StatusBar, "状态条"));

    ControlDef dialog = Control(ControlKind::FileDialog, "对话框");
    dialog.visible = false;
    main.controls.push_back(dialog);

    WindowDef info;
    info.id = WindowId::InfoWindow;
    info.events = {EventKind::Created};
    info.controls.push_back(Control(ControlKind::Button, "返回", {EventKind::Clicked}));
    info.controls.push_back(Control(ControlKind::Button, "最新通知", {EventKind::Clicked}));
    info.controls.push_back(Control(ControlKind::StatusBar, "状态条"));
    return {main, info};
}

struct RaisedEvent {
    ControlRef control;
    EventKind event;
    std::thread::id thread;
};

// Records every event; what a test adds to a particular event runs after.
class EventLog {
public:
    EventHandler Handler() {
        return [this](const ControlRef& control, EventKind event) {
            {
                std::lock_guard lock(mutex_);
                events_.push_back({control, event, std::this_thread::get_id()});
            }
            if (reaction_) reaction_(control, event);
        };
    }

    void OnEvent(EventHandler reaction) { reaction_ = std::move(reaction); }

    int Count(const ControlRef& control, EventKind event) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(events_.begin(), events_.end(), [&](const auto& e) {
            return e.control == control && e.event == event;
        }));
    }

    std::vector<RaisedEvent> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<RaisedEvent> events_;
    EventHandler reaction_;
};

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest() {
        windows.SetEventHandler(log.Handler());
        windows.OpenWindow(WindowId::MainWindow, false);
    }
    ~HeadlessTest() override { EXPECT_TRUE(driver.WaitForWorkers(10s)); }

    EventLog log;  // outlives the window system that calls it
    HeadlessWindowSystem windows{SmallWindows()};
    HeadlessDriver driver{windows};

    const ControlRef list = MainControl("列表");
};

// ---- concurrency ----

TEST_F(HeadlessTest, EightThreadsAppendingToOneListGetEveryIndexOnce) {
    constexpr int kThreads = 8;
    constexpr int kItemsEach = 1000;
    std::vector<std::vector<int>> indices(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kItemsEach; ++i) {
                const int index = windows.InsertItem(list);
                windows.SetItemText(list, index, 0, std::to_string(t));
                indices[static_cast<std::size_t>(t)].push_back(index);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();

    std::vector<int> all;
    for (int t = 0; t < kThreads; ++t) {
        const auto& mine = indices[static_cast<std::size_t>(t)];
        // One thread's calls are carried out in the order it made them.
        EXPECT_TRUE(std::is_sorted(mine.begin(), mine.end())) << "thread " << t;
        for (int index : mine) {
            // The text went to the item this thread was given.
            ASSERT_EQ(windows.GetItemText(list, index, 0), std::to_string(t)) << index;
        }
        all.insert(all.end(), mine.begin(), mine.end());
    }
    std::sort(all.begin(), all.end());
    std::vector<int> expected(kThreads * kItemsEach);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(all, expected);
    EXPECT_EQ(windows.GetItemCount(list), kThreads * kItemsEach);
}

TEST_F(HeadlessTest, OperationsFromOtherThreadsAreCarriedOutOnTheWindowThread) {
    std::thread::id fromTest;
    windows.RunOnWindowThread([&] { fromTest = std::this_thread::get_id(); });

    std::promise<std::pair<std::thread::id, std::thread::id>> fromWorker;  // worker, window
    windows.StartThread([&] {
        std::thread::id window;
        windows.RunOnWindowThread([&] { window = std::this_thread::get_id(); });
        fromWorker.set_value({std::this_thread::get_id(), window});
    });
    const auto [worker, windowSeenByWorker] = fromWorker.get_future().get();

    driver.Click(MainControl("按钮"));
    const std::vector<RaisedEvent> events = log.Events();
    ASSERT_FALSE(events.empty());

    EXPECT_NE(fromTest, std::this_thread::get_id());
    EXPECT_EQ(windowSeenByWorker, fromTest);
    EXPECT_NE(worker, fromTest);
    EXPECT_NE(worker, std::this_thread::get_id());
    for (const RaisedEvent& event : events) EXPECT_EQ(event.thread, fromTest);
}

TEST_F(HeadlessTest, EventHandlerCallingOperationsOnTheWindowThreadDoesNotBlock) {
    std::string textSeen;
    int indexSeen = -2;
    int countSeenInRoutine = -1;
    bool infoCreatedInside = false;
    log.OnEvent([&](const ControlRef& control, EventKind event) {
        if (control != MainControl("按钮") || event != EventKind::Clicked) return;
        windows.SetText(MainControl("数量框"), "7");
        textSeen = windows.GetText(MainControl("数量框"));
        indexSeen = windows.InsertItem(list);
        windows.RunOnWindowThread([&] { countSeenInRoutine = windows.GetItemCount(list); });
        // Opening a window raises its Created event inside this handler.
        windows.OpenWindow(WindowId::InfoWindow, true);
        infoCreatedInside = log.Count(WindowRef(WindowId::InfoWindow), EventKind::Created) == 1;
        windows.CloseWindow(WindowId::InfoWindow);
    });

    driver.Click(MainControl("按钮"));

    EXPECT_EQ(textSeen, "7");
    EXPECT_EQ(indexSeen, 0);
    EXPECT_EQ(countSeenInRoutine, 1);
    EXPECT_TRUE(infoCreatedInside);
    EXPECT_FALSE(driver.IsWindowOpen(WindowId::InfoWindow));
    EXPECT_TRUE(driver.IsWindowEnabled(WindowId::MainWindow));
}

TEST_F(HeadlessTest, ExceptionOnTheWindowThreadReachesTheCaller) {
    EXPECT_THROW(windows.RunOnWindowThread([] { throw std::runtime_error("failed"); }),
                 std::runtime_error);
    // The window thread goes on working.
    EXPECT_EQ(windows.InsertItem(list), 0);
}

TEST_F(HeadlessTest, WaitForWorkersReportsWhetherStartedWorkersHaveEnded) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> finished = 0;
    for (int i = 0; i < 3; ++i) {
        windows.StartThread([&, released] {
            released.wait();
            windows.InsertItem(list);  // workers call into the window system as they end
            ++finished;
        });
    }
    EXPECT_FALSE(driver.WaitForWorkers(20ms));
    release.set_value();
    EXPECT_TRUE(driver.WaitForWorkers(10s));
    EXPECT_EQ(finished, 3);
    EXPECT_EQ(windows.GetItemCount(list), 3);

    // On the window thread it only reports: that thread never waits for a worker.
    std::promise<void> releaseLast;
    windows.StartThread([&, done = releaseLast.get_future().share()] { done.wait(); });
    bool endedSeenOnWindowThread = true;
    windows.RunOnWindowThread([&] { endedSeenOnWindowThread = driver.WaitForWorkers(10s); });
    EXPECT_FALSE(endedSeenOnWindowThread);
    releaseLast.set_value();
}

// ---- list views and CurrentItemChanged ----

struct SelectionCase {
    const char* name;
    std::function<void(HeadlessWindowSystem&, HeadlessDriver&, const ControlRef&)> steps;
    int expectedEvents;
    int expectedCurrent;
};

void PrintTo(const SelectionCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class CurrentItemChangedTest : public HeadlessTest,
                               public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(CurrentItemChangedTest, RaisedOnlyWhenTheFocusMovesToAnotherItem) {
    for (int i = 0; i < 3; ++i) windows.InsertItem(list);
    GetParam().steps(windows, driver, list);
    EXPECT_EQ(log.Count(list, EventKind::CurrentItemChanged), GetParam().expectedEvents);
    EXPECT_EQ(windows.GetCurrentItem(list), GetParam().expectedCurrent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrentItemChangedTest,
    ::testing::Values(
        SelectionCase{"FirstPick",
                      [](auto&, auto& driver, auto& list) { driver.SelectItem(list, 1); }, 1, 1},
        SelectionCase{"SameItemTwice",
                      [](auto&, auto& driver, auto& list) {
                          driver.SelectItem(list, 1);
                          driver.SelectItem(list, 1);
                      },
                      1, 1},
        SelectionCase{"AnotherItem",
                      [](auto&, auto& driver, auto& list) {
                          driver.SelectItem(list, 1);
                          driver.SelectItem(list, 2);
                          driver.SelectItem(list, 1);
                      },
                      3, 1},
        SelectionCase{"DisabledList",
                      [](auto& windows, auto& driver, auto& list) {
                          windows.SetDisabled(list, true);
                          driver.SelectItem(list, 1);
                      },
                      0, -1},
        SelectionCase{"ReenabledList",
                      [](auto& windows, auto& driver, auto& list) {
                          driver.SelectItem(list, 1);
                          windows.SetDisabled(list, true);
                          driver.SelectItem(list, 2);
                          windows.SetDisabled(list, false);
                          driver.SelectItem(list, 1);
                      },
                      1, 1},
        SelectionCase{"DeleteAllItemsRaisesNone",
                      [](auto& windows, auto& driver, auto& list) {
                          driver.SelectItem(list, 0);
                          windows.DeleteAllItems(list);
                      },
                      1, -1},
        SelectionCase{"FirstItemAgainAfterDeleteAllItems",
                      [](auto& windows, auto& driver, auto& list) {
                          driver.SelectItem(list, 0);
                          windows.DeleteAllItems(list);
                          windows.InsertItem(list);
                          driver.SelectItem(list, 0);
                      },
                      2, 0},
        SelectionCase{"IndexOutOfRange",
                      [](auto&, auto& driver, auto& list) {
                          driver.SelectItem(list, 3);
                          driver.SelectItem(list, -1);
                      },
                      0, -1},
        SelectionCase{"WindowBlockedByModalWindow",
                      [](auto& windows, auto& driver, auto& list) {
                          windows.OpenWindow(WindowId::InfoWindow, true);
                          driver.SelectItem(list, 1);
                      },
                      0, -1}),
    [](const auto& testCase) { return testCase.param.name; });

TEST_F(HeadlessTest, ListWithoutTheEventStillTakesTheSelection) {
    const ControlRef unwired = MainControl("无事件列表");
    windows.InsertItem(unwired);
    windows.InsertItem(unwired);
    driver.SelectItem(unwired, 1);
    EXPECT_EQ(windows.GetCurrentItem(unwired), 1);
    EXPECT_EQ(log.Count(unwired, EventKind::CurrentItemChanged), 0);
    EXPECT_EQ(log.Events().size(), 1u);  // the main window's Created only
}

TEST_F(HeadlessTest, ListItemsAndTheirTexts) {
    // Nothing selected: the current item is -1 and its text is empty.
    EXPECT_EQ(windows.GetCurrentItem(list), -1);
    EXPECT_EQ(windows.GetItemText(list, -1, 0), "");

    EXPECT_EQ(windows.InsertItem(list), 0);
    EXPECT_EQ(windows.InsertItem(list), 1);
    windows.SetItemText(list, 1, 0, "899");
    windows.SetItemText(list, 1, 1, "a.jpg");
    windows.SetItemText(list, 1, 2, "no such column");
    windows.SetItemText(list, 5, 0, "no such item");

    EXPECT_EQ(windows.GetItemText(list, 1, 0), "899");
    EXPECT_EQ(windows.GetItemText(list, 1, 1), "a.jpg");  // a zero-width column holds text
    EXPECT_EQ(windows.GetItemText(list, 0, 0), "");
    EXPECT_EQ(windows.GetItemText(list, 1, 2), "");
    EXPECT_EQ(windows.GetItemText(list, 1, -1), "");
    EXPECT_EQ(windows.GetItemText(list, 2, 0), "");
    EXPECT_EQ(windows.GetItemCount(list), 2);

    driver.SelectItem(list, 1);
    EXPECT_EQ(windows.GetItemText(list, windows.GetCurrentItem(list), 0), "899");

    // Fixed items of the definition exist from the start; appending goes after them.
    const ControlRef fixed = MainControl("固定列表");
    EXPECT_EQ(windows.GetItemCount(fixed), 1);
    EXPECT_EQ(windows.GetItemText(fixed, 0, 0), "已自动匹配");
    EXPECT_EQ(windows.InsertItem(fixed), 1);
}

// ---- missing controls ----

struct MissingControlCase {
    const char* name;
    ControlRef control;
    bool openInfoWindow = false;
};

void PrintTo(const MissingControlCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class MissingControlTest : public HeadlessTest,
                           public ::testing::WithParamInterface<MissingControlCase> {};

TEST_P(MissingControlTest, OperationsDoNothingAndReadEmpty) {
    const ControlRef& control = GetParam().control;
    windows.SetText(control, "x");
    windows.SetDisabled(control, false);
    windows.SetPicture(control, "bytes");
    windows.SetBrowserAddress(control, "http://x/");
    windows.SetItemText(control, 0, 0, "x");
    windows.DeleteAllItems(control);
    windows.SetPageDisabled(control, 0, true);
    windows.SetStatusText(control, 0, "x");
    driver.Click(control);
    driver.DoubleClick(control);
    driver.TypeText(control, "x");
    driver.SelectItem(control, 0);

    EXPECT_EQ(windows.InsertItem(control), -1);
    EXPECT_EQ(windows.GetText(control), "");
    EXPECT_EQ(windows.GetItemText(control, 0, 0), "");
    EXPECT_EQ(windows.GetItemCount(control), 0);
    EXPECT_EQ(windows.GetCurrentItem(control), -1);
    EXPECT_EQ(driver.PictureBytes(control), "");
    EXPECT_EQ(driver.BrowserAddress(control), "");
    EXPECT_EQ(driver.StatusText(control, 0), "");
    EXPECT_FALSE(driver.IsPageEnabled(control, 0));
    EXPECT_FALSE(windows.ShowSaveDialog(control, {}).has_value());
    // Only the window's own Created event was raised.
    EXPECT_EQ(log.Events().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingControlTest,
                         ::testing::Values(MissingControlCase{"UnknownName", MainControl("没有")},
                                           MissingControlCase{"WindowNotOpen",
                                                              InfoControl("状态条")}),
                         [](const auto& testCase) { return testCase.param.name; });

TEST_F(HeadlessTest, OperationsOnAControlOfTheWrongKindChangeNothing) {
    const ControlRef button = MainControl("按钮");
    EXPECT_EQ(windows.InsertItem(button), -1);
    windows.SetStatusText(button, 0, "x");
    windows.SetBrowserAddress(button, "http://x/");
    windows.SetPicture(MainControl("浏览框"), "bytes");
    EXPECT_EQ(windows.GetText(button), "复制渠道价");
    EXPECT_EQ(driver.BrowserAddress(MainControl("浏览框")), "http://127.0.0.1:8080/zov_001.htm");
    EXPECT_EQ(driver.PictureBytes(MainControl("浏览框")), "");
    // A save dialog needs the FileDialog control: a wrong one consumes no answer.
    driver.QueueSaveDialogAnswer("/tmp/电脑配置单.txt");
    EXPECT_FALSE(windows.ShowSaveDialog(button, {}).has_value());
    EXPECT_FALSE(driver.LastSaveDialogSettings().has_value());
    EXPECT_EQ(windows.ShowSaveDialog(MainControl("对话框"), {}), "/tmp/电脑配置单.txt");
}

// ---- texts, pages, status bar, picture, browser ----

TEST_F(HeadlessTest, TypingRaisesTextChangedButTheLogicsSetTextDoesNot) {
    const ControlRef quantity = MainControl("数量框");
    EXPECT_EQ(windows.GetText(quantity), "1");
    windows.SetText(quantity, "2");
    EXPECT_EQ(windows.GetText(quantity), "2");
    EXPECT_EQ(log.Count(quantity, EventKind::TextChanged), 0);

    driver.TypeText(quantity, "３");
    EXPECT_EQ(windows.GetText(quantity), "３");
    EXPECT_EQ(log.Count(quantity, EventKind::TextChanged), 1);

    // The handler sees the typed text already in the box.
    std::string seen;
    log.OnEvent([&](const ControlRef& control, EventKind) { seen = windows.GetText(control); });
    driver.TypeText(quantity, "4");
    EXPECT_EQ(seen, "4");

    // The window's caption is the Text of the empty name.
    EXPECT_EQ(windows.GetText(WindowRef(WindowId::MainWindow)), "主窗口");
    windows.SetText(WindowRef(WindowId::MainWindow), "Quotexa V2.1大众版 [Marrowind]");
    EXPECT_EQ(windows.GetText(WindowRef(WindowId::MainWindow)), "Quotexa V2.1大众版 [Marrowind]");
}

struct InputCase {
    const char* name;
    std::function<void(HeadlessWindowSystem&, HeadlessDriver&)> input;
    ControlRef control;
    EventKind event;
    int expectedEvents;
};

void PrintTo(const InputCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class UserInputTest : public HeadlessTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(UserInputTest, ReachesOnlyWhatTheUserCanReach) {
    GetParam().input(windows, driver);
    EXPECT_EQ(log.Count(GetParam().control, GetParam().event), GetParam().expectedEvents);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserInputTest,
    ::testing::Values(
        InputCase{"ClickButton", [](auto&, auto& d) { d.Click(MainControl("按钮")); },
                  MainControl("按钮"), EventKind::Clicked, 1},
        InputCase{"ClickDisabledButton", [](auto&, auto& d) { d.Click(MainControl("禁用按钮")); },
                  MainControl("禁用按钮"), EventKind::Clicked, 0},
        InputCase{"ClickButtonEnabledByTheLogic",
                  [](auto& w, auto& d) {
                      w.SetDisabled(MainControl("禁用按钮"), false);
                      d.Click(MainControl("禁用按钮"));
                  },
                  MainControl("禁用按钮"), EventKind::Clicked, 1},
        InputCase{"ClickOnDisabledPage", [](auto&, auto& d) { d.Click(MainControl("主板按钮")); },
                  MainControl("主板按钮"), EventKind::Clicked, 0},
        InputCase{"ClickOnPageEnabledByTheLogic",
                  [](auto& w, auto& d) {
                      w.SetPageDisabled(MainControl("选择夹"), 1, false);
                      d.Click(MainControl("主板按钮"));
                  },
                  MainControl("主板按钮"), EventKind::Clicked, 1},
        InputCase{"TypeOnHiddenPage",
                  [](auto&, auto& d) { d.TypeText(MainControl("端口框"), "1"); },
                  MainControl("端口框"), EventKind::TextChanged, 0},
        InputCase{"TypeIntoReadOnlyBox",
                  [](auto&, auto& d) { d.TypeText(MainControl("只读框"), "x"); },
                  MainControl("只读框"), EventKind::TextChanged, 0},
        InputCase{"TypeIntoDisabledBox",
                  [](auto& w, auto& d) {
                      w.SetDisabled(MainControl("数量框"), true);
                      d.TypeText(MainControl("数量框"), "2");
                  },
                  MainControl("数量框"), EventKind::TextChanged, 0},
        InputCase{"DoubleClickLabel", [](auto&, auto& d) { d.DoubleClick(MainControl("型号")); },
                  MainControl("型号"), EventKind::DoubleClicked, 1},
        InputCase{"ClickIsNoDoubleClick", [](auto&, auto& d) { d.Click(MainControl("型号")); },
                  MainControl("型号"), EventKind::DoubleClicked, 0},
        InputCase{"ClickUnderModalWindow",
                  [](auto& w, auto& d) {
                      w.OpenWindow(WindowId::InfoWindow, true);
                      d.Click(MainControl("按钮"));
                  },
                  MainControl("按钮"), EventKind::Clicked, 0}),
    [](const auto& testCase) { return testCase.param.name; });

TEST_F(HeadlessTest, TypingIsIgnoredWhereTheUserCannotTypeAndTheTextStays) {
    driver.TypeText(MainControl("端口框"), "3333");
    driver.TypeText(MainControl("只读框"), "x");
    EXPECT_EQ(windows.GetText(MainControl("端口框")), "3306");
    EXPECT_EQ(windows.GetText(MainControl("只读框")), "");
    // The logic still reads and writes a hidden page's boxes.
    windows.SetText(MainControl("端口框"), "3333");
    EXPECT_EQ(windows.GetText(MainControl("端口框")), "3333");
}

TEST_F(HeadlessTest, PagesAndStatusPartsOutOfRangeChangeNothing) {
    const ControlRef tabs = MainControl("选择夹");
    windows.SetPageDisabled(tabs, 3, false);
    windows.SetPageDisabled(tabs, -1, true);
    EXPECT_TRUE(driver.IsPageEnabled(tabs, 0));
    EXPECT_FALSE(driver.IsPageEnabled(tabs, 1));
    EXPECT_TRUE(driver.IsPageEnabled(tabs, 2));
    EXPECT_FALSE(driver.IsPageEnabled(tabs, 3));

    windows.SetPageDisabled(tabs, 0, false);  // already enabled
    windows.SetPageDisabled(tabs, 1, false);
    EXPECT_TRUE(driver.IsPageEnabled(tabs, 0));
    EXPECT_TRUE(driver.IsPageEnabled(tabs, 1));
    EXPECT_TRUE(driver.IsPageVisible(tabs, 1));
    EXPECT_FALSE(driver.IsPageVisible(tabs, 2));

    const ControlRef status = MainControl("状态条");
    windows.SetStatusText(status, 0, "欢迎使用");
    windows.SetStatusText(status, 1, "第二部分");
    windows.SetStatusText(status, -1, "负数");
    EXPECT_EQ(driver.StatusText(status, 0), "欢迎使用");
    EXPECT_EQ(driver.StatusText(status, 1), "");
}

TEST_F(HeadlessTest, PictureBytesAndBrowserAddress) {
    const ControlRef label = MainControl("型号");
    const std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    windows.SetPicture(label, bytes);
    EXPECT_EQ(driver.PictureBytes(label), bytes);
    windows.SetPicture(label, "");
    EXPECT_EQ(driver.PictureBytes(label), "");

    const ControlRef browser = MainControl("浏览框");
    EXPECT_EQ(driver.BrowserAddress(browser), "http://127.0.0.1:8080/zov_001.htm");
    windows.SetBrowserAddress(browser, "http://127.0.0.1:8080/zov_tz.htm");
    EXPECT_EQ(driver.BrowserAddress(browser), "http://127.0.0.1:8080/zov_tz.htm");
}

// ---- windows ----

TEST_F(HeadlessTest, CreatedIsRaisedOncePerOpeningWithTheControlsInPlace) {
    const ControlRef info = WindowRef(WindowId::InfoWindow);
    std::vector<std::string> statusSeen;
    log.OnEvent([&](const ControlRef& control, EventKind event) {
        if (control != info || event != EventKind::Created) return;
        windows.SetStatusText(InfoControl("状态条"), 0, "状态");
        statusSeen.push_back(driver.StatusText(InfoControl("状态条"), 0));
    });

    windows.OpenWindow(WindowId::InfoWindow, false);
    windows.OpenWindow(WindowId::InfoWindow, false);  // already open: nothing happens
    EXPECT_EQ(log.Count(info, EventKind::Created), 1);
    windows.CloseWindow(WindowId::InfoWindow);
    EXPECT_FALSE(driver.IsWindowOpen(WindowId::InfoWindow));
    EXPECT_EQ(driver.StatusText(InfoControl("状态条"), 0), "");  // destroyed with the window
    windows.OpenWindow(WindowId::InfoWindow, true);

    EXPECT_EQ(log.Count(info, EventKind::Created), 2);
    EXPECT_EQ(statusSeen, (std::vector<std::string>{"状态", "状态"}));
    EXPECT_EQ(log.Count(WindowRef(WindowId::MainWindow), EventKind::Created), 1);
}

TEST_F(HeadlessTest, ReopenedWindowStartsFromItsDefinition) {
    windows.OpenWindow(WindowId::InfoWindow, false);
    windows.SetStatusText(InfoControl("状态条"), 0, "旧");
    windows.CloseWindow(WindowId::InfoWindow);
    windows.OpenWindow(WindowId::InfoWindow, false);
    EXPECT_EQ(driver.StatusText(InfoControl("状态条"), 0), "");
}

TEST_F(HeadlessTest, SetDisabledOnAClosedWindowAppliesAtTheNextOpening) {
    const ControlRef notices = InfoControl("最新通知");
    const ControlRef back = InfoControl("返回");
    windows.SetDisabled(notices, true);
    windows.SetDisabled(back, false);
    EXPECT_TRUE(driver.IsDisabled(notices));  // kept with the definition

    windows.OpenWindow(WindowId::InfoWindow, true);
    EXPECT_TRUE(driver.IsDisabled(notices));
    EXPECT_FALSE(driver.IsDisabled(back));
    driver.Click(notices);
    driver.Click(back);
    EXPECT_EQ(log.Count(notices, EventKind::Clicked), 0);
    EXPECT_EQ(log.Count(back, EventKind::Clicked), 1);

    // On the open window the flag takes effect at once, for this opening only.
    windows.SetDisabled(notices, false);
    EXPECT_FALSE(driver.IsDisabled(notices));
    windows.CloseWindow(WindowId::InfoWindow);
    windows.OpenWindow(WindowId::InfoWindow, true);
    EXPECT_TRUE(driver.IsDisabled(notices));
}

TEST_F(HeadlessTest, ModalWindowBlocksTheOthersAndClosingGivesBackTheirState) {
    windows.SetDisabled(MainControl("按钮"), true);  // a control-level state of the main window
    windows.OpenWindow(WindowId::InfoWindow, true);
    EXPECT_FALSE(driver.IsWindowEnabled(WindowId::MainWindow));
    EXPECT_TRUE(driver.IsWindowEnabled(WindowId::InfoWindow));
    driver.DoubleClick(MainControl("型号"));
    driver.TypeText(MainControl("数量框"), "5");
    driver.Click(InfoControl("返回"));
    EXPECT_EQ(log.Count(MainControl("型号"), EventKind::DoubleClicked), 0);
    EXPECT_EQ(windows.GetText(MainControl("数量框")), "1");
    EXPECT_EQ(log.Count(InfoControl("返回"), EventKind::Clicked), 1);
    // The logic still works on the blocked window.
    windows.SetText(MainControl("数量框"), "6");
    EXPECT_EQ(windows.GetText(MainControl("数量框")), "6");

    windows.CloseWindow(WindowId::InfoWindow);
    EXPECT_TRUE(driver.IsWindowEnabled(WindowId::MainWindow));
    EXPECT_TRUE(driver.IsDisabled(MainControl("按钮")));
    driver.Click(MainControl("按钮"));
    driver.DoubleClick(MainControl("型号"));
    EXPECT_EQ(log.Count(MainControl("按钮"), EventKind::Clicked), 0);
    EXPECT_EQ(log.Count(MainControl("型号"), EventKind::DoubleClicked), 1);
}

TEST_F(HeadlessTest, ClosingTheModalWindowGivesBackADisabledWindowDisabled) {
    windows.SetDisabled(WindowRef(WindowId::MainWindow), true);
    windows.OpenWindow(WindowId::InfoWindow, true);
    windows.CloseWindow(WindowId::InfoWindow);
    EXPECT_FALSE(driver.IsWindowEnabled(WindowId::MainWindow));
    windows.SetDisabled(WindowRef(WindowId::MainWindow), false);
    EXPECT_TRUE(driver.IsWindowEnabled(WindowId::MainWindow));
}

TEST_F(HeadlessTest, WindowOpenedUnderAModalWindowIsBlockedUntilItCloses) {
    windows.CloseWindow(WindowId::MainWindow);
    windows.OpenWindow(WindowId::InfoWindow, true);
    windows.OpenWindow(WindowId::MainWindow, false);
    EXPECT_FALSE(driver.IsWindowEnabled(WindowId::MainWindow));
    windows.CloseWindow(WindowId::InfoWindow);
    EXPECT_TRUE(driver.IsWindowEnabled(WindowId::MainWindow));
    EXPECT_FALSE(driver.IsWindowEnabled(WindowId::InfoWindow));  // closed
}

// ---- clipboard, save dialog, message boxes ----

TEST_F(HeadlessTest, ClipboardHoldsTheLastTextWhole) {
    windows.SetClipboardText("第一\r\n");
    windows.SetClipboardText("主  板：\r\n合计");
    EXPECT_EQ(driver.Clipboard(), "主  板：\r\n合计");
}

TEST_F(HeadlessTest, SaveDialogsTakeTheQueuedAnswersInOrderAndCancelWithoutOne) {
    const ControlRef dialog = MainControl("对话框");
    SaveDialogSettings settings;
    settings.title = "请选择保存位置及路径";
    settings.filters = {{"文本文件(*.txt)", "*.txt"}, {"所有文件(*.*)", "*.*"}};
    settings.defaultExtension = "txt";
    settings.initialFolder = "/home/user";
    settings.proposedName = "电脑配置单";

    driver.QueueSaveDialogAnswer("/home/user/电脑配置单.txt");
    driver.QueueSaveDialogAnswer(std::nullopt);
    driver.QueueSaveDialogAnswer("/home/user/b.txt");
    EXPECT_EQ(windows.ShowSaveDialog(dialog, settings), "/home/user/电脑配置单.txt");
    EXPECT_EQ(windows.ShowSaveDialog(dialog, settings), std::nullopt);
    EXPECT_EQ(windows.ShowSaveDialog(dialog, settings), "/home/user/b.txt");
    EXPECT_EQ(windows.ShowSaveDialog(dialog, settings), std::nullopt);

    const std::optional<SaveDialogSettings> shown = driver.LastSaveDialogSettings();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->title, settings.title);
    ASSERT_EQ(shown->filters.size(), 2u);
    EXPECT_EQ(shown->filters[0].description, "文本文件(*.txt)");
    EXPECT_EQ(shown->filters[1].pattern, "*.*");
    EXPECT_EQ(shown->defaultExtension, "txt");
    EXPECT_EQ(shown->initialFolder, "/home/user");
    EXPECT_EQ(shown->proposedName, "电脑配置单");
}

TEST_F(HeadlessTest, MessageBoxesAreRecordedAndConsumeAQueuedAnswer) {
    driver.QueueMessageBoxAnswer();
    windows.ShowMessageBox("复制成功，可将清单粘贴到记事本。", "复制成功");
    EXPECT_EQ(driver.QueuedMessageBoxAnswers(), 0);
    windows.ShowMessageBox("文件保存失败,请检查是否对目标磁盘的写权限!");  // no answer queued
    const std::vector<ShownMessageBox> expected = {
        {"复制成功，可将清单粘贴到记事本。", "复制成功"},
        {"文件保存失败,请检查是否对目标磁盘的写权限!", "信息："},
    };
    EXPECT_EQ(driver.MessageBoxes(), expected);
}

}  // namespace
}  // namespace quotexa
