// An amount of money written out in Chinese numerals with the units 元, 角 and
// 分, as the quote shows its channel and retail totals a second time.
#pragma once

#include <string>

namespace quotexa {

// Writes `yuan`, rounded to the fen, in capital numerals (壹贰叁…, the form used
// on quotes) or, with `plainNumerals`, in ordinary numerals (一二三…). An
// amount that rounds to 0 fen gives "零"; beyond 9 999 999 999 999.99 yuan in
// magnitude, and for not-a-number, the text is "溢出". Never empty.
std::string AmountInCapitals(double yuan, bool plainNumerals = false);

}  // namespace quotexa
