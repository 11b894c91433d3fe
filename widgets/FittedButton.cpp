#include "widgets/FittedButton.h"

#include "widgets/FittedText.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kPadding = 2; // each side, inside the button's contents
}

QString FittedButton::shownText() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int width = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() - 2 * kPadding;
    return fitted::fittedText(fontMetrics(), text(), width);
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
    painter.drawControl(QStyle::CE_PushButton, option);
}
