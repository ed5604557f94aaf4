// The four price-list texts, byte for byte.
#include "export/price_list.h"

#include <gtest/gtest.h>

#include <string>

#include "support/main_window_harness.h"

namespace quotexa {
namespace {

const Vendor kVendor{
    .companyName = "Marrowind",
    .telephone = "020-38881234",
    .fax = "020-38881235",
    .postalAddress = "广州市天河区科韵路88号",
    .catalogueHost = "db.example",
    .webHost = "www.example:8080",
};

const std::string kFooter =
    "---------------------------------\r\n"
    "Marrowind\r\n"
    "电话:020-38881234\r\n"
    "传真:020-38881235\r\n"
    "http://www.example:8080\r\n"
    "地址:广州市天河区科韵路88号\r\n"
    "------------------------------------------------------------";

// An untouched quote: every quantity 1, everything else empty.
PriceListSource EmptyQuote() {
    PriceListSource source;
    for (PriceListRow& row : source.rows) row.quantity = "1";
    return source;
}

TEST(PriceListText, EmptyQuoteGivesAllTwelveLinesInBothForms) {
    const PriceListSource source = EmptyQuote();
    EXPECT_EQ(ComposeClipboardList(source),
              "主  板：1X \t\r\n"
              "C P U ：1X \t\r\n"
              "硬  盘：1X \t\r\n"
              "内  存：1X \t\r\n"
              "显  卡：1X \t\r\n"
              "光  驱：1X \t\r\n"
              "机  箱：1X \t\r\n"
              "电  源：1X \t\r\n"
              "显示器：1X \t\r\n"
              "键  鼠：1X \t\r\n"
              "散热器：1X \t\r\n"
              "音  箱：1X \t\r\n"
              "以上清单总价：");
    EXPECT_EQ(ComposeFileList(source, kVendor),
              "1*\t\t主  板：\r\n"
              "1*\t\tC P U ：\r\n"
              "1*\t\t硬  盘：\r\n"
              "1*\t\t内  存：\r\n"
              "1*\t\t显  卡：\r\n"
              "1*\t\t光  驱：\r\n"
              "1*\t\t机  箱：\r\n"
              "1*\t\t电  源：\r\n"
              "1*\t\t显示器：\r\n"
              "1*\t\t键  鼠：\r\n"
              "1*\t\t音  箱：\r\n"
              "1*\t\t散热器：\r\n"
              "---------------------------------\r\n"
              "以上价格合计：￥该报价不含税\r\n" +
                  kFooter);
}

// The worked example: a motherboard, quantity 2, channel 599, retail 650,
// warranty 三年, model ABC-1; a speaker and a cooler show the order of the
// last two lines; the controls are read through the window system.
TEST(PriceListText, WorkedExampleThroughTheControlsInBothColumns) {
    MainWindowHarness harness(kVendor);
    auto& windows = harness.windows();
    windows.SetText(MainControl("主板数量"), "2");
    windows.SetText(MainControl("主板价格"), "599");
    windows.SetText(MainControl("主板价格1"), "650");
    windows.SetText(MainControl("主板保修"), "三年");
    windows.SetText(MainControl("主板型号"), "ABC-1");
    windows.SetText(MainControl("音箱型号"), "S-2");
    windows.SetText(MainControl("散热器型号"), "C-3");
    // What the user typed is exported unchanged, an emptied quantity as nothing.
    windows.SetText(MainControl("内存数量"), "");
    windows.SetText(MainControl("硬盘价格1"), " 1,2a ");
    windows.SetText(MainControl("合计"), "1198");
    windows.SetText(MainControl("合计1"), "1300");

    const std::string channelClipboard = BuildClipboardList(windows, PriceColumn::Channel);
    EXPECT_EQ(channelClipboard,
              "主  板：2X 599\tABC-1\r\n"
              "C P U ：1X \t\r\n"
              "硬  盘：1X \t\r\n"
              "内  存：X \t\r\n"
              "显  卡：1X \t\r\n"
              "光  驱：1X \t\r\n"
              "机  箱：1X \t\r\n"
              "电  源：1X \t\r\n"
              "显示器：1X \t\r\n"
              "键  鼠：1X \t\r\n"
              "散热器：1X \tC-3\r\n"
              "音  箱：1X \tS-2\r\n"
              "以上清单总价：1198");

    const std::string retailFile = BuildFileList(windows, PriceColumn::Retail, kVendor);
    EXPECT_EQ(retailFile,
              "2*650\t三年\t主  板：ABC-1\r\n"
              "1*\t\tC P U ：\r\n"
              "1* 1,2a \t\t硬  盘：\r\n"
              "*\t\t内  存：\r\n"
              "1*\t\t显  卡：\r\n"
              "1*\t\t光  驱：\r\n"
              "1*\t\t机  箱：\r\n"
              "1*\t\t电  源：\r\n"
              "1*\t\t显示器：\r\n"
              "1*\t\t键  鼠：\r\n"
              "1*\t\t音  箱：S-2\r\n"
              "1*\t\t散热器：C-3\r\n"
              "---------------------------------\r\n"
              "以上价格合计：￥1300该报价不含税\r\n" +
                  kFooter);

    // The other column of each form takes the other prices and total; the
    // quantities, models and warranties are the same.
    const std::string retailClipboard = BuildClipboardList(windows, PriceColumn::Retail);
    EXPECT_EQ(retailClipboard.substr(0, retailClipboard.find("\r\n")), "主  板：2X 650\tABC-1");
    EXPECT_NE(retailClipboard.find("硬  盘：1X  1,2a \t\r\n"), std::string::npos);
    EXPECT_TRUE(retailClipboard.ends_with("以上清单总价：1300"));
    const std::string channelFile = BuildFileList(windows, PriceColumn::Channel, kVendor);
    EXPECT_TRUE(channelFile.starts_with("2*599\t三年\t主  板：ABC-1\r\n1*\t\tC P U ：\r\n1*\t\t"));
    EXPECT_NE(channelFile.find("以上价格合计：￥1198该报价不含税\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quotexa
