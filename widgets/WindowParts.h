// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// Controls of the main window built the one way they are all built: named,
// placed at fixed pixels, styled.
namespace windowparts {

template <class W>
W* place(W* widget, const QString& name, int x, int y, int w, int h)
{
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

// What typing or pasting leaves of a field's text (the Latin key map).
using TypedRule = QString (*)(const QString&);

// What is typed or pasted into `edit` goes through `rule`; text the program
// puts in stays as it is.
void keepTyped(QLineEdit* edit, TypedRule rule);
// An entry field over the grid: typing stops at `typedLimit`, letters turn
// upper case, and what is typed or pasted goes through `rule`; an exchange
// the program fills in may be longer and keeps its letters. Hidden.
QLineEdit* entryField(QWidget* parent, const QString& name, QRect geometry, int typedLimit, TypedRule rule);
// A read-only line of calls under the grid, in `colour` on dark grey, showing its first calls.
QLineEdit* callsLine(QWidget* parent, const QString& name, int y, const QString& colour);
// The key help over the grid, white on black. Hidden.
QPlainTextEdit* helpPanel(QWidget* parent);

} // namespace windowparts
