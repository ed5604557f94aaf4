// What must be settled before the QApplication is made for the browser boxes
// to work: Qt WebEngine shares OpenGL contexts with the widgets, and as root
// its sandbox cannot start, so it runs without one there.
#pragma once

namespace quotexa {

// Call before creating the QApplication.
void PrepareWebEngine();

}  // namespace quotexa
