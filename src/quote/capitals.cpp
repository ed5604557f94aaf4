#include "quote/capitals.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quotexa {
namespace {

// Fifteen positions: fen, jiao, yuan, and up to 10^12 yuan.
constexpr int kPositionCount = 15;
constexpr std::uint64_t kLargestFen = 999'999'999'999'999;

constexpr int kYuanPosition = 2;
constexpr int kWanSectionStart = 6;  // 10^4 yuan
constexpr int kYiSectionStart = 10;  // 10^8 yuan

constexpr std::string_view kZero = "零";
constexpr std::string_view kYuan = "元";
constexpr std::string_view kExact = "整";
constexpr std::string_view kNegative = "负";
constexpr std::string_view kOverflow = "溢出";
constexpr std::string_view kWan = "万";
constexpr std::string_view kYi = "亿";

struct NumeralSet {
    std::array<std::string_view, 10> numerals;
    // The unit written after a digit, by position; the yuan position has none
    // (元 is placed by the walk).
    std::array<std::string_view, kPositionCount> units;
};

constexpr NumeralSet kCapitalNumerals{
    {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"},
    {"分", "角", "", "拾", "佰", "仟", "万", "拾", "佰", "仟", "亿", "拾", "佰", "仟", "万"},
};

constexpr NumeralSet kPlainNumerals{
    {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"},
    {"分", "角", "", "十", "百", "千", "万", "十", "百", "千", "亿", "十", "百", "千", "万"},
};

// The amount rounded to whole fen, or nothing when it cannot be written out
// (beyond the fifteen positions, infinite, or not a number).
std::optional<std::uint64_t> WholeFen(double magnitude) {
    if (std::isnan(magnitude)) return std::nullopt;
    // The product is rounded to a double before the nudge is added; volatile
    // keeps a compiler from fusing the two into one multiply-add with a single
    // rounding, which would change results right at the half fen.
    const volatile double fen = magnitude * 100.0;
    // 10^-12 lifts amounts whose double lies just below a half fen (0.285 is
    // 28.499999… fen) over it.
    const double nudged = fen + 1e-12;
    const double whole = std::floor(nudged);
    if (!(whole <= static_cast<double>(kLargestFen))) return std::nullopt;
    std::uint64_t rounded = static_cast<std::uint64_t>(whole);
    if (nudged - whole >= 0.5) ++rounded;
    if (rounded > kLargestFen) return std::nullopt;
    return rounded;
}

// Writes a non-zero number of fen. The text is built from the fen digit up,
// so the pieces are gathered right to left and joined in reverse.
std::vector<std::string_view> PiecesRightToLeft(std::uint64_t fen, const NumeralSet& set) {
    // Initial: no non-zero digit yet, so zeros below it are not written.
    // Armed: a non-zero digit was taken and no zero since; the next zero writes 零.
    // Spent: 零 was written since the last non-zero digit.
    enum class ZeroState { Initial, Armed, Spent };

    std::vector<std::string_view> pieces;
    if (fen % 10 == 0) pieces.push_back(kExact);

    ZeroState zeros = ZeroState::Initial;
    bool yuanWritten = false;
    bool sectionMarked = false;
    for (int position = 0; fen != 0; ++position, fen /= 10) {
        const auto digit = static_cast<std::size_t>(fen % 10);
        if (position == kWanSectionStart || position == kYiSectionStart) sectionMarked = false;

        if (digit == 0) {
            if (zeros == ZeroState::Armed) {
                pieces.push_back(kZero);
                zeros = ZeroState::Spent;
            }
            continue;
        }

        zeros = ZeroState::Armed;
        if (position >= kYuanPosition && !yuanWritten) {
            pieces.push_back(kYuan);
            yuanWritten = true;
        }
        // A section whose own first position (10^4 or 10^8 yuan) holds a zero
        // still needs its 万 or 亿, after its lowest non-zero digit.
        if (position >= kWanSectionStart && !sectionMarked) {
            if (position != kWanSectionStart && position != kYiSectionStart) {
                pieces.push_back(position < kYiSectionStart ? kWan : kYi);
            }
            sectionMarked = true;
        }
        const std::string_view unit = set.units[static_cast<std::size_t>(position)];
        if (!unit.empty()) pieces.push_back(unit);
        pieces.push_back(set.numerals[digit]);
    }
    return pieces;
}

}  // namespace

std::string AmountInCapitals(double yuan, bool plainNumerals) {
    const bool negative = yuan < 0.0;  // false for -0.0
    const std::optional<std::uint64_t> fen = WholeFen(std::fabs(yuan));
    if (!fen) return std::string(kOverflow);
    if (*fen == 0) return std::string(kZero);

    std::vector<std::string_view> pieces =
        PiecesRightToLeft(*fen, plainNumerals ? kPlainNumerals : kCapitalNumerals);
    if (negative) pieces.push_back(kNegative);

    std::string text;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) text.append(*piece);
    return text;
}

}  // namespace quotexa
