#include "app/desktop/screenshot_run.h"

#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <cstdio>

#include "catalogue/category_table.h"
#include "quote/conversions.h"
#include "ui/main_window_layout.h"
#include "ui/qt/edit_box.h"
#include "ui/qt/list_view.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_window_system.h"
#include "ui/qt/tab_control.h"

namespace quotexa {

namespace {

using namespace std::chrono_literals;

// How long one step may wait, e.g. for the lists of an unreachable catalogue.
constexpr std::chrono::milliseconds kStepBound = 30s;
constexpr std::chrono::milliseconds kPollInterval = 100ms;

// The retail price a demo quote asks: the channel price and a little more.
constexpr double kDemoMargin = 1.08;

}  // namespace

ScreenshotRun::ScreenshotRun(QtWindowSystem& windows, std::string path,
                             std::chrono::milliseconds delay, bool demoPicks,
                             std::function<void(bool saved)> done)
    : windows_(windows), path_(std::move(path)), delay_(delay), done_(std::move(done)) {
    const auto list = [this](std::string_view name) {
        return dynamic_cast<ListView*>(windows_.Widget(MainControl(name)));
    };
    const auto tabs = [this] {
        return dynamic_cast<TabControl*>(windows_.Widget(MainControl(main_window::kTabControl)));
    };
    // The start-up loaders have filled their lists and unlocked their pages.
    steps_.push_back({[list, tabs] {
                          const ListView* platforms = list(main_window::kPlatformList);
                          if (platforms == nullptr || platforms->ItemCount() == 0) return false;
                          for (const CategoryInfo& info : CategoryTable) {
                              if (info.brandSource != BrandSource::StartupLoader) continue;
                              const ListView* brands = list(info.brandList);
                              if (brands == nullptr || brands->ItemCount() == 0 ||
                                  !tabs()->IsPageEnabled(info.pageIndex)) {
                                  return false;
                              }
                          }
                          return true;
                      },
                      [] {}});
    if (demoPicks) AddDemoPicks();
    poll_.setInterval(static_cast<int>(kPollInterval.count()));
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { Poll(); });
}

void ScreenshotRun::AddDemoPicks() {
    const auto list = [this](std::string_view name) {
        return dynamic_cast<ListView*>(windows_.Widget(MainControl(name)));
    };
    const auto tabs = [this] {
        return dynamic_cast<TabControl*>(windows_.Widget(MainControl(main_window::kTabControl)));
    };
    // The user's way to a list: its page first, then a click on the item.
    const auto pick = [list, tabs](int page, std::string_view name, int item) {
        tabs()->setCurrentIndex(page);
        if (ListView* view = list(name)) view->PickItem(item);
    };
    const auto idle = [list](std::string_view name) {
        const ListView* view = list(name);
        return view != nullptr && view->isEnabled();
    };
    const auto filled = [list](std::string_view name) {
        const ListView* view = list(name);
        return view != nullptr && view->ItemCount() > 0;
    };
    const CategoryInfo& board = Info(ComponentCategory::Motherboard);
    const CategoryInfo& cpu = Info(ComponentCategory::Cpu);

    steps_.push_back({[] { return true; },
                      [pick] { pick(main_window::kPlatformPage, main_window::kPlatformList, 0); }});
    steps_.push_back({[=] {
                          return idle(main_window::kPlatformList) && filled(board.brandList) &&
                                 tabs()->IsPageEnabled(board.pageIndex) &&
                                 tabs()->IsPageEnabled(cpu.pageIndex);
                      },
                      [=] { pick(board.pageIndex, board.brandList, 0); }});
    steps_.push_back({[=] { return idle(board.brandList) && filled(board.productList); },
                      [=] {
                          pick(board.pageIndex, board.productList, 0);
                          pick(cpu.pageIndex, cpu.productList, 0);
                      }});
    for (const CategoryInfo& info : CategoryTable) {
        if (info.brandSource != BrandSource::StartupLoader) continue;
        steps_.push_back({[] { return true; }, [=] { pick(info.pageIndex, info.brandList, 0); }});
        steps_.push_back({[=] { return idle(info.brandList); },
                          [=] { pick(info.pageIndex, info.productList, 0); }});
    }
    // Retail prices typed into the grid, then the motherboard's page on show.
    steps_.push_back(
        {[] { return true; },
         [this, tabs, board] {
             for (const CategoryInfo& info : CategoryTable) {
                 const double channel =
                     TextToNumber(windows_.GetText(MainControl(info.channelPriceLabel)));
                 auto* box =
                     dynamic_cast<LineEditBox*>(windows_.Widget(MainControl(info.retailPriceBox)));
                 if (channel <= 0 || box == nullptr) continue;
                 box->setFocus();
                 box->selectAll();
                 box->insert(ToQString(NumberToText(std::round(channel * kDemoMargin))));
             }
             tabs()->setCurrentIndex(board.pageIndex);
         }});
}

void ScreenshotRun::Start() {
    stepStarted_ = std::chrono::steady_clock::now();
    poll_.start();
}

void ScreenshotRun::Poll() {
    while (!steps_.empty()) {
        Step& step = steps_.front();
        if (!step.ready()) {
            if (std::chrono::steady_clock::now() - stepStarted_ < kStepBound) return;
            std::fprintf(stderr, "quotexa: screenshot: waited %lld s in vain, taking it as it is\n",
                         static_cast<long long>(kStepBound.count() / 1000));
            steps_.clear();
            break;
        }
        const std::function<void()> act = std::move(step.act);
        steps_.pop_front();
        act();
        stepStarted_ = std::chrono::steady_clock::now();
        return;  // one step per tick: the picks' events and workers go on between
    }
    poll_.stop();
    QTimer::singleShot(static_cast<int>(delay_.count()), &poll_, [this] { TakePicture(); });
}

void ScreenshotRun::TakePicture() {
    QWidget* window = windows_.Window(WindowId::MainWindow);
    bool saved = false;
    if (window != nullptr) {
        // The screen's pixels include what the web views drew themselves.
        QPixmap picture;
        if (QScreen* screen = window->screen()) picture = screen->grabWindow(window->winId());
        if (picture.isNull()) picture = window->grab();
        saved = picture.save(QString::fromStdString(path_), "PNG");
    }
    if (!saved)
        std::fprintf(stderr, "quotexa: could not save the screenshot to %s\n", path_.c_str());
    done_(saved);
}

}  // namespace quotexa
