// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MasterCallsLine.h"

#include "widgets/WidgetStyle.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kMargin = 3;

QColor markColour(scoring::MasterMark mark)
{
    switch (mark) {
    case scoring::MasterMark::Repeat: return QColor(255, 80, 80);
    case scoring::MasterMark::Logged: return Qt::yellow;
    case scoring::MasterMark::None: break;
    }
    return QColor(160, 255, 160);
}

} // namespace

QString masterCallText(const scoring::MasterCall& call)
{
    return call.correction ? QLatin1Char('?') + call.call : call.call;
}

MasterCallsLine::MasterCallsLine(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MasterLine"));
    setFont(widgetstyle::sansFont(13, true));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    setPalette(p);
}

void MasterCallsLine::setCalls(std::vector<scoring::MasterCall> calls)
{
    m_calls = std::move(calls);
    placeCalls();
    update();
}

// Whole calls only, left to right, one blank between them.
void MasterCallsLine::placeCalls()
{
    m_rects.clear();
    const QFontMetrics metrics(font());
    int x = kMargin;
    for (const scoring::MasterCall& call : m_calls) {
        const int w = metrics.horizontalAdvance(masterCallText(call));
        if (x + w > width() - kMargin)
            break;
        m_rects.emplace_back(x, 0, w, height());
        x += w + metrics.horizontalAdvance(QLatin1Char(' '));
    }
}

void MasterCallsLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = 0; i < shownCount(); ++i) {
        painter.setPen(markColour(m_calls[size_t(i)].mark));
        painter.drawText(m_rects[size_t(i)], Qt::AlignLeft | Qt::AlignVCenter, masterCallText(m_calls[size_t(i)]));
    }
}

void MasterCallsLine::mousePressEvent(QMouseEvent* event)
{
    for (int i = 0; i < shownCount(); ++i) {
        if (m_rects[size_t(i)].contains(event->position().toPoint())) {
            Q_EMIT callClicked(m_calls[size_t(i)].call);
            return;
        }
    }
}

void MasterCallsLine::resizeEvent(QResizeEvent*)
{
    placeCalls();
}
