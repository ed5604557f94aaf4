#include "db/client_library.h"

#include <mysql.h>

#include <mutex>

namespace quotexa {

bool ClientLibraryReady() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = mysql_library_init(0, nullptr, nullptr) == 0; });
    return ready;
}

}  // namespace quotexa
