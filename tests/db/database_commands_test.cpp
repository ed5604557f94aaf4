// The database commands against the run's catalogue server, loaded with
// tests/fixtures/catalogue.sql (tables stored in GBK).
#include "db/database_commands.h"

#include <gtest/gtest.h>
#include <mysql.h>

#include <string>
#include <thread>
#include <vector>

#include "db/catalogue_test_server.h"

namespace quotexa {
namespace {

using test_support::CatalogueServerTest;
using test_support::OpenTestCatalogue;
using test_support::ReadColumn;

constexpr const char* kPrevious = "(previous row's text)";

TEST(DatabaseCommands, EveryCommandGivenNoHandleDoesNothing) {
    DbConnection connection;
    DbResult result;
    std::string target = kPrevious;

    EXPECT_FALSE(ExecuteStatement(connection, "select 1"));
    EXPECT_EQ(StoreResult(connection), nullptr);
    EXPECT_FALSE(MoveFirst(result));
    EXPECT_EQ(ResultRowCount(result), 0u);
    EXPECT_FALSE(ReadFieldText(result, "Platform", target));
    EXPECT_EQ(target, kPrevious);
    EXPECT_FALSE(MoveNext(result));
    FreeResult(result);
    EXPECT_EQ(result, nullptr);
    CloseConnection(connection);
    EXPECT_EQ(connection, nullptr);
}

class DatabaseCommandsTest : public CatalogueServerTest {
protected:
    void SetUp() override {
        CatalogueServerTest::SetUp();
        if (HasFatalFailure()) return;
        connection_ = OpenTestCatalogue(server());
        ASSERT_NE(connection_, nullptr) << "cannot log in with the select-only account";
    }

    // The result of one statement, with the cursor on its first row.
    DbResult Query(std::string_view statement) {
        EXPECT_TRUE(ExecuteStatement(connection_, statement)) << statement;
        DbResult result = StoreResult(connection_);
        EXPECT_TRUE(MoveFirst(result)) << statement;
        return result;
    }

