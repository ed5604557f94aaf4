#include "app/program.h"

#include "catalogue/startup_loaders.h"
#include "ui/main_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

void OnMainWindowCreated(Program& program) {
    using namespace main_window;
    WindowSystem& windows = program.windows;
    windows.SetStatusText(MainControl(kStatusBar), kStatusPart,
                          windows.GetText(MainControl(kStatusTextBox)));
    StartStartupLoaders(program);
    program.texts.statusBarText = windows.GetText(MainControl(kStatusTextBox));
    windows.SetText(WindowRef(WindowId::MainWindow),
                    windows.GetText(MainControl(kProgramTitleBox)));
    program.texts.programTitle = windows.GetText(MainControl(kProgramTitleBox));
}

void RunExitRoutine(Program& program) {
    program.texts = ProgramTexts{};
}

}  // namespace quotexa
