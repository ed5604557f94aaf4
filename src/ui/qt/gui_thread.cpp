#include "ui/qt/gui_thread.h"

#include <QMetaObject>
#include <QThread>
#include <exception>

namespace quotexa {

GuiThread::GuiThread() : context_(std::make_unique<QObject>()) {}

GuiThread::~GuiThread() = default;

bool GuiThread::IsCurrent() const {
    return QThread::currentThread() == context_->thread();
}

bool GuiThread::Run(const std::function<void()>& routine) {
    if (IsCurrent()) {
        routine();
        return true;
    }
    bool ran = false;
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        context_.get(),
        [&] {
            ran = true;
            try {
                routine();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error) std::rethrow_exception(error);
    return ran;
}

}  // namespace quotexa
