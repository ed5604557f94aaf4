// Amounts written out in Chinese numerals, as the quote shows both totals.
#include "quote/capitals.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace quotexa {
namespace {

struct AmountCase {
    double yuan;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const AmountCase& c) {
    return out << c.yuan << " -> " << c.text;
}

class CapitalNumerals : public testing::TestWithParam<AmountCase> {};

TEST_P(CapitalNumerals, WritesTheAmount) {
    EXPECT_EQ(AmountInCapitals(GetParam().yuan), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, CapitalNumerals,
    testing::Values(
        AmountCase{0, "零"}, AmountCase{0.004, "零"}, AmountCase{0.005, "壹分"},
        AmountCase{0.05, "伍分"}, AmountCase{0.15, "壹角伍分"}, AmountCase{0.285, "贰角玖分"},
        AmountCase{0.5, "伍角整"}, AmountCase{1, "壹元整"}, AmountCase{1.005, "壹元零壹分"},
        AmountCase{10, "壹拾元整"}, AmountCase{10.05, "壹拾元零伍分"},
        AmountCase{10.5, "壹拾元零伍角整"}, AmountCase{12.5, "壹拾贰元伍角整"},
        AmountCase{1005, "壹仟零伍元整"}, AmountCase{1234.56, "壹仟贰佰叁拾肆元伍角陆分"},
        AmountCase{3506, "叁仟伍佰零陆元整"}, AmountCase{10000, "壹万元整"},
        AmountCase{100500, "壹拾万零伍佰元整"}, AmountCase{1000000, "壹佰万元整"},
        AmountCase{100000001, "壹亿零壹元整"}, AmountCase{100050000, "壹亿零伍万元整"},
        AmountCase{2000000000, "贰拾亿元整"}, AmountCase{1000000010000, "壹万亿零壹万元整"},
        AmountCase{9999999999999.99,
                   "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        AmountCase{10000000000000, "溢出"}, AmountCase{-12.5, "负壹拾贰元伍角整"},
        AmountCase{-0.001, "零"}));

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CapitalNumerals,
    testing::Values(
        // Rounds to no fen: no sign, no 元, no 整.
        AmountCase{-0.0, "零"}, AmountCase{-0.004, "零"},
        // 0.015 is stored just below 1.5 fen; the nudge lifts it over the half.
        AmountCase{0.015, "贰分"}, AmountCase{1.015, "壹元零贰分"},
        // Zeros between non-zero digits give one 零 per run, on both sides of 元.
        AmountCase{1010.1, "壹仟零壹拾元零壹角整"}, AmountCase{10001, "壹万零壹元整"},
        AmountCase{100.01, "壹佰元零壹分"},
        // A section whose first position holds a zero still gets its 万 or 亿.
        AmountCase{101000000, "壹亿零壹佰万元整"}, AmountCase{110000, "壹拾壹万元整"},
        AmountCase{200000000000, "贰仟亿元整"}, AmountCase{1000000000001, "壹万亿零壹元整"},
        AmountCase{110000000, "壹亿壹仟万元整"},
        // Every numeral and every unit once.
        AmountCase{9876543210987.65, "玖万捌仟柒佰陆拾伍亿肆仟叁佰贰拾壹万零玖佰捌拾柒元陆角伍分"},
        // The largest double below 9 999 999 999 999.995 stays in range; the
        // next one rounds to 10^15 fen, beyond the fifteen positions.
        AmountCase{9999999999999.994,
                   "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        AmountCase{9999999999999.996, "溢出"},
        // Overflow shows no sign.
        AmountCase{-10000000000000, "溢出"},
        AmountCase{-9999999999999.99,
                   "负玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        // Values a number box can hold but no amount: never converted to an integer.
        AmountCase{std::numeric_limits<double>::infinity(), "溢出"},
        AmountCase{-std::numeric_limits<double>::infinity(), "溢出"},
        AmountCase{std::numeric_limits<double>::quiet_NaN(), "溢出"},
        AmountCase{std::numeric_limits<double>::max(), "溢出"}));

class OrdinaryNumerals : public testing::TestWithParam<AmountCase> {};

TEST_P(OrdinaryNumerals, WritesTheAmount) {
    EXPECT_EQ(AmountInCapitals(GetParam().yuan, /*plainNumerals=*/true), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, OrdinaryNumerals,
    testing::Values(AmountCase{10, "一十元整"}, AmountCase{1234.56, "一千二百三十四元五角六分"},
                    AmountCase{9876543210987.65,
                               "九万八千七百六十五亿四千三百二十一万零九百八十七元六角五分"},
                    AmountCase{-100500, "负一十万零五百元整"}, AmountCase{0, "零"},
                    AmountCase{10000000000000, "溢出"}));

}  // namespace
}  // namespace quotexa
