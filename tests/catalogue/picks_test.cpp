// Brand, platform and product picks on the headless window system, against
// the run's catalogue server and a loopback picture server.
#include <mutex>

#include "catalogue/browsing_fixture.h"
#include "catalogue/product_selection.h"
#include "quote/recalculation.h"

namespace quotexa::test_support {
namespace {

using main_window::kPlatformList;
using Rows = std::vector<std::vector<std::string>>;

const CategoryInfo& kBoard = Info(ComponentCategory::Motherboard);
const CategoryInfo& kCpu = Info(ComponentCategory::Cpu);
const CategoryInfo& kMemory = Info(ComponentCategory::Memory);
const CategoryInfo& kGraphics = Info(ComponentCategory::GraphicsCard);

class PickTest : public BrowsingTest {
protected:
    void SetUp() override {
        BrowsingTest::SetUp();
        if (HasFatalFailure()) return;
        StartUp();
    }
};

TEST_F(PickTest, BrandPickRefillsTheProductListWithThatBrandsProductsByPrice) {
    windows().SetPicture(MainControl(kMemory.pictureLabel), "old picture");
    Pick(kMemory.brandList, "金士顿");
    EXPECT_EQ(Items(kMemory.productList, 5),
              (Rows{{"399.00", "FURY Beast DDR5 6000 16G", "终身保固", "nc_0001.jpg", ""}}));
    EXPECT_EQ(driver().PictureBytes(MainControl(kMemory.pictureLabel)), "");
    EXPECT_FALSE(driver().IsDisabled(MainControl(kMemory.brandList)));

    // A name holding a quote finds its own products, in price order.
    Pick(kMemory.brandList, "O'Neil");
    EXPECT_EQ(Items(kMemory.productList, 4),
              (Rows{{"129.00", "O'Neil DDR4 3200 8G", "一年包换", "nc_0003.jpg"},
                    {"299.00", "O'Neil DDR5 5600 16G", "三年", "nc_0004.jpg"}}));
    // A NULL warranty reads as the empty text.
    Pick(Info(ComponentCategory::Case).brandList, "先马");
    EXPECT_EQ(Items(Info(ComponentCategory::Case).productList, 4),
              (Rows{{"199.00", "平头哥M2", "", "jx_0002.jpg"}}));
}

TEST_F(PickTest, ABrandNameWrittenAsSqlFindsNothing) {
    // A list item crafted as SQL (the catalogue could hold such a name).
    const ControlRef brands = MainControl(kGraphics.brandList);
    const int item = windows().InsertItem(brands);
    windows().SetItemText(brands, item, 0, "x' or '1'='1");
    Pick(kGraphics.brandList, "影驰");
    ASSERT_EQ(windows().GetItemCount(MainControl(kGraphics.productList)), 1);
    Pick(kGraphics.brandList, "x' or '1'='1");
    EXPECT_EQ(windows().GetItemCount(MainControl(kGraphics.productList)), 0);
}

TEST_F(PickTest, MotherboardBrandListsThePlatformsBoardsWithTheirFlagColumns) {
    // The motherboard brands wait for a platform pick.
    EXPECT_EQ(windows().GetItemCount(MainControl(kBoard.brandList)), 0);
    Pick(kPlatformList, "Intel LGA1700");
    Pick(kBoard.brandList, "华硕");
    EXPECT_EQ(Items(kBoard.productList, 6),
              (Rows{{"899.00", "PRIME B760M-A D4", "三年", "zb_0001.jpg", "a", "a"},
                    {"1999.00", "TUF GAMING Z790-PLUS WIFI", "三年", "zb_0002.jpg", "", "a"}}));
}

TEST_F(PickTest, BrandListIsDisabledUntilItsWorkerEnds) {
    Pick(kPlatformList, "AMD AM5");
    std::unique_lock<std::mutex> holdBoardLists(program().motherboardLists);
    driver().SelectItem(MainControl(kBoard.brandList), ItemIndex(kBoard.brandList, "微星"));
    EXPECT_TRUE(driver().IsDisabled(MainControl(kBoard.brandList)));
    holdBoardLists.unlock();
    ASSERT_TRUE(driver().WaitForWorkers(30s));
    EXPECT_FALSE(driver().IsDisabled(MainControl(kBoard.brandList)));
    EXPECT_EQ(Items(kBoard.productList, 6),
              (Rows{{"1499.00", "MAG B650 TOMAHAWK WIFI", "三年", "zb_0008.jpg", "", ""}}));
}

TEST_F(PickTest, MotherboardBrandWithNoPlatformChosenListsNothing) {
    // The brand list as a platform pick would leave it, but no platform selected.
    const ControlRef brands = MainControl(kBoard.brandList);
    windows().SetItemText(brands, windows().InsertItem(brands), 0, "华硕");
    Pick(kBoard.brandList, "华硕");
    EXPECT_EQ(windows().GetItemCount(MainControl(kBoard.productList)), 0);
    EXPECT_FALSE(driver().IsDisabled(brands));
}

TEST_F(PickTest, PlatformPickLoadsBrandsAndCpusAndUnlocksTheirPages) {
    windows().SetPicture(MainControl(kBoard.pictureLabel), "old");
    windows().SetPicture(MainControl(kCpu.pictureLabel), "old");
    Pick(kPlatformList, "Intel LGA1700");
    EXPECT_EQ(Text(main_window::kPlatformDescriptionBox),
              "英特尔第12至14代酷睿处理器，支持DDR4/DDR5内存");
    // Equal paixu (技嘉, 微星) come as the server orders them.
    const std::vector<std::string> brands = Column0(kBoard.brandList);
    ASSERT_EQ(brands.size(), 4u);
    EXPECT_EQ(brands.front(), "华硕");
    EXPECT_EQ(brands.back(), "华擎");
    EXPECT_EQ(Items(kCpu.productList, 5),
              (Rows{{"899.00", "酷睿 i5-12400F 盒装", "三年", "cpu_0001.jpg", ""},
                    {"1299.00", "酷睿 i5-13400 盒装", "三年", "cpu_0002.jpg", "a"},
                    {"2899.00", "酷睿 i7-14700K 盒装", "三年", "cpu_0003.jpg", "a"}}));
    EXPECT_TRUE(PageEnabled(1));
    EXPECT_TRUE(PageEnabled(2));
    EXPECT_FALSE(driver().IsDisabled(MainControl(kPlatformList)));
    EXPECT_EQ(driver().PictureBytes(MainControl(kBoard.pictureLabel)), "");
    EXPECT_EQ(driver().PictureBytes(MainControl(kCpu.pictureLabel)), "");
    EXPECT_EQ(Text(main_window::kChannelTotalBox), "0");

    // A NULL description shows as nothing; a duplicated platform name makes
    // the server reject the CPU statement: the list ends empty, pages stay.
    Pick(kPlatformList, "AMD AM4");
    EXPECT_EQ(Text(main_window::kPlatformDescriptionBox), "");
    EXPECT_EQ(Column0(kCpu.productList), std::vector<std::string>{"799.00"});
    Pick(kPlatformList, "双平台");
    EXPECT_EQ(windows().GetItemCount(MainControl(kCpu.productList)), 0);
    EXPECT_TRUE(PageEnabled(2));
}

TEST_F(PickTest, SecondPlatformPickTakesBoardAndCpuOutOfTheQuoteButKeepsRetailAndWarranty) {
    Pick(kPlatformList, "Intel LGA1700");
    Pick(kBoard.brandList, "华硕");
    Pick(kBoard.productList, "899.00");
    Pick(kCpu.productList, "1299.00");
    SetText(kBoard.retailPriceBox, "950");
    SetText(kCpu.retailPriceBox, "1400");
    SetText(kCpu.quantityBox, "2");
    SetText(kMemory.channelPriceLabel, "100");
    RecalculateQuote(windows());
    ASSERT_EQ(Text(main_window::kChannelTotalBox), "3597");

    Pick(kPlatformList, "AMD AM5");
    for (std::string_view emptied :
         {kBoard.modelLabel, kBoard.channelPriceLabel, kCpu.modelLabel, kCpu.channelPriceLabel,
          kBoard.noticeLabel, kCpu.noticeLabel}) {
        EXPECT_EQ(Text(emptied), "") << emptied;
    }
    EXPECT_EQ(Text(kBoard.warrantyLabel), "三年");
    EXPECT_EQ(Text(kCpu.warrantyLabel), "三年");
    EXPECT_EQ(Text(kCpu.quantityBox), "2");
    EXPECT_EQ(Text(main_window::kChannelTotalBox), "100");
    EXPECT_EQ(Text(main_window::kRetailTotalBox), "3750");
    EXPECT_EQ(Text(main_window::kProfitBox), "3650");
    EXPECT_EQ(windows().GetItemCount(MainControl(kBoard.productList)), 0);
    EXPECT_EQ(Column0(kCpu.productList), (std::vector<std::string>{"849.00", "2399.00"}));
}

TEST_F(PickTest, ProductPickFillsTheRowShowsThePictureAndRecalculates) {
    web().AddFile("tp/nc_0001.jpg", "\x89PNG picture bytes");
    Pick(kMemory.brandList, "金士顿");
    SetText(kMemory.quantityBox, "2");
    SetText(kMemory.retailPriceBox, "450");
    web().ClearRequests();
    Pick(kMemory.productList, "399.00");
    EXPECT_EQ(Text(kMemory.channelPriceLabel), "399.00");
    EXPECT_EQ(Text(kMemory.modelLabel), "FURY Beast DDR5 6000 16G");
    EXPECT_EQ(Text(kMemory.warrantyLabel), "终身保固");
    EXPECT_EQ(Text(kMemory.quantityBox), "2");
    EXPECT_EQ(Text(kMemory.retailPriceBox), "450");
    EXPECT_EQ(driver().PictureBytes(MainControl(kMemory.pictureLabel)), "\x89PNG picture bytes");
    ASSERT_EQ(web().Requests().size(), 1u);
    EXPECT_EQ(web().Requests()[0].requestLine, "GET /tp/nc_0001.jpg HTTP/1.0");
    EXPECT_EQ(Text(main_window::kChannelTotalBox), "798");
    EXPECT_EQ(Text(main_window::kRetailTotalBox), "900");
    EXPECT_EQ(Text(main_window::kProfitBox), "102");
    EXPECT_EQ(Text(main_window::kChannelCapitalsLabel), "柒佰玖拾捌元整");
}

// Each motherboard and CPU of the fixture with the notice its flags give.
struct NoticeCase {
    std::string platform, brand, price, notice;
};

TEST_F(PickTest, MotherboardAndCpuNoticesFollowTheirOwnFlags) {
    const std::vector<NoticeCase> boards = {
        {"Intel LGA1700", "华硕", "899.00", std::string(kBoardIntegratedGraphicsNotice)},  // a, a
        {"Intel LGA1700", "华硕", "1999.00", std::string(kBoardDisplayConnectorNotice)},   // "", a
        {"Intel LGA1700", "技嘉", "1199.00", std::string(kBoardNoGraphicsNotice)},         // "", ""
        {"Intel LGA1700", "技嘉", "549.50", std::string(kBoardIntegratedGraphicsNotice)},  // a, ""
        {"Intel LGA1700", "微星", "699.00", std::string(kBoardDisplayConnectorNotice)},    // A, a
        {"AMD AM5", "微星", "1499.00", std::string(kBoardNoGraphicsNotice)},  // NULL, NULL
    };
    for (const NoticeCase& board : boards) {
        SCOPED_TRACE(board.brand + " " + board.price);
        Pick(kPlatformList, board.platform);
        Pick(kBoard.brandList, board.brand);
        Pick(kBoard.productList, board.price);
        EXPECT_EQ(Text(kBoard.noticeLabel), board.notice);
    }
    const std::vector<NoticeCase> cpus = {
        {"Intel LGA1700", "", "899.00", ""},                                          // ""
        {"Intel LGA1700", "", "1299.00", std::string(kCpuIntegratedGraphicsNotice)},  // a
        {"AMD AM5", "", "849.00", ""},                                                // b
        {"Intel LGA1200", "", "599.00", ""},                                          // NULL
    };
    for (const NoticeCase& cpu : cpus) {
        SCOPED_TRACE(cpu.platform + " " + cpu.price);
        Pick(kPlatformList, cpu.platform);
        Pick(kCpu.productList, cpu.price);
        EXPECT_EQ(Text(kCpu.noticeLabel), cpu.notice);
    }
}

TEST_F(PickTest, PickWithThePictureServerDownStillFillsTheRowAndTotals) {
    Pick(kGraphics.brandList, "影驰");
    windows().SetPicture(MainControl(kGraphics.pictureLabel), "old");
    web().Stop();
    Pick(kGraphics.productList, "4799.00");
    EXPECT_EQ(Text(kGraphics.modelLabel), "GeForce RTX 4070 SUPER 星曜 OC");
    EXPECT_EQ(driver().PictureBytes(MainControl(kGraphics.pictureLabel)), "");
    EXPECT_EQ(Text(main_window::kChannelTotalBox), "4799");
}

TEST(Notices, OnlyTheExactLetterACountsAsAFlag) {
    EXPECT_EQ(MotherboardNotice("a", ""), kBoardIntegratedGraphicsNotice);
    EXPECT_EQ(MotherboardNotice("a", "a"), kBoardIntegratedGraphicsNotice);
    EXPECT_EQ(MotherboardNotice("", "a"), kBoardDisplayConnectorNotice);
    for (std::string_view notFlag : {"", "A", " a", "a ", "aa", "1"}) {
        EXPECT_EQ(MotherboardNotice(notFlag, notFlag), kBoardNoGraphicsNotice) << notFlag;
        EXPECT_EQ(CpuNotice(notFlag), "") << notFlag;
    }
    EXPECT_EQ(CpuNotice("a"), kCpuIntegratedGraphicsNotice);
}

}  // namespace
}  // namespace quotexa::test_support
