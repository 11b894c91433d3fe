// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FittedButton.h"

#include "widgets/FittedText.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kPadding = 2; // each side, inside the button's contents
}

int FittedButton::captionWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 2 * kPadding;
}

QString FittedButton::shownText() const
{
    const int width = captionWidth();
    return fitted::fittedText(QFontMetrics(fitted::fittingFont(font(), text(), width)), text(), width);
}

bool FittedButton::event(QEvent* event)
{
    fitted::updateTip(*this, event, shownText(), text());
    return QPushButton::event(event);
}

void FittedButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = shownText();
    painter.setFont(fitted::fittingFont(font(), text(), captionWidth()));
    painter.drawControl(QStyle::CE_PushButton, option);
}
