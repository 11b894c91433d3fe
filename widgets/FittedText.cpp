// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FittedText.h"

namespace fitted {

QString fittedText(const QFontMetrics& metrics, const QString& text, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    QString fits;
    for (qsizetype space = text.indexOf(QLatin1Char(' ')); space >= 0; space = text.indexOf(QLatin1Char(' '), space + 1)) {
        const QString words = text.left(space).trimmed();
        if (words.isEmpty())
            continue;
        if (metrics.horizontalAdvance(words + ellipsis) > width)
            break;
        fits = words;
    }
    // Not even the first word fits: it is cut, but still with the ellipsis.
    return fits.isEmpty() ? metrics.elidedText(text, Qt::ElideRight, width) : fits + ellipsis;
}

QFont fittingFont(QFont font, const QString& text, int width)
{
    const int normal = font.pixelSize();
    for (int pixels = normal; pixels > 0 && pixels * 5 >= normal * 4; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            return font;
    }
    font.setPixelSize(normal);
    return font;
}

} // namespace fitted
