// The catalogue's statements against the test catalogue, with every spliced
// name escaped on the worker's connection as the workers do it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/category_table.h"
#include "db/catalogue_test_server.h"
#include "db/database_commands.h"
#include "db/statements.h"

namespace quotexa {
namespace {

using CC = ComponentCategory;
using test_support::CatalogueServerTest;
using test_support::OpenTestCatalogue;
using test_support::ReadColumn;
using Models = std::vector<std::string>;

class CatalogueStatementsTest : public CatalogueServerTest {
protected:
    void SetUp() override {
        CatalogueServerTest::SetUp();
        if (HasFatalFailure()) return;
        connection_ = OpenTestCatalogue(server());
        ASSERT_NE(connection_, nullptr);
    }

    std::string ProductStatement(ComponentCategory category, std::string_view brand,
                                 std::string_view platform) {
        return ProductListStatement(category, EscapeName(connection_, brand),
                                    EscapeName(connection_, platform));
    }

    DbConnection connection_;
};

TEST_F(CatalogueStatementsTest, OrdinaryNamesAreSplicedUnchanged) {
    const char* names[] = {
        "华硕", "七彩虹", "Intel LGA1700", "AMD AM5", "G.Skill 芝奇 (DDR5)", "双平台", "先马", ""};
    for (const char* name : names) {
        EXPECT_EQ(EscapeName(connection_, name), name);
    }
    EXPECT_EQ(EscapeName(connection_, "O'Neil"), "O\\'Neil");
    EXPECT_EQ(EscapeName(connection_, "K\\Disk"), "K\\\\Disk");
}

struct ProductCase {
    const char* what;
    ComponentCategory category;
    const char* brand;
    const char* platform;
    bool stored;    // whether the statement gives a result
    Models models;  // in the order listed
};

TEST_F(CatalogueStatementsTest, ProductStatementsListTheRightProductsByPrice) {
    const ProductCase cases[] = {
        {"a Chinese brand",
         CC::GraphicsCard,
         "七彩虹",
         "",
         true,
         {"战斧 GeForce RTX 3050 6G", "iGame GeForce RTX 4060 Ultra W OC 8G"}},
        {"a brand of several categories lists only this one",
         CC::OpticalDrive,
         "华硕",
         "",
         true,
         {"SDRW-08D2S-U 外置刻录机"}},
        {"a brand holding a quote",
         CC::Memory,
         "O'Neil",
         "",
         true,
         {"O'Neil DDR4 3200 8G", "O'Neil DDR5 5600 16G"}},
        {"a brand holding a backslash", CC::HardDisk, "K\\Disk", "", true, {"K\\Disk 512G"}},
        {"a name written as SQL finds nothing", CC::GraphicsCard, "x' or '1'='1", "", true, {}},
        {"nor with a comment", CC::Memory, "x' or 1=1 -- ", "", true, {}},
        {"the empty brand finds the products without brand",
         CC::GraphicsCard,
         "",
         "",
         true,
         {"无品牌亮机卡 GT 710 2G"}},
        {"an unknown brand", CC::Monitor, "三星", "", true, {}},
        {"motherboards of a brand on a platform",
         CC::Motherboard,
         "华硕",
         "Intel LGA1700",
         true,
         {"PRIME B760M-A D4", "TUF GAMING Z790-PLUS WIFI"}},
        {"the same brand on another platform",
         CC::Motherboard,
         "华硕",
         "AMD AM5",
         true,
         {"TUF GAMING B650M-PLUS"}},
        {"a platform name written as SQL",
         CC::Motherboard,
         "华硕",
         "x') or Platform_ID=(1) or ('1'='1",
         true,
         {}},
        {"two platforms of one name: the server rejects the statement",
         CC::Motherboard,
         "华擎",
         "双平台",
         false,
         {}},
        {"CPUs of a platform",
         CC::Cpu,
         "",
         "AMD AM5",
         true,
         {"锐龙5 7500F 散片", "锐龙7 7800X3D 盒装"}},
        {"CPUs of a platform without products", CC::Cpu, "", "无产品平台", true, {}},
        {"CPUs of an unknown platform", CC::Cpu, "", "Intel LGA2011", true, {}},
        {"CPUs of a platform name written as SQL", CC::Cpu, "", "x') or ('1'='1", true, {}},
        {"CPUs of two platforms of one name", CC::Cpu, "", "双平台", false, {}},
    };
    for (const ProductCase& c : cases) {
        const std::string statement = ProductStatement(c.category, c.brand, c.platform);
        ExecuteStatement(connection_, statement);
        DbResult result = StoreResult(connection_);
        EXPECT_EQ(result != nullptr, c.stored) << c.what;
        FreeResult(result);
        EXPECT_EQ(ReadColumn(connection_, statement, "model"), c.models) << c.what;
    }
}

// Every brand as the brand list shows it, spliced back into its category's
// statement, finds its products: Chinese names, a quote and a backslash among them.
TEST_F(CatalogueStatementsTest, EveryListedBrandSplicedBackFindsItsProducts) {
    int brands = 0;
    for (ComponentCategory category : kAllCategories) {
        if (Info(category).productFilter != ProductFilter::Brand) continue;
        const std::vector<std::string> listed =
            ReadColumn(connection_, BrandListStatement(category), "brand");
        EXPECT_FALSE(listed.empty()) << Info(category).sortCode;
        for (const std::string& brand : listed) {
            ++brands;
            EXPECT_FALSE(
                ReadColumn(connection_, ProductStatement(category, brand, ""), "model").empty())
                << Info(category).sortCode << " " << brand;
        }
    }
    EXPECT_EQ(brands, 23);
}

TEST_F(CatalogueStatementsTest, ListsComeInTheCataloguesOrder) {
    EXPECT_EQ(ReadColumn(connection_, std::string(kPlatformListStatement), "Platform"),
              (Models{"Intel LGA1700", "AMD AM5", "AMD AM4", "Intel LGA1200", "双平台", "双平台",
                      "无产品平台"}));
    EXPECT_EQ(ReadColumn(connection_, BrandListStatement(CC::Memory), "brand"),
              (Models{"金士顿", "威刚", "O'Neil"}));
    // 技嘉 and 微星 share their place: they come in the order the server gives.
    Models motherboardBrands =
        ReadColumn(connection_, BrandListStatement(CC::Motherboard), "brand");
    ASSERT_EQ(motherboardBrands.size(), 4u);
    EXPECT_EQ(motherboardBrands.front(), "华硕");
    EXPECT_EQ(motherboardBrands.back(), "华擎");
    std::sort(motherboardBrands.begin() + 1, motherboardBrands.end() - 1);
    EXPECT_EQ(Models(motherboardBrands.begin() + 1, motherboardBrands.end() - 1),
              (Models{"微星", "技嘉"}));
}

// The motherboard rows carry the flag columns that the notices are made from,
// CPU rows theirs: every value reaches the program as stored.
TEST_F(CatalogueStatementsTest, FlagColumnsArriveAsStored) {
    const std::string motherboards = ProductStatement(CC::Motherboard, "微星", "Intel LGA1700");
    EXPECT_EQ(ReadColumn(connection_, motherboards, "zbjx"), Models{"A"});
    EXPECT_EQ(ReadColumn(connection_, motherboards, "xkjk"), Models{"a"});
    const std::string cpus = ProductStatement(CC::Cpu, "", "Intel LGA1700");
    EXPECT_EQ(ReadColumn(connection_, cpus, "cpujx"), (Models{"", "a", "a"}));
    EXPECT_EQ(ReadColumn(connection_, cpus, "tp"),
              (Models{"cpu_0001.jpg", "cpu_0002.jpg", "cpu_0003.jpg"}));
    EXPECT_EQ(ReadColumn(connection_, cpus, "repair"), (Models{"三年", "三年", "三年"}));
}

// Where the server quotes without backslashes, the client escapes a quote by
// doubling it, and the name still finds its rows.
TEST_F(CatalogueStatementsTest, EscapingFollowsTheServersQuotingMode) {
    ASSERT_TRUE(ExecuteStatement(connection_, "set session sql_mode='NO_BACKSLASH_ESCAPES'"));
    EXPECT_EQ(EscapeName(connection_, "O'Neil"), "O''Neil");
    EXPECT_EQ(ReadColumn(connection_, ProductStatement(CC::Memory, "O'Neil", ""), "model"),
              (Models{"O'Neil DDR4 3200 8G", "O'Neil DDR5 5600 16G"}));
    EXPECT_EQ(ReadColumn(connection_, ProductStatement(CC::HardDisk, "K\\Disk", ""), "model"),
              Models{"K\\Disk 512G"});
    EXPECT_TRUE(
        ReadColumn(connection_, ProductStatement(CC::GraphicsCard, "x' or '1'='1", ""), "model")
            .empty());
}

}  // namespace
}  // namespace quotexa
