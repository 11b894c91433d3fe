// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLineEdit>

// A read-only line of calls under the grid, in its colour on dark grey. It
// shows the first calls, which match best, and ends in an ellipsis where the
// rest does not fit.
class CallsLine : public QLineEdit
{
public:
    CallsLine(const QString& name, const QColor& colour, QWidget* parent);

    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
    QColor m_colour;
};
