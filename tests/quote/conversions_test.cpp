// Conversions between texts and numbers: what is read from quantities, prices
// and the port box, and the exact characters written for totals and profit.
#include "quote/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace quotexa {
namespace {

// UTF-8 bytes of one code point of the Basic Multilingual Plane.
std::string Utf8(char32_t codePoint) {
    std::string bytes;
    if (codePoint < 0x80) {
        bytes += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        bytes += static_cast<char>(0xC0 | (codePoint >> 6));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        bytes += static_cast<char>(0xE0 | (codePoint >> 12));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return bytes;
}

// ---------------------------------------------------------------- folding

struct FoldCase {
    const char* what;
    std::string text;
    std::string folded;
};

std::ostream& operator<<(std::ostream& out, const FoldCase& c) {
    return out << c.what;
}

class FoldFullWidthTable : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldFullWidthTable, FoldsExactlyTheTableCharacters) {
    EXPECT_EQ(FoldFullWidth(GetParam().text), GetParam().folded);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRowOfTheFoldingTable, FoldFullWidthTable,
    testing::Values(FoldCase{"ideographic space", "\u3000", " "},
                    FoldCase{"first full-width form, exclamation mark", "！", "!"},
                    FoldCase{"full-width digits", "０１２３４５６７８９", "0123456789"},
                    FoldCase{"full-width full stop", "．", "."},
                    FoldCase{"full-width hyphen-minus and plus", "－＋", "-+"},
                    FoldCase{"full-width exponent letters", "ＥｅＤｄ", "EeDd"},
                    FoldCase{"full-width letters", "ＡＺａｚ", "AZaz"},
                    FoldCase{"last full-width form, right brace", "｝", "}"},
                    FoldCase{"full-width yen sign", "￥", "$"},
                    FoldCase{"full-width macron", "￣", "~"},
                    FoldCase{"full-width tilde", "～", "~"},
                    FoldCase{"white and black star", "☆★", "**"},
                    FoldCase{"full-width dollar sign is kept", "＄", "＄"},
                    FoldCase{"neighbours of the full-width range are kept",
                             Utf8(0xFF00) + Utf8(0xFF5F) + Utf8(0xFFE4) + Utf8(0xFFE6),
                             Utf8(0xFF00) + Utf8(0xFF5F) + Utf8(0xFFE4) + Utf8(0xFFE6)},
                    FoldCase{"Chinese and ASCII text unchanged, spaces kept", "主板 12元 \t合计",
                             "主板 12元 \t合计"},
                    FoldCase{"mixed text folds in place", "价格：１２．５元　☆", "价格:12.5元 *"},
                    FoldCase{"four-byte character unchanged", "\U0001F600１", "\U0001F6001"},
                    FoldCase{"the empty text", "", ""}));

TEST(FoldFullWidth, EveryFullWidthFormExceptDollarBecomesItsAsciiCounterpart) {
    for (char32_t codePoint = 0xFF01; codePoint <= 0xFF5D; ++codePoint) {
        SCOPED_TRACE(testing::Message()
                     << "U+" << std::hex << static_cast<std::uint32_t>(codePoint));
        const std::string folded = FoldFullWidth(Utf8(codePoint));
        if (codePoint == 0xFF04) {
            EXPECT_EQ(folded, Utf8(codePoint));
        } else {
            EXPECT_EQ(folded, std::string(1, static_cast<char>(codePoint - 0xFF01 + '!')));
        }
    }
}

TEST(FoldFullWidth, InvalidUtf8BytesPassThroughUnchanged) {
    const std::string fullWidthOne = "１";  // EF BC 91
    const struct {
        const char* what;
        std::string text;
        std::string folded;
    } cases[] = {
        {"lone continuation byte",
         "\x80"
         "5",
         "\x80"
         "5"},
        {"lead byte cut short at the end", "1\xEF\xBC", "1\xEF\xBC"},
        {"lead byte followed by a valid character", "\xEF" + fullWidthOne,
         "\xEF"
         "1"},
        {"truncated four-byte sequence before a full-width digit", "\xF0\x9F" + fullWidthOne,
         "\xF0\x9F"
         "1"},
        {"overlong encoding of a full stop", "\xE0\x80\xAE", "\xE0\x80\xAE"},
        {"surrogate code point", "\xED\xA0\x80", "\xED\xA0\x80"},
        {"bytes that are never UTF-8", "\xFF\xFE", "\xFF\xFE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FoldFullWidth(c.text), c.folded);
    }
}

// ---------------------------------------------------------- text to number

struct NumberCase {
    const char* what;
    std::string text;
    double value;
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c) {
    return out << c.what << " [" << c.text << "]";
}

class TextToNumberTable : public testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberTable, ReadsTheLeadingNumber) {
    const double read = TextToNumber(GetParam().text);
    // Exact comparison: the value must be the nearest double, sign of zero included.
    EXPECT_EQ(read, GetParam().value);
    EXPECT_EQ(std::signbit(read), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, TextToNumberTable,
    testing::Values(NumberCase{"the empty text", "", 0},
                    NumberCase{"full-width digits and full stop", "１２．５", 12.5},
                    NumberCase{"full-width exponent", "１Ｅ２", 100},
                    NumberCase{"after an ideographic space", "\u300012", 12},
                    NumberCase{"unit after the number", "12元", 12},
                    NumberCase{"comma ends the number", "1,234", 1},
                    NumberCase{"full-width yen sign in front", "￥100", 0},
                    NumberCase{"letters", "abc", 0}, NumberCase{"a lone full stop", ".", 0},
                    NumberCase{"no digits after the point", "5.", 5},
                    NumberCase{"no digits before the point", ".5", 0.5},
                    NumberCase{"exponent letter d", "2d2", 200},
                    NumberCase{"exponent letter e", "1e3", 1000},
                    NumberCase{"exponent letter without digits", "1e", 1},
                    NumberCase{"sign after the mantissa", "1+5", 1},
                    NumberCase{"space between sign and digits", "- 5", 0},
                    NumberCase{"negative with exponent", "-.5e1", -5},
                    NumberCase{"hexadecimal is not read", "0x1A", 0}));

INSTANTIATE_TEST_SUITE_P(
    MoreForms, TextToNumberTable,
    testing::Values(NumberCase{"every white space character skipped", " \t\n\v\f\r7", 7},
                    NumberCase{"plus sign", "+5", 5}, NumberCase{"a lone sign", "-", 0},
                    NumberCase{"two signs", "--5", 0},
                    NumberCase{"exponent letters D and E with signs", "2D-1", 0.2},
                    NumberCase{"exponent with plus sign", "1.5E+2", 150},
                    NumberCase{"exponent sign without digits", "1.5e-", 1.5},
                    NumberCase{"exponent ends at a point", "1e3.5", 1000},
                    NumberCase{"point and exponent without digits", ".e5", 0},
                    NumberCase{"full-width minus and digits", "－３", -3},
                    NumberCase{"negative zero keeps its sign", "-0", -0.0},
                    NumberCase{"leading zeros", "000120", 120},
                    NumberCase{"nearest double, not a sum of parts", "0.1", 0.1},
                    NumberCase{"halfway between doubles rounds to even", "9007199254740993",
                               9007199254740992.0},
                    NumberCase{"more digits than a double holds",
                               "3.14159265358979323846264338327950288", 3.141592653589793},
                    NumberCase{"smallest subnormal", "4.9406564584124654e-324",
                               std::numeric_limits<double>::denorm_min()},
                    NumberCase{"largest double", "1.7976931348623157e308",
                               std::numeric_limits<double>::max()}));

INSTANTIATE_TEST_SUITE_P(
    BeyondTheRangeOfADouble, TextToNumberTable,
    testing::Values(
        NumberCase{"too large", "1e400", std::numeric_limits<double>::infinity()},
        NumberCase{"too large, negative", "-1e400", -std::numeric_limits<double>::infinity()},
        NumberCase{"too small", "1e-400", 0}, NumberCase{"too small, negative", "-1e-400", -0.0},
        NumberCase{"exponent beyond any integer", "1e99999999999999999999999999",
                   std::numeric_limits<double>::infinity()},
        NumberCase{"negative exponent beyond any integer", "5e-99999999999999999999999999", 0},
        NumberCase{"zero with a huge exponent", "0e99999999999999999999999999", 0},
        // Whether a number lies above or below the range depends on where its
        // digits start, not on the sign of its exponent alone.
        NumberCase{"tiny although the exponent is positive", "0." + std::string(420, '0') + "1e5",
                   0},
        NumberCase{"huge although the exponent is negative", "1" + std::string(420, '0') + "e-5",
                   std::numeric_limits<double>::infinity()},
        NumberCase{"leading fraction zeros keep it in range", "0.0001e310", 1e306}));

TEST(TextToNumber, ReadsNumbersAsDecimalIndependentlyOfTheirLength) {
    // A long run of zeros in front of and behind the digits must not change
    // the value (the digits are read as one decimal number, not summed).
    const std::string zeros(400, '0');
    EXPECT_EQ(TextToNumber(zeros + "12.5" + zeros), 12.5);
    EXPECT_EQ(TextToNumber("0." + zeros + "125e402"), 12.5);
}

// --------------------------------------------------------- text to integer

struct IntegerCase {
    const char* what;
    std::string text;
    std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const IntegerCase& c) {
    return out << c.what << " [" << c.text << "]";
}

class TextToIntegerTable : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerTable, ReadsTheLeadingInteger) {
    EXPECT_EQ(TextToInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, TextToIntegerTable,
    testing::Values(
        IntegerCase{"the empty text", "", 0}, IntegerCase{"a port", "3306", 3306},
        IntegerCase{"leading space and trailing letters", " 3306abc", 3306},
        IntegerCase{"a point stops it, no rounding", "3306.9", 3306},
        IntegerCase{"negative", "-12", -12}, IntegerCase{"wraps around", "99999999999", 1215752191},
        IntegerCase{"plus sign", "+7", 7},
        IntegerCase{"one past the largest wraps to the smallest", "2147483648",
                    std::numeric_limits<std::int32_t>::min()},
        IntegerCase{"the smallest", "-2147483648", std::numeric_limits<std::int32_t>::min()},
        IntegerCase{"2^32 wraps to zero", "4294967296", 0},
        IntegerCase{"negation wraps too", "-4294967295", 1},
        IntegerCase{"full-width digits after an ideographic space", "\u3000４４３", 443},
        IntegerCase{"space between sign and digits", "- 5", 0},
        IntegerCase{"an exponent is not read", "1e3", 1}, IntegerCase{"letters", "port", 0}));

// ---------------------------------------------------------- number to text

struct TextCase {
    const char* what;
    double value;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) {
    return out << c.what << " [" << c.text << "]";
}

class NumberToTextTable : public testing::TestWithParam<TextCase> {};

TEST_P(NumberToTextTable, WritesThirteenSignificantDigits) {
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResults, NumberToTextTable,
    testing::Values(
        TextCase{"zero", 0, "0"}, TextCase{"one", 1, "1"}, TextCase{"a fraction", 1234.5, "1234.5"},
        TextCase{"0.1 + 0.2", 0.1 + 0.2, "0.3"}, TextCase{"100 / 3", 100.0 / 3.0, "33.33333333333"},
        TextCase{"thirteen integer digits", 1234567890123.4, "1234567890123"},
        TextCase{"halfway rounds up", 1234567890122.5, "1234567890123"},
        TextCase{"fourteen integer digits", 12345678901234.0, "1.234567890123e+013"},
        TextCase{"carry adds a digit", 9999999999999.5, "1e+013"},
        TextCase{"smallest fixed exponent", 0.0001, "0.0001"},
        TextCase{"largest exponential exponent below", 0.00001, "1e-005"},
        TextCase{"small fraction", 0.00000025, "2.5e-007"}, TextCase{"negative", -150, "-150"}));

INSTANTIATE_TEST_SUITE_P(
    MoreValues, NumberToTextTable,
    testing::Values(
        TextCase{"negative zero", -0.0, "-0"},
        TextCase{"zeros before the point are kept", 1500000000000.0, "1500000000000"},
        TextCase{"no separators, no trailing zeros", 1234567.0, "1234567"},
        TextCase{"negative fraction", -0.15, "-0.15"},
        // printf rounds the exact binary value 304.602173248149…: …481; the
        // 17-digit form 304.60217324815000 rounds up at its 14th digit.
        TextCase{"rounds from the 17-digit form", 304.60217324815, "304.6021732482"},
        TextCase{"carry into the fixed range", 9.9999999999995e-5, "0.0001"},
        TextCase{"no carry, stays exponential", 9.99999999999949e-5, "9.999999999999e-005"},
        TextCase{"10^13", 1e13, "1e+013"},
        TextCase{"negative exponential", -12345678901234.0, "-1.234567890123e+013"},
        TextCase{"three-digit exponent", 1e100, "1e+100"},
        TextCase{"largest double", std::numeric_limits<double>::max(), "1.797693134862e+308"},
        TextCase{"smallest subnormal", std::numeric_limits<double>::denorm_min(),
                 "4.940656458412e-324"},
        TextCase{"infinity", std::numeric_limits<double>::infinity(), "inf"},
        TextCase{"negative infinity", -std::numeric_limits<double>::infinity(), "-inf"},
        TextCase{"not a number", std::numeric_limits<double>::quiet_NaN(), "nan"}));

// Totals are written as text and read back for everything derived from them;
// reading a shown text and showing it again must give the same characters.
TEST(NumberToText, ShownTextReadsBackToTheSameText) {
    std::mt19937_64 generator(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> sign(0, 1);
    for (int i = 0; i < 20000; ++i) {
        const double value = (sign(generator) ? -1.0 : 1.0) * mantissa(generator) *
                             std::pow(10.0, exponent(generator));
        const std::string shown = NumberToText(value);
        SCOPED_TRACE(shown);
        ASSERT_EQ(NumberToText(TextToNumber(shown)), shown);
    }
}

TEST(NumberToText, ShowsValuesToThirteenSignificantDigits) {
    // The rounding error a long sum of prices with cents accumulates is not shown.
    double total = 0;
    for (int quantity = 1; quantity <= 1000; ++quantity) total += quantity * 1.01;
    EXPECT_EQ(NumberToText(total), "505505");
    EXPECT_EQ(NumberToText(0.1 * 3), "0.3");
    EXPECT_EQ(NumberToText(1.0 / 7.0), "0.1428571428571");
    EXPECT_EQ(NumberToText(-2.0 / 3.0), "-0.6666666666667");
}

}  // namespace
}  // namespace quotexa
