// Fonts of the layouts: a character height in pixels, drawn with the
// system's face for simplified Chinese.
#pragma once

#include <QFont>
#include <QString>

namespace quotexa {

// The installed face that draws simplified Chinese best, chosen once.
QString ChineseFontFamily();

// The Chinese face at the given character height in pixels.
QFont LayoutFont(int pixelHeight);

// A window's default font: what controls without a height of their own use.
inline constexpr int kWindowFontHeight = 12;

}  // namespace quotexa
