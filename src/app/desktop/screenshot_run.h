// A run of the desktop program that ends in a picture of the main window:
// it waits until the start-up lists have filled (at most a bound), can pick a
// product of every category through the real widgets as a user would, lets
// pictures and pages render, saves the window as a PNG file and reports.
// Everything happens on the GUI thread, driven by a timer.
#pragma once

#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <string>

namespace quotexa {

class QtWindowSystem;

class ScreenshotRun {
public:
    // done receives whether the picture was saved.
    ScreenshotRun(QtWindowSystem& windows, std::string path, std::chrono::milliseconds delay,
                  bool demoPicks, std::function<void(bool saved)> done);

    ScreenshotRun(const ScreenshotRun&) = delete;
    ScreenshotRun& operator=(const ScreenshotRun&) = delete;

    void Start();

private:
    // Waits until ready holds, then acts.
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void AddDemoPicks();
    void Poll();
    void TakePicture();

    QtWindowSystem& windows_;
    std::string path_;
    std::chrono::milliseconds delay_;
    std::function<void(bool)> done_;
    std::deque<Step> steps_;
    std::chrono::steady_clock::time_point stepStarted_;
    QTimer poll_;
};

}  // namespace quotexa