    DbConnection connection_;
};

struct ReadCase {
    const char* what;
    const char* statement;
    const char* column;
    bool read;         // ReadFieldText's result
    const char* text;  // the target afterwards
};

TEST_F(DatabaseCommandsTest, ReadFieldTextReadsColumnsByExactNameAsText) {
    const ReadCase cases[] = {
        {"a NULL value reads as the empty text",
         "select Platform, Brief from zov_Platform_b where Platform_ID=3", "Brief", true, ""},
        {"an empty value", "select Platform, Brief from zov_Platform_b where Platform_ID=4",
         "Brief", true, ""},
        {"a NULL warranty", "select * from zov_access_b where tp='jx_0002.jpg'", "repair", true,
         ""},
        {"a name differing only in letter case is not the column",
         "select * from zov_Platform_b where Platform_ID=1", "platform", false, kPrevious},
        {"nor in capitals", "select * from zov_Platform_b where Platform_ID=1", "BRIEF", false,
         kPrevious},
        {"a column the result lacks", "select * from zov_Platform_b where Platform_ID=1",
         "Platform_Name", false, kPrevious},
        {"of two columns with one name, the leftmost",
         "select model, repair as model from zov_access_b where tp='nc_0003.jpg'", "model", true,
         "O'Neil DDR4 3200 8G"},
        {"the same, the other way round",
         "select repair as model, model from zov_access_b where tp='nc_0003.jpg'", "model", true,
         "一年包换"},
        {"GBK text arrives as UTF-8", "select * from zov_Platform_b where Platform_ID=1", "Brief",
         true, "英特尔第12至14代酷睿处理器，支持DDR4/DDR5内存"},
        {"a Chinese model", "select * from zov_access_b where tp='cpu_0004.jpg'", "model", true,
         "锐龙5 7500F 散片"},
        {"a price as the server writes it", "select * from zov_access_b where tp='zb_0006.jpg'",
         "jg", true, "549.50"},
        {"a number as text", "select * from zov_Platform_b where Platform_ID=7", "Platform_ID",
         true, "7"},
        {"a value up to its first zero byte", "select concat('ab', char(0), 'cd') as v", "v", true,
         "ab"},
        {"no row to read", "select * from zov_Platform_b where Platform_ID=99", "Platform", false,
         kPrevious},
    };
    for (const ReadCase& c : cases) {
        DbResult result = Query(c.statement);
        std::string target = kPrevious;
        EXPECT_EQ(ReadFieldText(result, c.column, target), c.read) << c.what;
        EXPECT_EQ(target, c.text) << c.what;
        FreeResult(result);
    }
}

TEST_F(DatabaseCommandsTest, ReadingNeverMovesTheCursorAndPastTheEndReadsTheLastRow) {
    DbResult result = Query(
        "select Platform, sort from zov_Platform_b where Platform_ID in (1, 2) order by sort");
    ASSERT_EQ(ResultRowCount(result), 2u);
    std::string platform;
    std::string sort;

    ASSERT_TRUE(ReadFieldText(result, "Platform", platform));
    ASSERT_TRUE(ReadFieldText(result, "sort", sort));
    ASSERT_TRUE(ReadFieldText(result, "Platform", platform));  // twice: still the first row
    EXPECT_EQ(platform, "Intel LGA1700");
    EXPECT_EQ(sort, "1");

    EXPECT_TRUE(MoveNext(result));
    ASSERT_TRUE(ReadFieldText(result, "sort", sort));
    ASSERT_TRUE(ReadFieldText(result, "Platform", platform));
    EXPECT_EQ(platform, "AMD AM5");
    EXPECT_EQ(sort, "2");

    EXPECT_TRUE(MoveNext(result));  // leaves the last row
    platform.clear();
    EXPECT_TRUE(ReadFieldText(result, "Platform", platform));
    EXPECT_EQ(platform, "AMD AM5");
    EXPECT_FALSE(MoveNext(result));  // reading put the cursor back after the last row
    EXPECT_TRUE(ReadFieldText(result, "Platform", platform));
    EXPECT_EQ(platform, "AMD AM5");

    EXPECT_TRUE(MoveFirst(result));
    EXPECT_TRUE(ReadFieldText(result, "Platform", platform));
    EXPECT_EQ(platform, "Intel LGA1700");
}

TEST_F(DatabaseCommandsTest, AStatementWithoutRowsGivesAnEmptyResult) {
    ASSERT_TRUE(ExecuteStatement(connection_, "select * from zov_brand_b where sort='none'"));
    DbResult result = StoreResult(connection_);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(MoveFirst(result));
    EXPECT_EQ(ResultRowCount(result), 0u);
    std::string target = kPrevious;
    EXPECT_FALSE(ReadFieldText(result, "brand", target));
    EXPECT_EQ(target, kPrevious);
    EXPECT_FALSE(MoveNext(result));
}

// The calling order every worker follows: the rows in the statement's order,
// the target keeping its text from row to row.
TEST_F(DatabaseCommandsTest, TheWorkersCallingOrderReadsEveryRowInOrder) {
    EXPECT_EQ(ReadColumn(connection_, "select * from zov_Platform_b order by sort", "Platform"),
              (std::vector<std::string>{"Intel LGA1700", "AMD AM5", "AMD AM4", "Intel LGA1200",
                                        "双平台", "双平台", "无产品平台"}));
    EXPECT_EQ(ReadColumn(connection_, "select * from zov_Platform_b order by sort", "Brief"),
              (std::vector<std::string>{"英特尔第12至14代酷睿处理器，支持DDR4/DDR5内存",
                                        "AMD锐龙7000/9000系列处理器，仅支持DDR5内存", "", "",
                                        "重名平台之一", "重名平台之二", "这个平台没有任何产品"}));
    // A column the result lacks leaves the texts as they were: empty.
    EXPECT_EQ(ReadColumn(connection_, "select * from zov_Platform_b order by sort", "platform"),
              std::vector<std::string>(7, ""));
}

TEST_F(DatabaseCommandsTest, AFailedStatementGivesNoResultAndTheConnectionGoesOn) {
    const char* failing[] = {
        "selec * from zov_Platform_b",        // syntax error
        "select * from zov_no_such_table",    // unknown table
        "select nosuch from zov_Platform_b",  // unknown column
        "select 1; select 2",                 // one statement per call
    };
    for (const char* statement : failing) {
        EXPECT_FALSE(ExecuteStatement(connection_, statement)) << statement;
        DbResult result = StoreResult(connection_);
        EXPECT_EQ(result, nullptr) << statement;
        EXPECT_EQ(ResultRowCount(result), 0u) << statement;
        // The next statement on the same connection works.
        EXPECT_EQ(ReadColumn(connection_, "select count(*) as n from zov_brand_b", "n"),
                  std::vector<std::string>{"27"})
            << "after " << statement;
    }
}

TEST_F(DatabaseCommandsTest, AStatementWithoutAResultSetStoresNone) {
    EXPECT_TRUE(ExecuteStatement(connection_, "set @quotexa_test = 1"));
    EXPECT_EQ(StoreResult(connection_), nullptr);
}

TEST_F(DatabaseCommandsTest, TheSelectOnlyAccountCannotWrite) {
    const char* writes[] = {
        "insert into zov_brand_b (brand, sort, paixu) values ('新品牌', 'xk', 9)",
        "update zov_access_b set jg = 1",
        "delete from zov_access_b",
        "truncate table zov_brand_b",
        "create table zov_k.zov_new_b (a int)",
        "drop table zov_Platform_b",
        "alter table zov_brand_b add column x int",
        "create database zov_other",
    };
    for (const char* statement : writes) {
        EXPECT_FALSE(ExecuteStatement(connection_, statement)) << statement;
    }
    EXPECT_EQ(ReadColumn(connection_,
                         "select (select count(*) from zov_brand_b) + (select count(*) from "
                         "zov_access_b where jg <> 1) + (select count(*) from zov_Platform_b) as n",
                         "n"),
              std::vector<std::string>{"77"});
}

// The tables keep their texts in GBK; the connection speaks utf8mb4, so the
// server converts and the program sees UTF-8 only.
TEST_F(DatabaseCommandsTest, TheConnectionSpeaksUtf8mb4WhileTheCatalogueStoresGbk) {
    EXPECT_EQ(ReadColumn(connection_,
                         "select concat(@@character_set_client, ' ', "
                         "@@character_set_connection, ' ', @@character_set_results) as c",
                         "c"),
              std::vector<std::string>{"utf8mb4 utf8mb4 utf8mb4"});
    EXPECT_EQ(ReadColumn(connection_,
                         "select distinct character_set_name from information_schema.columns "
                         "where table_schema='zov_k' and character_set_name is not null",
                         "character_set_name"),
              std::vector<std::string>{"gbk"});
    // The bytes stored for 华硕 are its GBK bytes.
    EXPECT_EQ(ReadColumn(connection_,
                         "select hex(brand) as h from zov_brand_b where paixu=1 and "
                         "sort='zb'",
                         "h"),
              std::vector<std::string>{"BBAACBB6"});
}

// Eleven loaders start at once, each with its own connection.
TEST_F(DatabaseCommandsTest, WorkersOpenUseAndCloseConnectionsAtTheSameTime) {
    constexpr int kWorkers = 11;
    std::vector<std::vector<std::string>> platforms(kWorkers);
    std::vector<char> connected(kWorkers, 0);
    std::vector<std::thread> workers;
    for (int i = 0; i < kWorkers; ++i) {
        workers.emplace_back([&, i] {
            for (int round = 0; round < 5; ++round) {
                DbConnection connection = OpenTestCatalogue(server());
                connected[static_cast<std::size_t>(i)] = connection != nullptr;
                platforms[static_cast<std::size_t>(i)] = ReadColumn(
                    connection, "select * from zov_Platform_b order by sort", "Platform");
                CloseConnection(connection);
            }
        });
    }
    for (std::thread& worker : workers) worker.join();
    for (int i = 0; i < kWorkers; ++i) {
        EXPECT_TRUE(connected[static_cast<std::size_t>(i)]) << "worker " << i;
        EXPECT_EQ(platforms[static_cast<std::size_t>(i)].size(), 7u) << "worker " << i;
    }
}

}  // namespace
}  // namespace quotexa
