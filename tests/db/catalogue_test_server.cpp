#include "db/catalogue_test_server.h"

#include <mysql.h>

#include <cstdlib>
#include <fstream>
#include <memory>

namespace quotexa::test_support {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

std::int32_t PortNumber(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return 0;
    return static_cast<std::int32_t>(std::stol(text));
}

}  // namespace

std::optional<CatalogueServer> FindCatalogueServer() {
    CatalogueServer server;
    if (!Environment("CATALOGUE_PORT").empty()) {
        server.port = PortNumber(Environment("CATALOGUE_PORT"));
        server.socket = Environment("CATALOGUE_SOCKET");
    } else {
        std::string folder = Environment("QUOTEXA_CATALOGUE_SERVER_DIR");
        if (folder.empty()) folder = QUOTEXA_CATALOGUE_SERVER_DIR;
        server.port = PortNumber(FirstLine(folder + "/port"));
        server.socket = FirstLine(folder + "/socket");
    }
    if (server.port == 0 || server.socket.empty()) return std::nullopt;
    return server;
}

DbConnection OpenTestCatalogue(const CatalogueServer& server) {
    return OpenConnection(server.host, server.account, server.password, "zov_k", server.port);
}

bool RunAsAdministrator(const CatalogueServer& server, const std::vector<std::string>& statements) {
    const std::unique_ptr<MYSQL, decltype(&mysql_close)> handle(mysql_init(nullptr), &mysql_close);
    if (!handle) return false;
    if (mysql_real_connect(handle.get(), "localhost", "root", nullptr, nullptr, 0,
                           server.socket.c_str(), 0) == nullptr) {
        ADD_FAILURE() << "administrator login failed: " << mysql_error(handle.get());
        return false;
    }
    for (const std::string& statement : statements) {
        if (mysql_real_query(handle.get(), statement.data(), statement.size()) != 0) {
            ADD_FAILURE() << statement << ": " << mysql_error(handle.get());
            return false;
        }
        mysql_free_result(mysql_store_result(handle.get()));
    }
    return true;
}

std::vector<std::string> ReadColumn(DbConnection& connection, std::string_view statement,
                                    std::string_view column) {
    std::vector<std::string> values;
    ExecuteStatement(connection, statement);
    DbResult result = StoreResult(connection);
    MoveFirst(result);
    const std::uint64_t count = ResultRowCount(result);
    std::string value;
    for (std::uint64_t row = 0; row < count; ++row) {
        ReadFieldText(result, column, value);
        values.push_back(value);
        MoveNext(result);
    }
    FreeResult(result);
    return values;
}

}  // namespace quotexa::test_support
