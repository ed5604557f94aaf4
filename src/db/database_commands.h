// The database commands every catalogue read goes through, over the MySQL C
// client library (MariaDB Connector/C).
//
// A worker opens a connection of its own, sends one statement at a time,
// stores the whole result on the client, walks its rows with a cursor and reads
// columns by name as text, then closes the connection. No command shows a
// message, logs or throws: failure is reported only as a missing handle, false
// or 0, and every command accepts a missing handle and then does nothing, so a
// worker whose connection failed runs through its steps unchanged and finds no
// rows.
//
// Handles are owned by the worker that made them and used from its thread
// only. Opening and closing connections are each serialised by a process-wide
// lock of their own; no other command takes a lock.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The client library's handle types (MYSQL and MYSQL_RES), declared here so
// that users of the commands need not include the client's header.
struct st_mysql;
struct st_mysql_res;

namespace quotexa {

class WindowSystem;

// Closes a connection under the process-wide close lock.
struct ConnectionCloser {
    void operator()(st_mysql* handle) const;
};

// Releases a stored result.
struct ResultReleaser {
    void operator()(st_mysql_res* result) const;
};

// One open connection to the catalogue server; null: none.
using DbConnection = std::unique_ptr<st_mysql, ConnectionCloser>;

// One result stored whole on the client, with its row cursor; null: none.
// Free a result before closing the connection it came from (a worker's
// handles, declared connection first, end in that order by themselves).
using DbResult = std::unique_ptr<st_mysql_res, ResultReleaser>;

// Connects with the connection's character set utf8mb4, so that every text is
// UTF-8 on the program's side whatever the catalogue stores. An empty address,
// account, password or database is handed to the client as not given, so the
// client's own default applies (its local server, the login name, no
// password, no default database); port 0 means the client's default port
// (3306). None when the attempt fails, and for a port outside 0..65535.
DbConnection OpenConnection(std::string_view serverAddress, std::string_view account,
                            std::string_view password, std::string_view database,
                            std::int32_t port);

// Reads the settings page afresh (ReadConnectionSettings) and connects to the
// catalogue database with it.
DbConnection OpenCatalogue(WindowSystem& windows);

// Sends one statement. True when the server accepted and ran it.
bool ExecuteStatement(DbConnection& connection, std::string_view statement);

// The whole result of the last statement, or none when that statement failed
// or gave no result set.
DbResult StoreResult(DbConnection& connection);

// Puts the cursor on the first row (after the last row when there is none).
// True whenever there is a result.
bool MoveFirst(DbResult& result);

// The number of rows.
std::uint64_t ResultRowCount(const DbResult& result);

// Reads the column with this name (letter case counts; of two columns with the
// same name, the leftmost) from the row under the cursor, or from the last row
// when the cursor stands after it, without moving the cursor. On success the
// target holds the value's text up to its first zero byte, a NULL value giving
// the empty text. False, target unchanged, without a result, without such a
// column or without any row.
bool ReadFieldText(const DbResult& result, std::string_view columnName, std::string& target);

// True when the cursor stood on a row, which it then leaves for the next one;
// false when it already stood after the last row.
bool MoveNext(DbResult& result);

// Releases the result; the handle is then none.
void FreeResult(DbResult& result);

// Closes and releases the connection; the handle is then none.
void CloseConnection(DbConnection& connection);

}  // namespace quotexa
