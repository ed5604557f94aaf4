#include "ui/headless/worker_count.h"

namespace quotexa {

void WorkerCount::Started() {
    std::lock_guard lock(mutex_);
    ++running_;
}

void WorkerCount::Ended() {
    std::lock_guard lock(mutex_);
    if (--running_ == 0) none_.notify_all();
}

int WorkerCount::Running() const {
    std::lock_guard lock(mutex_);
    return running_;
}

bool WorkerCount::WaitUntilNone(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return none_.wait_for(lock, timeout, [&] { return running_ == 0; });
}

}  // namespace quotexa
