#include "ui/qt/layout_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace quotexa {

QString ChineseFontFamily() {
    // Faces that cover GB2312 well, in order of preference; the layouts were
    // drawn for SimSun, which Linux systems rarely have.
    static const QString family = [] {
        const QStringList preferred = {
            "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans SC",        "Source Han Sans SC",
            "WenQuanYi Zen Hei",   "AR PL UMing CN",   "Droid Sans Fallback", "SimSun",
        };
        const QStringList available = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        for (const QString& face : preferred) {
            if (available.contains(face)) return face;
        }
        return available.isEmpty() ? QString() : available.first();
    }();
    return family;
}

QFont LayoutFont(int pixelHeight) {
    QFont font(ChineseFontFamily());
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : kWindowFontHeight);
    return font;
}

}  // namespace quotexa
