// Access to the private catalogue server of a test run (scripts/catalogue_server).
// ctest brings it up and down with the fixture "catalogue_server", whose start
// writes the server's port and socket into a state folder of the build;
// `catalogue_server run -- <test program>` hands them over in the environment.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/database_commands.h"

namespace quotexa::test_support {

struct CatalogueServer {
    std::string host = "127.0.0.1";
    std::int32_t port = 0;
    std::string socket;  // the server's Unix socket; its administrator (root) logs in there
    std::string account = "fbn_ofzw_olg";  // may only read the catalogue
    std::string password = "qbe_lamp_vexor_hzt";
};

// The server of this run: CATALOGUE_PORT and CATALOGUE_SOCKET from the
// environment when set, else the files "port" and "socket" of the state folder
// (QUOTEXA_CATALOGUE_SERVER_DIR, else the build's own). nullopt when there is
// none.
std::optional<CatalogueServer> FindCatalogueServer();

// Connects to the catalogue with the select-only account.
DbConnection OpenTestCatalogue(const CatalogueServer& server);

// Runs statements as the server's administrator over its socket, for what a
// test has to set up; false when one of them fails.
bool RunAsAdministrator(const CatalogueServer& server, const std::vector<std::string>& statements);

// Runs one statement and reads one column of every row, through the database
// commands, the way every worker does.
std::vector<std::string> ReadColumn(DbConnection& connection, std::string_view statement,
                                    std::string_view column);

// Base of the tests that need the server: fails the test at once without one.
class CatalogueServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<CatalogueServer> found = FindCatalogueServer();
        ASSERT_TRUE(found.has_value())
            << "no catalogue server for this run: run the tests with ctest (fixture "
               "catalogue_server), or start one with scripts/catalogue_server start "
               "--state-dir <build>/catalogue_server --sql tests/fixtures/catalogue.sql";
        server_ = *found;
    }

    const CatalogueServer& server() const { return server_; }

private:
    CatalogueServer server_;
};

}  // namespace quotexa::test_support
