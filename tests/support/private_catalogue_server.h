// A catalogue server of a test's own (scripts/catalogue_server), for tests
// that need a catalogue other than the run's shared one, or a server that
// starts only once the program is already running.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quotexa::test_support {

// A loopback port that nothing listens on at the moment of the call.
int FreeLoopbackPort();

class PrivateCatalogueServer {
public:
    // Starts a server on the port (0: a free one) loaded with the SQL files
    // (paths relative to the source tree's tests/fixtures) and returns once it
    // is ready; Port() is 0 when it could not start.
    PrivateCatalogueServer(const std::vector<std::string>& fixtureFiles, int port = 0);
    ~PrivateCatalogueServer();
    PrivateCatalogueServer(const PrivateCatalogueServer&) = delete;
    PrivateCatalogueServer& operator=(const PrivateCatalogueServer&) = delete;

    int Port() const { return port_; }
    // Loads more SQL (as the administrator) into the running server.
    bool Load(const std::string& sql) const;

private:
    std::filesystem::path stateDir_;
    int port_ = 0;
};

}  // namespace quotexa::test_support
