#include "quote/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

namespace quotexa {
namespace {

// The ASCII character a folded character becomes, or '\0' when it is kept.
char FoldedCharacter(char32_t codePoint) {
    constexpr char32_t kFullWidthFirst = 0xFF01;  // full-width "!"
    constexpr char32_t kFullWidthLast = 0xFF5D;   // full-width "}"
    constexpr char32_t kFullWidthDollar = 0xFF04;
    constexpr char32_t kFullWidthToAscii = 0xFF01 - 0x21;
    if (codePoint >= kFullWidthFirst && codePoint <= kFullWidthLast &&
        codePoint != kFullWidthDollar) {
        return static_cast<char>(codePoint - kFullWidthToAscii);
    }
    switch (codePoint) {
        case 0x3000:  // ideographic space
            return ' ';
        case 0xFFE5:  // full-width yen sign
            return '$';
        case 0xFFE3:  // full-width macron
        case 0xFF5E:  // full-width tilde
            return '~';
        case 0x2605:  // black star
        case 0x2606:  // white star
            return '*';
        default:
            return '\0';
    }
}

bool IsContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}
bool IsExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view SkipWhiteSpace(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsWhiteSpace(text[start])) ++start;
    return text.substr(start);
}

// Removes an optional leading sign from `text`; true when it was "-".
bool TakeSign(std::string_view& text) {
    if (text.empty() || !IsSign(text.front())) return false;
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

std::size_t EndOfDigits(std::string_view text, std::size_t start) {
    while (start < text.size() && IsDigit(text[start])) ++start;
    return start;
}

// The pieces of an unsigned decimal number as it stands at the front of a text.
struct DecimalParts {
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::string_view exponentDigits;  // empty when the number has no exponent
    bool exponentNegative = false;
};

// Scans digits, an optional point with digits and an optional exponent. A
// number needs a digit on at least one side of the point; an exponent letter
// without digits after it (and its sign) is not part of the number.
std::optional<DecimalParts> ScanDecimal(std::string_view text) {
    DecimalParts parts;
    std::size_t end = EndOfDigits(text, 0);
    parts.integerDigits = text.substr(0, end);
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = EndOfDigits(text, end + 1);
        parts.fractionDigits = text.substr(end + 1, fractionEnd - end - 1);
        end = fractionEnd;
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return std::nullopt;

    if (end < text.size() && IsExponentLetter(text[end])) {
        std::size_t digitsStart = end + 1;
        const bool hasSign = digitsStart < text.size() && IsSign(text[digitsStart]);
        if (hasSign) ++digitsStart;
        const std::size_t exponentEnd = EndOfDigits(text, digitsStart);
        if (exponentEnd > digitsStart) {
            parts.exponentDigits = text.substr(digitsStart, exponentEnd - digitsStart);
            parts.exponentNegative = hasSign && text[end + 1] == '-';
        }
    }
    return parts;
}

// Whether a number too large or too small for a double lies above its range
// (rather than below): decided by the decimal exponent of its first
// significant digit. The exponent saturates far beyond any text's length, so
// the sign of that sum is always right.
bool LiesAboveDoubleRange(const DecimalParts& parts) {
    constexpr std::int64_t kExponentCeiling = 1'000'000'000'000'000;
    std::int64_t exponent = 0;
    for (const char digit : parts.exponentDigits) {
        exponent = std::min(kExponentCeiling, exponent * 10 + (digit - '0'));
    }
    if (parts.exponentNegative) exponent = -exponent;

    std::int64_t firstDigitPower = 0;
    const std::size_t firstInteger = parts.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string_view::npos) {
        firstDigitPower = static_cast<std::int64_t>(parts.integerDigits.size() - firstInteger) - 1;
    } else {
        const std::size_t firstFraction = parts.fractionDigits.find_first_not_of('0');
        if (firstFraction == std::string_view::npos) return false;  // the number is zero
        firstDigitPower = -static_cast<std::int64_t>(firstFraction) - 1;
    }
    return exponent + firstDigitPower >= 0;
}

