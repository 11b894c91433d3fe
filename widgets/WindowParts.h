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

// An entry field over the grid: typing stops at `typedLimit`, letters turn
// upper case; an exchange the program fills in may be longer. Hidden.
QLineEdit* entryField(QWidget* parent, const QString& name, QRect geometry, int typedLimit);
// A read-only line of calls under the grid, in `colour` on dark grey, showing its first calls.
QLineEdit* callsLine(QWidget* parent, const QString& name, int y, const QString& colour);
// The key help over the grid, white on black. Hidden.
QPlainTextEdit* helpPanel(QWidget* parent);

} // namespace windowparts
