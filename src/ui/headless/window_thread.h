// WindowThread: the headless window system's own thread. It carries out
// routines one at a time, in the order they arrive; the caller waits until its
// routine has run. A routine handed over on the thread itself runs at once, so
// an event handler that calls back into the window system never waits on
// itself. The thread never waits for anybody else.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

namespace quotexa {

class WindowThread {
public:
    WindowThread();
    // Carries out what is still queued, then ends the thread.
    ~WindowThread();

    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    bool IsCurrent() const { return std::this_thread::get_id() == thread_.get_id(); }

    // Runs the routine on the window thread and returns when it has run. An
    // exception it throws is thrown again to the caller.
    template <typename Routine>
    void Run(Routine& routine) {
        if (IsCurrent()) {
            routine();
            return;
        }
        RunQueued(&Call<Routine>, &routine);
    }

private:
    // One routine waiting for the window thread; lives on its caller's stack.
    struct Task {
        void (*call)(void*) = nullptr;
        void* routine = nullptr;
        bool done = false;
        std::exception_ptr error;
        std::condition_variable finished;
    };

    template <typename Routine>
    static void Call(void* routine) {
        (*static_cast<Routine*>(routine))();
    }

    void RunQueued(void (*call)(void*), void* routine);
    void Loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Task*> queue_;
    bool stopping_ = false;
    std::thread thread_;  // last: starts once the queue exists
};

}  // namespace quotexa
