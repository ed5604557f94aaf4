// Records every event the window system reports, with the thread it came on.
#pragma once

#include <algorithm>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "ui/window_system.h"

namespace quotexa::gui_test {

struct ReportedEvent {
    ControlRef control;
    EventKind event;
    std::thread::id thread;
};

class EventLog {
public:
    // Records the event, then passes it on to the next handler, if any.
    EventHandler Handler(EventHandler next = {}) {
        return [this, next = std::move(next)](const ControlRef& control, EventKind event) {
            {
                std::lock_guard lock(mutex_);
                events_.push_back({control, event, std::this_thread::get_id()});
            }
            if (reaction_) reaction_(control, event);
            if (next) next(control, event);
        };
    }

    // Runs after the recording of each event, before the next handler.
    void OnEvent(EventHandler reaction) { reaction_ = std::move(reaction); }

    int Count(const ControlRef& control, EventKind event) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(events_.begin(), events_.end(), [&](const auto& e) {
            return e.control == control && e.event == event;
        }));
    }

    std::vector<ReportedEvent> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<ReportedEvent> events_;
    EventHandler reaction_;
};

}  // namespace quotexa::gui_test
