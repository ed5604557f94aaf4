// What a catalogue connection is opened with. The settings live as the texts
// of four edit boxes on the hidden settings page of MainWindow and are read
// afresh at every open: whatever the boxes hold at that moment is used.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quotexa {

class WindowSystem;

// The catalogue's database; it is not on the settings page.
inline constexpr std::string_view kCatalogueDatabase = "zov_k";

struct ConnectionSettings {
    std::string serverAddress;
    std::string account;
    std::string password;
    std::int32_t port = 0;  // 0: the client's default port
    std::string database = std::string(kCatalogueDatabase);
};

// Reads the settings boxes through the window system (from any thread): the
// port box first, its text turned into a number by TextToInteger, then the
// address, account and password boxes.
ConnectionSettings ReadConnectionSettings(WindowSystem& windows);

}  // namespace quotexa
