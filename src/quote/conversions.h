// The only conversions between texts and numbers. Every number of a quote lives
// as text in a control (quantities, prices, totals, the server port), so these
// decide what is read from a control and, for totals and profit, exactly which
// characters are shown. All of them are pure, accept any text and never fail.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quotexa {

// Replaces the full-width forms an input method may type (digits, letters,
// punctuation, the ideographic space, stars, yen sign, macron, tilde) by their
// ASCII counterparts, character for character. Every other character, and any
// byte that is not valid UTF-8, is kept as it is. The full-width dollar sign
// U+FF04 is kept.
std::string FoldFullWidth(std::string_view text);

// Reads the leading decimal number of a text (after folding and leading white
// space): optional sign, digits with an optional point, optional exponent with
// E, e, D or d. Gives the nearest double; a text without a leading number
// gives 0. The rest of the text is ignored.
double TextToNumber(std::string_view text);

// Reads the leading decimal integer of a text (after folding and leading white
// space), wrapping around in 32-bit two's complement; no digits give 0.
std::int32_t TextToInteger(std::string_view text);

// Writes a number with 13 significant digits: fixed form for decimal exponents
// -4 to 12, otherwise d.ddde+XXX with at least three exponent digits. The 13
// digits are rounded from the 17-digit form, halfway cases away from zero.
// Infinities and not-a-number give "inf", "-inf" and "nan".
std::string NumberToText(double value);

}  // namespace quotexa
