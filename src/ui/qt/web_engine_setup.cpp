#include "ui/qt/web_engine_setup.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QtGlobal>

namespace quotexa {

void PrepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine's renderer processes refuse to start sandboxed as root, and
    // the program would end at once.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
}

}  // namespace quotexa
