// Points the client library's defaults at the run's server before the first
// connection of the test program initialises the library: an empty server
// address then means this server's Unix socket. The default TCP port is left
// at the client's own (3306), so an environment that changes it is undone.
#include <gtest/gtest.h>

#include <cstdlib>

#include "db/catalogue_test_server.h"

namespace quotexa::test_support {
namespace {

class ClientDefaults : public ::testing::Environment {
public:
    void SetUp() override {
        ::unsetenv("MYSQL_TCP_PORT");
        if (const auto server = FindCatalogueServer()) {
            ::setenv("MYSQL_UNIX_PORT", server->socket.c_str(), 1);
        }
    }
};

[[maybe_unused]] ::testing::Environment* const kClientDefaults =
    ::testing::AddGlobalTestEnvironment(new ClientDefaults);

}  // namespace
}  // namespace quotexa::test_support
