// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QWidget>

// Captions and lines narrower than their text show its beginning up to the
// last whole word that fits, with an ellipsis, and the whole text as their
// tool tip.
namespace fitted {

QString fittedText(const QFontMetrics& metrics, const QString& text, int width);
// The font, made smaller by up to a fifth where that lets the whole text fit,
// so that a caption a little too long still shows whole.
QFont fittingFont(QFont font, const QString& text, int width);

// For a control's tool tip event: the whole text where the shown one is cut,
// else none.
inline void updateTip(QWidget& control, QEvent* event, const QString& shown, const QString& whole)
{
    if (event->type() == QEvent::ToolTip)
        control.setToolTip(shown == whole ? QString() : whole);
}

} // namespace fitted
