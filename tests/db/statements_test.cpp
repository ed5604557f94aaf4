// Every statement sent to the catalogue, compared byte for byte with the text
// the catalogue is queried with. The names spliced in here hold no special
// characters, so they go in as they are (escaping leaves them unchanged, see
// catalogue_statements_test.cpp).
#include "db/statements.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/category_table.h"

namespace quotexa {
namespace {

using CC = ComponentCategory;

struct StatementCase {
    const char* what;
    std::string built;
    const char* expected;
};

TEST(Statements, EveryStatementIsExactlyTheCataloguesText) {
    const StatementCase cases[] = {
        {"platform list", std::string(kPlatformListStatement),
         "select * from zov_Platform_b order by sort"},

        {"brands xk", BrandListStatement(CC::GraphicsCard),
         "select brand from zov_brand_b where sort='xk' order by paixu"},
        {"brands yp", BrandListStatement(CC::HardDisk),
         "select brand from zov_brand_b where sort='yp' order by paixu"},
        {"brands nc", BrandListStatement(CC::Memory),
         "select brand from zov_brand_b where sort='nc' order by paixu"},
        {"brands gq", BrandListStatement(CC::OpticalDrive),
         "select brand from zov_brand_b where sort='gq' order by paixu"},
        {"brands jx", BrandListStatement(CC::Case),
         "select brand from zov_brand_b where sort='jx' order by paixu"},
        {"brands dy", BrandListStatement(CC::PowerSupply),
         "select brand from zov_brand_b where sort='dy' order by paixu"},
        {"brands xsq", BrandListStatement(CC::Monitor),
         "select brand from zov_brand_b where sort='xsq' order by paixu"},
        {"brands js", BrandListStatement(CC::KeyboardMouse),
         "select brand from zov_brand_b where sort='js' order by paixu"},
        {"brands yx", BrandListStatement(CC::Speakers),
         "select brand from zov_brand_b where sort='yx' order by paixu"},
        {"brands srq", BrandListStatement(CC::Cooler),
         "select brand from zov_brand_b where sort='srq' order by paixu"},
        {"motherboard brands", BrandListStatement(CC::Motherboard),
         "select brand from zov_brand_b where sort='zb' order by paixu"},

        {"cpus", CpuListStatement("AMD AM5"),
         "select * from zov_access_b where sort='cpu' and Platform_ID=(select Platform_ID from "
         "zov_platform_b where Platform='AMD AM5') order by jg"},
        {"cpus, Chinese platform", CpuListStatement("英特尔平台"),
         "select * from zov_access_b where sort='cpu' and Platform_ID=(select Platform_ID from "
         "zov_platform_b where Platform='英特尔平台') order by jg"},
        {"motherboards", MotherboardListStatement("华硕", "Intel LGA1700"),
         "select * from zov_access_b where sort='zb' and brand='华硕' and Platform_ID=(select "
         "Platform_ID from zov_platform_b where Platform='Intel LGA1700') order by jg"},

        {"products gq", BrandProductListStatement(CC::OpticalDrive, "先锋"),
         "select * from zov_access_b where sort='gq' and brand='先锋' order by jg"},
        {"products xk", BrandProductListStatement(CC::GraphicsCard, "七彩虹"),
         "select * from zov_access_b where sort='xk' and brand='七彩虹' order by jg"},
        {"products dy", BrandProductListStatement(CC::PowerSupply, "航嘉"),
         "select * from zov_access_b where sort='dy' and brand='航嘉' order by jg"},
        {"products js", BrandProductListStatement(CC::KeyboardMouse, "罗技"),
         "select * from zov_access_b where sort='js' and brand='罗技' order by jg"},
        {"products nc", BrandProductListStatement(CC::Memory, "Kingston"),
         "select * from zov_access_b where sort='nc' and brand='Kingston' order by jg"},
        {"products yp", BrandProductListStatement(CC::HardDisk, "希捷"),
         "select * from zov_access_b where sort='yp' and brand='希捷' order by jg"},
        {"products yx", BrandProductListStatement(CC::Speakers, "漫步者"),
         "select * from zov_access_b where sort='yx' and brand='漫步者' order by jg"},
        {"products jx", BrandProductListStatement(CC::Case, "先马"),
         "select * from zov_access_b where sort='jx' and brand='先马' order by jg"},
        {"products srq", BrandProductListStatement(CC::Cooler, "利民"),
         "select * from zov_access_b where sort='srq' and brand='利民' order by jg"},
        {"products xsq", BrandProductListStatement(CC::Monitor, "AOC"),
         "select * from zov_access_b where sort='xsq' and brand='AOC' order by jg"},
        {"products, empty brand", BrandProductListStatement(CC::GraphicsCard, ""),
         "select * from zov_access_b where sort='xk' and brand='' order by jg"},

        // The dispatcher picks the statement by the category's product filter.
        {"dispatch cpu", ProductListStatement(CC::Cpu, "ignored", "AMD AM4"),
         "select * from zov_access_b where sort='cpu' and Platform_ID=(select Platform_ID from "
         "zov_platform_b where Platform='AMD AM4') order by jg"},
        {"dispatch motherboard", ProductListStatement(CC::Motherboard, "微星", "AMD AM5"),
         "select * from zov_access_b where sort='zb' and brand='微星' and Platform_ID=(select "
         "Platform_ID from zov_platform_b where Platform='AMD AM5') order by jg"},
        {"dispatch monitor", ProductListStatement(CC::Monitor, "戴尔", "ignored"),
         "select * from zov_access_b where sort='xsq' and brand='戴尔' order by jg"},
    };
    for (const StatementCase& c : cases) {
        EXPECT_EQ(c.built, c.expected) << c.what;
    }
}

// Without a connection nothing is sent, but the name is still escaped.
TEST(Statements, EscapingWithoutAConnectionStillEscapes) {
    const DbConnection none;
    EXPECT_EQ(EscapeName(none, "华硕 ROG"), "华硕 ROG");
    EXPECT_EQ(EscapeName(none, "x' or '1'='1"), "x\\' or \\'1\\'=\\'1");
}

}  // namespace
}  // namespace quotexa