// The double nearest to the scanned number. std::from_chars rounds correctly
// and does not depend on the locale.
double NearestDouble(const DecimalParts& parts) {
    std::string numeral;
    numeral.reserve(parts.integerDigits.size() + parts.fractionDigits.size() +
                    parts.exponentDigits.size() + 3);
    numeral.append(parts.integerDigits).append(".").append(parts.fractionDigits);
    if (!parts.exponentDigits.empty()) {
        numeral.append(parts.exponentNegative ? "e-" : "e").append(parts.exponentDigits);
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(numeral.data(), numeral.data() + numeral.size(), value);
    if (error == std::errc::result_out_of_range) {
        return LiesAboveDoubleRange(parts) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return error == std::errc() ? value : 0.0;
}

constexpr int kShownDigits = 13;

// A positive number rounded to 13 significant digits: d.dddddddddddd × 10^exponent.
struct ShownDigits {
    std::array<char, kShownDigits> digits;  // ASCII digits, the first one non-zero
    int exponent;
};

// Rounds in two steps: first to 17 significant digits (to nearest), then to 13
// by the 14th digit alone, so that a halfway case of the 17-digit form always
// rounds away from zero.
ShownDigits RoundToShownDigits(double magnitude) {
    constexpr int kFullDigits = 17;
    // "d." then 16 digits, "e", sign and up to three exponent digits.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, kFullDigits - 1);
    const std::string_view scientific(buffer.data(),
                                      static_cast<std::size_t>(written.ptr - buffer.data()));

    std::array<char, kFullDigits> full{};
    full[0] = scientific[0];
    for (int i = 1; i < kFullDigits; ++i) full[i] = scientific[static_cast<std::size_t>(i) + 1];

    const std::size_t exponentAt = scientific.find('e');
    int exponent = 0;
    for (std::size_t i = exponentAt + 2; i < scientific.size(); ++i) {
        exponent = exponent * 10 + (scientific[i] - '0');
    }
    if (scientific[exponentAt + 1] == '-') exponent = -exponent;

    ShownDigits shown{};
    std::copy_n(full.begin(), kShownDigits, shown.digits.begin());
    shown.exponent = exponent;
    if (full[kShownDigits] >= '5') {
        int position = kShownDigits - 1;
        while (position >= 0 && shown.digits[position] == '9') shown.digits[position--] = '0';
        if (position >= 0) {
            ++shown.digits[position];
        } else {  // all nines: 9.99…9 becomes 10.00…0
            shown.digits[0] = '1';
            ++shown.exponent;
        }
    }
    return shown;
}

void RemoveTrailingFractionZeros(std::string& text) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
}

std::string FixedForm(const ShownDigits& shown) {
    const std::string_view digits(shown.digits.data(), shown.digits.size());
    std::string text;
    if (shown.exponent >= 0) {
        const auto integerLength = static_cast<std::size_t>(shown.exponent) + 1;
        text.append(digits.substr(0, integerLength))
            .append(".")
            .append(digits.substr(integerLength));
    } else {
        text.append("0.").append(static_cast<std::size_t>(-shown.exponent - 1), '0').append(digits);
    }
    RemoveTrailingFractionZeros(text);
    return text;
}

std::string ExponentialForm(const ShownDigits& shown) {
    const std::string_view digits(shown.digits.data(), shown.digits.size());
    std::string text(1, digits[0]);
    text.append(".").append(digits.substr(1));
    RemoveTrailingFractionZeros(text);

    text += shown.exponent < 0 ? "e-" : "e+";
    const std::string magnitude = std::to_string(std::abs(shown.exponent));
    constexpr std::size_t kMinimumExponentDigits = 3;
    if (magnitude.size() < kMinimumExponentDigits) {
        text.append(kMinimumExponentDigits - magnitude.size(), '0');
    }
    return text + magnitude;
}

}  // namespace

std::string FoldFullWidth(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        // Every character that folds is a three-byte UTF-8 sequence, so only
        // those are decoded. Overlong and surrogate forms decode to code points
        // that never fold. Everything else, valid or not, is copied a byte at a
        // time; since a continuation byte never starts a character, this never
        // splits a character that should fold.
        const auto lead = static_cast<unsigned char>(text[at]);
        if ((lead & 0xF0) == 0xE0 && at + 2 < text.size()) {
            const auto second = static_cast<unsigned char>(text[at + 1]);
            const auto third = static_cast<unsigned char>(text[at + 2]);
            if (IsContinuationByte(second) && IsContinuationByte(third)) {
                const char32_t codePoint = (char32_t{lead} & 0x0F) << 12 |
                                           (char32_t{second} & 0x3F) << 6 |
                                           (char32_t{third} & 0x3F);
                if (const char ascii = FoldedCharacter(codePoint); ascii != '\0') {
                    folded.push_back(ascii);
                    at += 3;
                    continue;
                }
            }
        }
        folded.push_back(text[at]);
        ++at;
    }
    return folded;
}

double TextToNumber(std::string_view text) {
    const std::string folded = FoldFullWidth(text);
    std::string_view rest = SkipWhiteSpace(folded);
    const bool negative = TakeSign(rest);
    const std::optional<DecimalParts> parts = ScanDecimal(rest);
    if (!parts) return 0.0;
    const double magnitude = NearestDouble(*parts);
    return negative ? -magnitude : magnitude;
}

std::int32_t TextToInteger(std::string_view text) {
    const std::string folded = FoldFullWidth(text);
    std::string_view rest = SkipWhiteSpace(folded);
    const bool negative = TakeSign(rest);
    // Unsigned arithmetic wraps around modulo 2^32 by definition, which is the
    // two's-complement wrap-around wanted here.
    std::uint32_t value = 0;
    for (const char c : rest) {
        if (!IsDigit(c)) break;
        value = value * 10U + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) value = 0U - value;
    return static_cast<std::int32_t>(value);
}

std::string NumberToText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0.0) return sign + "0";

    const ShownDigits shown = RoundToShownDigits(std::fabs(value));
    const bool exponential = shown.exponent < -4 || shown.exponent >= kShownDigits;
    return sign + (exponential ? ExponentialForm(shown) : FixedForm(shown));
}

}  // namespace quotexa
