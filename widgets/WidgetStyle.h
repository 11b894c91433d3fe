// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

// Fonts of the main window: the classic families where the platform has them.
namespace widgetstyle {

inline QFont pixelFont(const QStringList& families, int pixels, bool bold)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

inline QFont sansFont(int pixels, bool bold = false)
{
    return pixelFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, pixels, bold);
}

inline QFont serifFont(int pixels, bool bold = false)
{
    return pixelFont({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, pixels, bold);
}

} // namespace widgetstyle
