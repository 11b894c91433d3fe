// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScreen>
#include <QWidget>

// Puts a window, at the size its layout gives it and with its frame, in the
// middle of the free area of its screen.
inline void centreOnScreen(QWidget& window)
{
    window.adjustSize();
    if (const QScreen* screen = window.screen())
        window.move(window.pos() + screen->availableGeometry().center() - window.frameGeometry().center());
}
