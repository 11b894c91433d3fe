// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ScalableClient.h"

#include <QResizeEvent>
#include <cmath>

ScalableClient::ScalableClient(QSize base, int spreadMargin, QWidget* parent)
    : QWidget(parent), m_base(base), m_spreadMargin(spreadMargin)
{
    setObjectName(QStringLiteral("client"));
    setMinimumSize(base);
}

void ScalableClient::capture()
{
    m_items.clear();
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        m_items.push_back({control, control->geometry(), control->font().pixelSize(), Fixed});
}

void ScalableClient::setStretch(QWidget* control, unsigned stretch)
{
    for (Item& item : m_items) {
        if (item.control == control)
            item.stretch = stretch;
    }
}

int ScalableClient::scaled(int base) const
{
    return int(std::lround(base * m_scale));
}

void ScalableClient::setScale(double scale)
{
    m_scale = scale;
    for (const Item& item : m_items) {
        if (!item.control || item.basePixels <= 0)
            continue;
        QFont font = item.control->font();
        font.setPixelSize(scaled(item.basePixels));
        item.control->setFont(font);
    }
    setMinimumSize(smallest());
    updateGeometry();
    layOut();
}

void ScalableClient::openRow(int baseTop, int height)
{
    m_rowTop = baseTop;
    m_rowHeight = height;
    setScale(m_scale);
}

QSize ScalableClient::smallest() const
{
    return {scaled(m_base.width()), scaled(m_base.height() + m_rowHeight)};
}

void ScalableClient::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

// Edges are scaled, not sizes, so that controls that touch still touch.
// An edge of a spread row moves by its share of the extra width.
int ScalableClient::spread(int baseEdge, int extraWidth) const
{
    const double share = double(baseEdge - m_spreadMargin) / (m_base.width() - 2 * m_spreadMargin);
    return scaled(baseEdge) + int(std::lround(extraWidth * share));
}

QRect ScalableClient::placed(const Item& item, QSize extra) const
{
    const QRect b = item.base.translated(0, item.base.y() >= m_rowTop ? m_rowHeight : 0);
    const bool spreads = item.stretch & Spread;
    int left = spreads ? spread(b.x(), extra.width()) : scaled(b.x());
    int right = spreads ? spread(b.x() + b.width(), extra.width()) : scaled(b.x() + b.width());
    int top = scaled(b.y());
    int bottom = scaled(b.y() + b.height());
    if (item.stretch & MoveRight)
        left += extra.width(), right += extra.width();
    if (item.stretch & MoveDown)
        top += extra.height(), bottom += extra.height();
    if (item.stretch & Wider)
        right += extra.width();
    if (item.stretch & Taller)
        bottom += extra.height();
    return QRect(left, top, right - left, bottom - top);
}

void ScalableClient::layOut()
{
    const QSize extra = (size() - smallest()).expandedTo(QSize(0, 0));
    for (const Item& item : m_items) {
        if (item.control && !(item.stretch & Manual))
            item.control->setGeometry(placed(item, extra));
    }
    Q_EMIT laidOut();
}
