#include "platform/working_set.h"

// <cstdlib> brings in the C library's feature macros, among them __GLIBC__.
#include <cstdlib>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace quotexa {

void TrimWorkingSet() {
#if defined(_WIN32)
    // Both sizes -1: remove as many pages as possible from the working set.
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
#elif defined(__GLIBC__)
    // Returns free pages of every heap, not only the top of the main one.
    malloc_trim(0);
#endif
}

}  // namespace quotexa
