#include "db/database_commands.h"

#include <mysql.h>

#include <cstring>
#include <limits>
#include <mutex>

#include "db/client_library.h"
#include "db/connection_settings.h"

namespace quotexa {

namespace {

// One lock serialises all opening (with the client library's one-time
// initialisation), another all closing.
std::mutex& OpenLock() {
    static std::mutex lock;
    return lock;
}

std::mutex& CloseLock() {
    static std::mutex lock;
    return lock;
}

// The character set of every connection: the program's texts are UTF-8, and a
// name read from the catalogue goes back to the server as the same characters.
// The client also escapes by this character set.
constexpr const char* kConnectionCharacterSet = "utf8mb4";

constexpr std::int32_t kHighestPort = std::numeric_limits<std::uint16_t>::max();

// Holds a text as a zero-terminated copy; an empty text is handed to the
// client as not given.
class ClientText {
public:
    explicit ClientText(std::string_view text) : text_(text) {}
    const char* Get() const { return text_.empty() ? nullptr : text_.c_str(); }

private:
    std::string text_;
};

// The index of the first column with exactly this name, or -1.
long FindColumn(MYSQL_RES* result, std::string_view name) {
    const unsigned int count = mysql_num_fields(result);
    const MYSQL_FIELD* fields = mysql_fetch_fields(result);
    for (unsigned int i = 0; i < count; ++i) {
        const std::string_view fieldName(fields[i].name, fields[i].name_length);
        if (fieldName == name) return static_cast<long>(i);
    }
    return -1;
}

}  // namespace

void ConnectionCloser::operator()(st_mysql* handle) const {
    std::lock_guard<std::mutex> hold(CloseLock());
    mysql_close(handle);
}

void ResultReleaser::operator()(st_mysql_res* result) const {
    mysql_free_result(result);
}

DbConnection OpenConnection(std::string_view serverAddress, std::string_view account,
                            std::string_view password, std::string_view database,
                            std::int32_t port) {
    // A port the network cannot carry would be cut down to 16 bits by the
    // client and reach some other port.
    if (port < 0 || port > kHighestPort) return {};
    const ClientText address(serverAddress);
    const ClientText user(account);
    const ClientText secret(password);
    const ClientText schema(database);

    std::lock_guard<std::mutex> hold(OpenLock());
    if (!ClientLibraryReady()) return {};
    MYSQL* handle = mysql_init(nullptr);
    if (handle == nullptr) return {};
    // Set before connecting: the handshake and the client's escaping both
    // follow it.
    mysql_options(handle, MYSQL_SET_CHARSET_NAME, kConnectionCharacterSet);
    if (mysql_real_connect(handle, address.Get(), user.Get(), secret.Get(), schema.Get(),
                           static_cast<unsigned int>(port), nullptr, 0) == nullptr) {
        mysql_close(handle);
        return {};
    }
    return DbConnection(handle);
}

DbConnection OpenCatalogue(WindowSystem& windows) {
    const ConnectionSettings settings = ReadConnectionSettings(windows);
    return OpenConnection(settings.serverAddress, settings.account, settings.password,
                          settings.database, settings.port);
}

bool ExecuteStatement(DbConnection& connection, std::string_view statement) {
    if (!connection) return false;
    return mysql_real_query(connection.get(), statement.data(),
                            static_cast<unsigned long>(statement.size())) == 0;
}

DbResult StoreResult(DbConnection& connection) {
    if (!connection) return {};
    return DbResult(mysql_store_result(connection.get()));
}

bool MoveFirst(DbResult& result) {
    if (!result) return false;
    mysql_data_seek(result.get(), 0);
    return true;
}

std::uint64_t ResultRowCount(const DbResult& result) {
    if (!result) return 0;
    return mysql_num_rows(result.get());
}

bool ReadFieldText(const DbResult& result, std::string_view columnName, std::string& target) {
    if (!result) return false;
    MYSQL_RES* rows = result.get();
    const long column = FindColumn(rows, columnName);
    if (column < 0) return false;

    // Fetching moves the cursor; it is put back afterwards, so any number of
    // columns can be read from one row in any order.
    const MYSQL_ROW_OFFSET cursor = mysql_row_tell(rows);
    MYSQL_ROW row = mysql_fetch_row(rows);
    if (row == nullptr) {
        // The cursor stands after the last row: that row is read.
        const my_ulonglong count = mysql_num_rows(rows);
        if (count > 0) {
            mysql_data_seek(rows, count - 1);
            row = mysql_fetch_row(rows);
        }
    }
    mysql_row_seek(rows, cursor);
    if (row == nullptr) return false;

    const char* value = row[column];
    target.assign(value == nullptr ? "" : value);
    return true;
}

bool MoveNext(DbResult& result) {
    if (!result) return false;
    return mysql_fetch_row(result.get()) != nullptr;
}

void FreeResult(DbResult& result) {
    result.reset();
}

void CloseConnection(DbConnection& connection) {
    connection.reset();
}

}  // namespace quotexa
