// Giving memory back to the operating system between product picks, so that
// the program's resident size stays small while it sits idle at the counter.
#pragma once

namespace quotexa {

// Asks the operating system to shrink the process's working set: on Windows
// the working set is emptied, with glibc the allocator returns its free pages;
// elsewhere this does nothing.
void TrimWorkingSet();

}  // namespace quotexa
