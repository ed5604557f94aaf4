// The program's run-time context: the window system, the vendor's constants,
// the three program-wide texts and the one lock the catalogue workers share.
#pragma once

#include <mutex>
#include <string>

#include "app/vendor.h"

namespace quotexa {

class WindowSystem;

// Written and read only on the window-system thread, so they need no lock.
struct ProgramTexts {
    std::string statusBarText;    // the settings page's status text, copied at start
    std::string programTitle;     // the settings page's title, copied at start
    std::string infoPageAddress;  // the vendor page the information window shows
};

struct Program {
    Program(WindowSystem& windowSystem, Vendor vendorConstants)
        : windows(windowSystem), vendor(std::move(vendorConstants)) {}

    WindowSystem& windows;
    const Vendor vendor;
    ProgramTexts texts;
    // A platform pick and a motherboard product load both rewrite the
    // motherboard lists; each holds this lock around that work so their rows
    // never interleave (the later one wins).
    std::mutex motherboardLists;
};

// The Created handler of MainWindow: status text, the eleven start-up loaders,
// the program-wide texts and the caption.
void OnMainWindowCreated(Program& program);

// Runs once when the process ends normally: releases the program-wide texts.
void RunExitRoutine(Program& program);

}  // namespace quotexa
