// The MySQL client library's one-time initialisation for the process.
#pragma once

namespace quotexa {

// Initialises the client library on the first call, from whichever thread
// comes first; later calls wait for that and then only report. True when the
// library is ready for use.
bool ClientLibraryReady();

}  // namespace quotexa
