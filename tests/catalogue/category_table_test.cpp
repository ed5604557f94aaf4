// The category table: grid order against tab-page order, the exact texts the
// price lists and the catalogue statements use, the control names of every
// row, and the reverse look-ups the event wiring relies on.
#include "catalogue/category_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quotexa {
namespace {

using CC = ComponentCategory;

TEST(CategoryTableTest, RowsAreIndexedByTheirCategoryInGridOrder) {
    for (std::size_t row = 0; row < kCategoryCount; ++row) {
        EXPECT_EQ(kAllCategories[row], static_cast<CC>(row)) << "row " << row;
        EXPECT_EQ(CategoryTable[row].category, kAllCategories[row]) << "row " << row;
        EXPECT_EQ(RowIndex(kAllCategories[row]), row);
        EXPECT_EQ(&Info(kAllCategories[row]), &CategoryTable[row]);
    }
}

// The grid runs motherboard to speakers with the cooler just before the
// speakers, while the tab pages put the graphics card before the hard disk
// and the speakers before the cooler.
TEST(CategoryTableTest, GridOrderDiffersFromTabPageOrder) {
    EXPECT_EQ(kAllCategories.front(), CC::Motherboard);
    EXPECT_EQ(kAllCategories.back(), CC::Speakers);
    EXPECT_EQ(RowIndex(CC::Cooler), 10u);
    EXPECT_EQ(RowIndex(CC::Speakers), 11u);
    EXPECT_EQ(Info(CC::Cooler).pageIndex, 12);
    EXPECT_EQ(Info(CC::Speakers).pageIndex, 11);

    EXPECT_EQ(RowIndex(CC::HardDisk), 2u);
    EXPECT_EQ(RowIndex(CC::Memory), 3u);
    EXPECT_EQ(RowIndex(CC::GraphicsCard), 4u);
    EXPECT_EQ(Info(CC::GraphicsCard).pageIndex, 3);
    EXPECT_EQ(Info(CC::HardDisk).pageIndex, 4);
    EXPECT_EQ(Info(CC::Memory).pageIndex, 5);
}

// The texts other subsystems build on: the grid's row labels, the price-list
// prefixes (two ASCII spaces inside two-character names, a full-width colon),
// the catalogue's sort codes and the tab pages.
TEST(CategoryTableTest, TextsCodesAndPagesOfEveryRow) {
    struct Expected {
        std::string_view rowLabelText;
        std::string_view priceListLabel;
        std::string_view sortCode;
        int pageIndex;
        std::string_view pageTitle;
    };
    constexpr Expected kExpected[kCategoryCount] = {
        {"主 板", "主  板：", "zb", 1, "主板"},      {"C P U", "C P U ：", "cpu", 2, "CPU"},
        {"硬 盘", "硬  盘：", "yp", 4, "硬盘"},      {"内 存", "内  存：", "nc", 5, "内存"},
        {"显 卡", "显  卡：", "xk", 3, "显卡"},      {"光 驱", "光  驱：", "gq", 6, "光驱"},
        {"机 箱", "机  箱：", "jx", 7, "机箱"},      {"电 源", "电  源：", "dy", 8, "电源"},
        {"显示器", "显示器：", "xsq", 9, "显示器"},  {"键 鼠", "键  鼠：", "js", 10, "键鼠"},
        {"散热器", "散热器：", "srq", 12, "散热器"}, {"音 箱", "音  箱：", "yx", 11, "音箱"},
    };
    for (std::size_t row = 0; row < kCategoryCount; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const CategoryInfo& info = CategoryTable[row];
        EXPECT_EQ(info.rowLabelText, kExpected[row].rowLabelText);
        EXPECT_EQ(info.priceListLabel, kExpected[row].priceListLabel);
        EXPECT_EQ(info.sortCode, kExpected[row].sortCode);
        EXPECT_EQ(info.pageIndex, kExpected[row].pageIndex);
        EXPECT_EQ(info.pageTitle, kExpected[row].pageTitle);
    }
}

TEST(CategoryTableTest, EachCategoryPageIsUsedOnce) {
    std::set<int> pages;
    for (const CategoryInfo& info : CategoryTable) pages.insert(info.pageIndex);
    EXPECT_EQ(pages.size(), kCategoryCount);
    EXPECT_EQ(*pages.begin(), 1);
    EXPECT_EQ(*pages.rbegin(), 12);
}

// Quote-row controls are named after the category's prefix, brand lists after
// the page title; the CPU has no brand list.
TEST(CategoryTableTest, ControlNamesOfEveryRow) {
    constexpr std::string_view kPrefixes[kCategoryCount] = {"主板",   "cpu",  "硬盘",   "内存",
                                                            "显卡",   "光驱", "机箱",   "电源",
                                                            "显示器", "键鼠", "散热器", "音箱"};
    for (std::size_t row = 0; row < kCategoryCount; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const CategoryInfo& info = CategoryTable[row];
        const std::string prefix(kPrefixes[row]);
        EXPECT_EQ(info.rowLabelControl, "标签b" + std::to_string(row + 1));
        EXPECT_EQ(info.productList, prefix + "列表框");
        EXPECT_EQ(info.modelLabel, prefix + "型号");
        EXPECT_EQ(info.channelPriceLabel, prefix + "价格");
        EXPECT_EQ(info.warrantyLabel, prefix + "保修");
        EXPECT_EQ(info.quantityBox, prefix + "数量");
        EXPECT_EQ(info.retailPriceBox, prefix + "价格1");
        if (info.category == CC::Cpu) {
            EXPECT_TRUE(info.brandList.empty());
        } else {
            EXPECT_EQ(info.brandList, std::string(info.pageTitle) + "品牌列表框");
        }
    }
}

// Picture labels follow the tab pages and skip 标签8, which is the hint line
// under the grid: 标签1..标签7 on pages 1..7, 标签9..标签13 on pages 8..12.
TEST(CategoryTableTest, PictureLabelsFollowTheTabPages) {
    for (const CategoryInfo& info : CategoryTable) {
        const int number = info.pageIndex <= 7 ? info.pageIndex : info.pageIndex + 1;
        EXPECT_EQ(info.pictureLabel, "标签" + std::to_string(number)) << info.pageTitle;
    }
}

TEST(CategoryTableTest, NoControlNameIsUsedTwice) {
    std::set<std::string_view> names;
    std::size_t count = 0;
    for (const CategoryInfo& info : CategoryTable) {
        for (std::string_view name :
             {info.rowLabelControl, info.brandList, info.productList, info.modelLabel,
              info.channelPriceLabel, info.warrantyLabel, info.quantityBox, info.retailPriceBox,
              info.pictureLabel, info.noticeLabel}) {
            if (name.empty()) continue;
            names.insert(name);
            ++count;
        }
    }
    EXPECT_EQ(names.size(), count);
    EXPECT_EQ(names.count("标签8"), 0u);
}

TEST(CategoryTableTest, MotherboardAndCpuFollowThePlatform) {
    const CategoryInfo& board = Info(CC::Motherboard);
    EXPECT_EQ(board.brandSource, BrandSource::PlatformSelection);
    EXPECT_EQ(board.productFilter, ProductFilter::BrandAndPlatform);
    EXPECT_EQ(board.pageUnlockedBy, PageUnlockedBy::PlatformSelection);
    ASSERT_EQ(board.extraColumnCount, 2u);
    EXPECT_EQ(board.extraColumns[0].title, "主板集显");
    EXPECT_EQ(board.extraColumns[0].catalogueColumn, "zbjx");
    EXPECT_EQ(board.extraColumns[1].title, "显卡接口");
    EXPECT_EQ(board.extraColumns[1].catalogueColumn, "xkjk");
    EXPECT_EQ(board.noticeLabel, "主板标签1");

    const CategoryInfo& cpu = Info(CC::Cpu);
    EXPECT_EQ(cpu.brandSource, BrandSource::NoBrandList);
    EXPECT_EQ(cpu.productFilter, ProductFilter::Platform);
    EXPECT_EQ(cpu.pageUnlockedBy, PageUnlockedBy::PlatformSelection);
    ASSERT_EQ(cpu.extraColumnCount, 1u);
    EXPECT_EQ(cpu.extraColumns[0].title, "cpu集显");
    EXPECT_EQ(cpu.extraColumns[0].catalogueColumn, "cpujx");
    EXPECT_TRUE(cpu.extraColumns[1].title.empty());
    EXPECT_EQ(cpu.noticeLabel, "CPU标签");
}

TEST(CategoryTableTest, OtherCategoriesLoadBrandsAtStartAndFilterByBrand) {
    for (const CategoryInfo& info : CategoryTable) {
        if (info.category == CC::Motherboard || info.category == CC::Cpu) continue;
        SCOPED_TRACE(std::string(info.pageTitle));
        EXPECT_EQ(info.brandSource, BrandSource::StartupLoader);
        EXPECT_EQ(info.productFilter, ProductFilter::Brand);
        EXPECT_EQ(info.pageUnlockedBy, PageUnlockedBy::StartupLoaders);
        EXPECT_EQ(info.extraColumnCount, 0u);
        EXPECT_TRUE(info.extraColumns[0].title.empty());
        EXPECT_TRUE(info.noticeLabel.empty());
        EXPECT_FALSE(info.brandList.empty());
    }
}

TEST(CategoryTableTest, ReverseLookUpsFindEveryRowsControls) {
    for (const CategoryInfo& info : CategoryTable) {
        SCOPED_TRACE(std::string(info.pageTitle));
        if (!info.brandList.empty()) {
            EXPECT_EQ(CategoryOfBrandList(info.brandList), info.category);
        }
        EXPECT_EQ(CategoryOfProductList(info.productList), info.category);
        EXPECT_EQ(CategoryOfModelLabel(info.modelLabel), info.category);
        EXPECT_EQ(CategoryOfQuantityBox(info.quantityBox), info.category);
        EXPECT_EQ(CategoryOfRetailPriceBox(info.retailPriceBox), info.category);
    }
}

// Each look-up knows only its own kind of control: a name of another kind, an
// unknown name, or the empty name (the CPU's missing brand list) finds nothing.
TEST(CategoryTableTest, ReverseLookUpsRejectOtherNames) {
    using LookUp = std::optional<ComponentCategory> (*)(std::string_view);
    const LookUp lookUps[] = {CategoryOfBrandList, CategoryOfProductList, CategoryOfModelLabel,
                              CategoryOfQuantityBox, CategoryOfRetailPriceBox};
    const std::vector<std::string_view> strangers = {
        "",      "标签b1",    "主板价格",    "主板保修",
        "标签1", "主板标签1", "超级列表框1", "平台列表框",
        "合计",  "主板",      "主板列表框 ", "cpu品牌列表框"};
    for (const LookUp lookUp : lookUps) {
        for (std::string_view name : strangers) {
            EXPECT_EQ(lookUp(name), std::nullopt) << "name \"" << name << "\"";
        }
    }
    // Names that belong to a neighbouring kind of the same row.
    EXPECT_EQ(CategoryOfBrandList("主板列表框"), std::nullopt);
    EXPECT_EQ(CategoryOfProductList("主板品牌列表框"), std::nullopt);
    EXPECT_EQ(CategoryOfQuantityBox("主板价格1"), std::nullopt);
    EXPECT_EQ(CategoryOfRetailPriceBox("主板数量"), std::nullopt);
    EXPECT_EQ(CategoryOfModelLabel("主板数量"), std::nullopt);
}

}  // namespace
}  // namespace quotexa
