// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FittedLabel.h"

#include "widgets/FittedText.h"

#include <QPainter>
#include <QStyle>

QRect FittedLabel::textArea() const
{
    const int inset = std::max(indent(), 0);
    return contentsRect().adjusted(inset, 0, -inset, 0);
}

QString FittedLabel::shownText() const
{
    const int width = textArea().width();
    return fitted::fittedText(QFontMetrics(fitted::fittingFont(font(), text(), width)), text(), width);
}

bool FittedLabel::event(QEvent* event)
{
    fitted::updateTip(*this, event, shownText(), text());
    return QLabel::event(event);
}

void FittedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(fitted::fittingFont(font(), text(), textArea().width()));
    style()->drawItemText(&painter, textArea(), int(alignment()), palette(), isEnabled(), shownText(), foregroundRole());
}
