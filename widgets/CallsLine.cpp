// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/CallsLine.h"

#include "widgets/FittedText.h"

#include <QPainter>

namespace {
const QColor kBackground(0x40, 0x40, 0x40);
constexpr int kMargin = 3;
} // namespace

CallsLine::CallsLine(const QString& name, const QColor& colour, QWidget* parent)
    : QLineEdit(parent), m_colour(colour)
{
    setObjectName(name);
    // No length limit: the scan stops a line once it holds 50 characters but
    // keeps the last call whole, so the line can be longer.
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
}

QRect CallsLine::textArea() const
{
    return rect().adjusted(kMargin, 0, -kMargin, 0);
}

QString CallsLine::shownText() const
{
    return fitted::fittedText(fontMetrics(), text(), textArea().width());
}

bool CallsLine::event(QEvent* event)
{
    fitted::updateTip(*this, event, shownText(), text());
    return QLineEdit::event(event);
}

void CallsLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setPen(m_colour);
    painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignVCenter, shownText());
}
