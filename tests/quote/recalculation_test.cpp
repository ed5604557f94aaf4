// Quote totals, profit, capital-numeral amounts and row clearing, driven
// through the main window's real layout on the headless window system.
#include "quote/recalculation.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/main_window_harness.h"

namespace quotexa {
namespace {

struct Totals {
    std::string channel, retail, profit, channelCapitals, retailCapitals;
    friend bool operator==(const Totals&, const Totals&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Totals& t) {
        return out << "{" << t.channel << ", " << t.retail << ", " << t.profit << ", "
                   << t.channelCapitals << ", " << t.retailCapitals << "}";
    }
};

Totals ReadTotals(WindowSystem& windows) {
    return {windows.GetText(MainControl("合计")), windows.GetText(MainControl("合计1")),
            windows.GetText(MainControl("利润")), windows.GetText(MainControl("金额大写")),
            windows.GetText(MainControl("金额大写1"))};
}

class RecalculateQuoteTest : public ::testing::Test {
protected:
    MainWindowHarness harness_;
    WindowSystem& windows_ = harness_.windows();

    void Set(std::string_view control, std::string_view text) {
        windows_.SetText(MainControl(control), text);
    }
};

TEST_F(RecalculateQuoteTest, EmptyQuoteShowsZeroEverywhere) {
    RecalculateQuote(windows_);
    EXPECT_EQ(ReadTotals(windows_), (Totals{"0", "0", "0", "零", "零"}));
}

TEST_F(RecalculateQuoteTest, WorkedExample) {
    Set("主板价格", "599");
    Set("主板价格1", "650");
    Set("cpu价格", "1299");
    Set("cpu价格1", "1350");
    Set("内存价格", "189.5");
    Set("内存数量", "2");
    Set("内存价格1", "200");
    RecalculateQuote(windows_);
    EXPECT_EQ(ReadTotals(windows_),
              (Totals{"2277", "2400", "123", "贰仟贰佰柒拾柒元整", "贰仟肆佰元整"}));
}

// Each case fills a few grid cells (control, text) and expects the totals.
struct GridCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> cells;
    Totals expected;
};

class RecalculateGridCases : public RecalculateQuoteTest,
                             public ::testing::WithParamInterface<GridCase> {};

TEST_P(RecalculateGridCases, TotalsFollowTheGrid) {
    for (const auto& [control, text] : GetParam().cells) Set(control, text);
    RecalculateQuote(windows_);
    EXPECT_EQ(ReadTotals(windows_), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecalculateGridCases,
    ::testing::Values(
        GridCase{"QuantityMultipliesThePrice",
                 {{"cpu价格", "1299"}, {"cpu数量", "2"}},
                 {"2598", "0", "-2598", "贰仟伍佰玖拾捌元整", "零"}},
        GridCase{"RetailBelowChannelGivesNegativeProfit",
                 {{"显卡价格", "1000"}, {"显卡价格1", "850"}},
                 {"1000", "850", "-150", "壹仟元整", "捌佰伍拾元整"}},
        // The profit is the difference of the shown doubles.
        GridCase{
            "ProfitIsTakenBetweenTheShownTotals",
            {{"硬盘价格", "1000000.1"}, {"硬盘价格1", "1000000.3"}},
            {"1000000.1", "1000000.3", "0.2000000000698", "壹佰万元零壹角整", "壹佰万元零叁角整"}},
        GridCase{"NegativeQuantityGivesNegativeAmounts",
                 {{"机箱价格", "12.5"}, {"机箱数量", "-1"}},
                 {"-12.5", "0", "12.5", "负壹拾贰元伍角整", "零"}},
        // Texts that are no numbers count as 0; full-width digits are read.
        GridCase{
            "NonNumbersCountAsZero",
            {{"电源价格", "abc"}, {"电源价格1", "１２．５"}, {"光驱价格", "99"}, {"光驱数量", ""}},
            {"0", "12.5", "12.5", "零", "壹拾贰元伍角整"}},
        // The running sum keeps a 64-bit significand: in plain double
        // arithmetic the 1 would be lost beside 1e16.
        GridCase{"SumKeepsExtendedPrecision",
                 {{"主板价格", "1e16"}, {"cpu价格", "1"}, {"硬盘价格", "-1e16"}},
                 {"1", "0", "-1", "壹元整", "零"}},
        GridCase{"HugeTotalShowsExponentAndOverflow",
                 {{"显示器价格", "1e13"}},
                 {"1e+013", "0", "-1e+013", "溢出", "零"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(RecalculateQuoteTest, TypingAQuantityOrRetailPriceRecalculates) {
    Set("键鼠价格", "100");
    harness_.driver().TypeText(MainControl("键鼠数量"), "3");
    EXPECT_EQ(windows_.GetText(MainControl("合计")), "300");
    harness_.driver().TypeText(MainControl("键鼠价格1"), "400");
    EXPECT_EQ(ReadTotals(windows_), (Totals{"300", "1200", "900", "叁佰元整", "壹仟贰佰元整"}));
}

TEST_F(RecalculateQuoteTest, CalledFromAWorkerItRunsOnTheWindowThread) {
    Set("音箱价格", "88");
    std::thread worker([this] { RecalculateQuote(windows_); });
    worker.join();
    EXPECT_EQ(windows_.GetText(MainControl("合计")), "88");
}

TEST_F(RecalculateQuoteTest, DoubleClickingAModelClearsTheRowButKeepsItsQuantity) {
    Set("散热器型号", "Frost 120");
    Set("散热器价格", "150");
    Set("散热器保修", "一年");
    Set("散热器数量", "2");
    Set("散热器价格1", "180");
    Set("主板价格", "500");
    RecalculateQuote(windows_);
    ASSERT_EQ(windows_.GetText(MainControl("合计")), "800");

    harness_.driver().DoubleClick(MainControl("散热器型号"));
    for (const char* cleared : {"散热器型号", "散热器价格", "散热器保修", "散热器价格1"}) {
        EXPECT_EQ(windows_.GetText(MainControl(cleared)), "") << cleared;
    }
    EXPECT_EQ(windows_.GetText(MainControl("散热器数量")), "2");
    EXPECT_EQ(ReadTotals(windows_), (Totals{"500", "0", "-500", "伍佰元整", "零"}));

    // An empty row: the totals stay, and are written once more.
    Set("合计", "stale");
    harness_.driver().DoubleClick(MainControl("散热器型号"));
    EXPECT_EQ(windows_.GetText(MainControl("合计")), "500");
}

}  // namespace
}  // namespace quotexa
