#include "ui/headless/window_thread.h"

namespace quotexa {

WindowThread::WindowThread() : thread_([this] { Loop(); }) {}

WindowThread::~WindowThread() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void WindowThread::RunQueued(void (*call)(void*), void* routine) {
    Task task;
    task.call = call;
    task.routine = routine;
    {
        std::unique_lock lock(mutex_);
        queue_.push_back(&task);
        wake_.notify_one();
        task.finished.wait(lock, [&] { return task.done; });
    }
    if (task.error) std::rethrow_exception(task.error);
}

void WindowThread::Loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;  // stopping, and nothing is left to carry out
        Task& task = *queue_.front();
        queue_.pop_front();
        lock.unlock();
        try {
            task.call(task.routine);
        } catch (...) {
            task.error = std::current_exception();
        }
        lock.lock();
        // Signalled under the lock: the caller may return and free the task
        // as soon as it sees it done.
        task.done = true;
        task.finished.notify_one();
    }
}

}  // namespace quotexa
