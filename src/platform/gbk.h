// Converting the program's UTF-8 texts to GBK (code page 936), the encoding
// of saved price lists.
#pragma once

#include <string>
#include <string_view>

namespace quotexa {

// The GBK bytes of a UTF-8 text. A character GBK cannot hold, and a byte that
// is not valid UTF-8, becomes "?"; everything else converts, so the result is
// never shorter than the text's number of characters.
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace quotexa
