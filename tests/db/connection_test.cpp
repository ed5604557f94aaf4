// Opening connections: the settings as the client receives them, and every way
// an attempt fails, which gives no handle.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "db/catalogue_test_server.h"
#include "db/database_commands.h"
#include "db/loopback_socket.h"

namespace quotexa {
namespace {

using test_support::CatalogueServerTest;
using test_support::LoopbackSocket;
using test_support::ReadColumn;
using test_support::RunAsAdministrator;

// The user name the client logs in with when given none: the effective user's.
std::optional<std::string> LoginName() {
    if (::geteuid() == 0) return "root";
    const passwd* entry = ::getpwuid(::geteuid());
    if (entry == nullptr) return std::nullopt;
    return std::string(entry->pw_name);
}

class ConnectionTest : public CatalogueServerTest {};

struct OpenCase {
    const char* what;
    std::string address;
    std::string account;
    std::string password;
    std::string database;
    std::int32_t port;
    bool connects;
};

TEST_F(ConnectionTest, OnlyTheRightSettingsGiveAConnection) {
    const auto& s = server();
    const LoopbackSocket refusing;
    ASSERT_TRUE(refusing.ready());
    const OpenCase cases[] = {
        {"the settings page's account", s.host, s.account, s.password, "zov_k", s.port, true},
        {"wrong password", s.host, s.account, "qbe_lamp_vexor", "zov_k", s.port, false},
        {"no password for an account that has one", s.host, s.account, "", "zov_k", s.port, false},
        {"unknown account", s.host, "fbn_nobody", s.password, "zov_k", s.port, false},
        {"unknown database", s.host, s.account, s.password, "zov_x", s.port, false},
        {"a database the account may not read", s.host, s.account, s.password, "mysql", s.port,
         false},
        {"nothing listening on the port", s.host, s.account, s.password, "zov_k", refusing.port(),
         false},
        // Cut down to 16 bits, these would reach the server's own port.
        {"a port above 65535", s.host, s.account, s.password, "zov_k", s.port + 65536, false},
        {"a negative port", s.host, s.account, s.password, "zov_k", s.port - 65536, false},
    };
    for (const OpenCase& c : cases) {
        DbConnection connection =
            OpenConnection(c.address, c.account, c.password, c.database, c.port);
        EXPECT_EQ(connection != nullptr, c.connects) << c.what;
        // A worker whose connection failed runs through its steps and finds no rows.
        EXPECT_EQ(ReadColumn(connection, "select * from zov_Platform_b", "Platform").size(),
                  c.connects ? 7u : 0u)
            << c.what;
        CloseConnection(connection);
        EXPECT_EQ(connection, nullptr) << c.what;
    }
}

// The client's local server is reached over its default socket, which this
// test program points at the run's server (client_defaults.cpp).
TEST_F(ConnectionTest, AnEmptyAddressMeansTheClientsLocalServer) {
    DbConnection connection =
        OpenConnection("", server().account, server().password, "zov_k", server().port);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(ReadColumn(connection, "select @@socket as s, user() as u", "s"),
              std::vector<std::string>{server().socket});
    EXPECT_EQ(ReadColumn(connection, "select user() as u", "u"),
              std::vector<std::string>{server().account + "@localhost"});
}

// Given no account, the client logs in as the effective user, and given no
// password, with none: the server has such an account for this test.
TEST_F(ConnectionTest, AnEmptyAccountAndPasswordMeanTheLoginNameWithoutPassword) {
    const std::optional<std::string> login = LoginName();
    if (!login) GTEST_SKIP() << "the effective user has no name";
    const std::string account = "'" + *login + "'@'127.0.0.1'";
    ASSERT_TRUE(RunAsAdministrator(server(), {"create user if not exists " + account,
                                              "grant select on zov_k.* to " + account}));

    DbConnection connection = OpenConnection(server().host, "", "", "zov_k", server().port);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(ReadColumn(connection, "select current_user() as u", "u"),
              std::vector<std::string>{*login + "@127.0.0.1"});
}

}  // namespace
}  // namespace quotexa
