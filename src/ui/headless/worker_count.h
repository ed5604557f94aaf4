// WorkerCount: how many worker threads started by the window system are still
// running, so that a test can wait until all of them have ended. Shared with
// the workers themselves, which may outlive the window system by a moment.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace quotexa {

class WorkerCount {
public:
    void Started();
    void Ended();
    int Running() const;
    // True when no worker is running, waiting at most the time-out for that.
    bool WaitUntilNone(std::chrono::milliseconds timeout);

private:
    mutable std::mutex mutex_;
    std::condition_variable none_;
    int running_ = 0;
};

}  // namespace quotexa
