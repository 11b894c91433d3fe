// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Panel.h"

#include <QMouseEvent>

Panel::Panel(const QString& objectName, const QString& caption, QWidget* parent)
    : FittedLabel(caption, parent)
{
    setObjectName(objectName);
    setAutoFillBackground(true);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setRaised(true);
}

void Panel::setRaised(bool raised)
{
    m_raised = raised;
    setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
}

void Panel::setCaptionColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QColor Panel::captionColor() const
{
    return palette().color(QPalette::WindowText);
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    FittedLabel::mouseReleaseEvent(event);
}
