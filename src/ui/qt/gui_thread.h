// GuiThread: carries routines over to the GUI thread (the thread of the
// QApplication) and waits for them. A routine handed over on the GUI thread
// itself runs at once: a blocking queued call to one's own thread would never
// return. Routines from several threads run one at a time, in the order they
// arrive, whenever the GUI thread's event loop (or a nested one, such as a
// dialog's) takes its events.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace quotexa {

class GuiThread {
public:
    // Made on the GUI thread.
    GuiThread();
    ~GuiThread();
    GuiThread(const GuiThread&) = delete;
    GuiThread& operator=(const GuiThread&) = delete;

    bool IsCurrent() const;

    // Runs the routine on the GUI thread and returns once it has run; an
    // exception it throws is thrown again here. False when it never ran: once
    // the event loop has ended for good, a waiting call is let go without
    // running when its pending event is thrown away.
    bool Run(const std::function<void()>& routine);

private:
    std::unique_ptr<QObject> context_;  // lives on the GUI thread, receives the calls
};

}  // namespace quotexa
