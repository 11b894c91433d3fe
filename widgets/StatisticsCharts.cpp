// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/StatisticsCharts.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

using session::LocalMinute;

constexpr int kGap = 6;

QString clockText(LocalMinute minute)
{
    const int ofDay = int(((minute % session::kMinutesPerDay) + session::kMinutesPerDay) % session::kMinutesPerDay);
    return QStringLiteral("%1:%2").arg(ofDay / 60, 2, 10, QLatin1Char('0')).arg(ofDay % 60, 2, 10, QLatin1Char('0'));
}

// The step between time labels: the shortest that leaves room for each.
int labelStep(double pixelsPerMinute, int labelWidth)
{
    for (int step : {10, 20, 30, 60, 120, 180, 360, 720, 1440}) {
        if (step * pixelsPerMinute >= labelWidth)
            return step;
    }
    return 1440 * int(std::ceil(labelWidth / (1440 * pixelsPerMinute)));
}

void paintEmpty(QPainter& p, const QRect& area, const QString& text)
{
    p.setPen(Qt::darkGray);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace

QColor modeColour(logbook::Mode mode)
{
    return mode == logbook::Mode::CW ? QColor(0x1f, 0x5f, 0xbf) : QColor(0xe0, 0x8a, 0x1e);
}

RateGraph::RateGraph(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RateGraph"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void RateGraph::setStatistics(const session::ContestStatistics& stats)
{
    m_bars = stats.bars;
    m_stretches = stats.stretches;
    m_starts.clear();
    for (size_t i = 1; i < stats.subTours.size(); ++i) {
        const session::SubTourRow& row = stats.subTours[i];
        if (row.start && row.number)
            m_starts.emplace_back(*row.start, QString::number(*row.number));
    }
    update();
}

void RateGraph::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetrics fm(font());
    if (m_bars.empty()) {
        paintEmpty(p, rect(), QStringLiteral("Связей пока нет"));
        return;
    }
    int highest = 1;
    for (const session::RateBar& bar : m_bars)
        highest = std::max(highest, bar.contacts[0] + bar.contacts[1]);
    const QRect plot = rect().adjusted(fm.horizontalAdvance(QString::number(highest)) + 2 * kGap,
                                       fm.height() + kGap, -kGap, -(fm.height() + kGap));
    // The stretches side by side, a pause left out showing as a gap.
    constexpr LocalMinute kBreak = 20;
    LocalMinute shown = -kBreak;
    std::vector<LocalMinute> offsets;
    for (const session::AxisStretch& s : m_stretches) {
        offsets.push_back(shown + kBreak);
        shown += kBreak + s.to - s.from;
    }
    shown = std::max<LocalMinute>(60, shown);
    const double perMinute = double(plot.width()) / double(shown);
    const auto xAt = [&](LocalMinute m) {
        size_t i = 0;
        while (i + 1 < m_stretches.size() && m >= m_stretches[i + 1].from)
            ++i;
        return plot.left() + double(offsets[i] + m - m_stretches[i].from) * perMinute;
    };
    const auto yAt = [&](int count) { return plot.bottom() - double(count) * plot.height() / highest; };

    // The count axis: nought, half and the highest ten minutes.
    p.setPen(QColor(0xd8, 0xd8, 0xd8));
    for (int count : {highest / 2, highest})
        p.drawLine(QPointF(plot.left(), yAt(count)), QPointF(plot.right(), yAt(count)));
    p.setPen(palette().color(QPalette::Text));
    for (int count : {0, highest / 2, highest}) {
        const QRectF label(0, yAt(count) - fm.height() / 2.0, plot.left() - kGap, fm.height());
        p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
    }
    // The bars, a pixel apart where there is room.
    const double barWidth = std::max(1.0, session::kRateBarMinutes * perMinute - (perMinute * 10 > 3 ? 1 : 0));
    for (const session::RateBar& bar : m_bars) {
        const int ssb = bar.contacts[0];
        const int cw = bar.contacts[1];
        p.fillRect(QRectF(xAt(bar.start), yAt(ssb), barWidth, yAt(0) - yAt(ssb)), modeColour(logbook::Mode::SSB));
        p.fillRect(QRectF(xAt(bar.start), yAt(ssb + cw), barWidth, yAt(ssb) - yAt(ssb + cw)), modeColour(logbook::Mode::CW));
    }
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    // The time axis on whole steps of the clock, a break mark between stretches.
    const int step = labelStep(perMinute, fm.horizontalAdvance(QStringLiteral("00:00")) + 2 * kGap);
    for (size_t i = 0; i < m_stretches.size(); ++i) {
        const session::AxisStretch& s = m_stretches[i];
        if (i > 0) {
            const double x = xAt(s.from) - kBreak * perMinute / 2;
            p.drawLine(QPointF(x - 4, plot.bottom() + 4), QPointF(x, plot.bottom() - 4));
            p.drawLine(QPointF(x, plot.bottom() + 4), QPointF(x + 4, plot.bottom() - 4));
        }
        const LocalMinute firstStep = (s.from + step - 1) / step * step;
        // A stretch too short for a whole step is named by its start.
        for (LocalMinute m = firstStep > s.to ? s.from : firstStep; m <= s.to; m = (m / step + 1) * step) {
            const double x = xAt(m);
            p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
            const QString text = clockText(m);
            const double half = fm.horizontalAdvance(text) / 2.0;
            p.drawText(QPointF(std::clamp(x - half, 0.0, std::max(0.0, width() - 2 * half)),
                               plot.bottom() + fm.ascent() + 4),
                       text);
        }
    }
    // The sub-tour starts.
    p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 1, Qt::DashLine));
    for (const auto& [minute, number] : m_starts) {
        const double x = xAt(minute);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.drawText(QPointF(x + 2, plot.top() - 2), number);
    }
    // The legend, top right.
    int right = rect().right() - kGap;
    p.setPen(palette().color(QPalette::Text));
    for (logbook::Mode mode : {logbook::Mode::CW, logbook::Mode::SSB}) {
        const QString text = logbook::modeText(mode);
        right -= fm.horizontalAdvance(text);
        p.drawText(QPointF(right, fm.ascent()), text);
        right -= fm.height() * 3 / 4 + 3;
        p.fillRect(QRect(right, fm.height() / 4, fm.height() * 3 / 4, fm.height() * 3 / 4), modeColour(mode));
        right -= 2 * kGap;
    }
}

ScoreCourse::ScoreCourse(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScoreCourse"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void ScoreCourse::setStatistics(const session::ContestStatistics& stats)
{
    m_points.clear();
    m_none = stats.judgesPoints ? QStringLiteral("Очки считают судьи")
        : !stats.claimsScore    ? QStringLiteral("Счёт в этом тесте не заявляется")
        : stats.subTours.empty() ? QStringLiteral("Связей пока нет")
                                 : QString();
    if (m_none.isEmpty()) {
        for (const session::SubTourRow& row : stats.subTours)
            m_points.emplace_back(session::subTourLabel(row, stats.subToursExact), row.scoreAfter);
    }
    update();
}

void ScoreCourse::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics fm(font());
    if (!m_none.isEmpty()) {
        paintEmpty(p, rect(), m_none);
        return;
    }
    qint64 highest = 1;
    for (const auto& point : m_points)
        highest = std::max(highest, point.second);
    const QRect plot = rect().adjusted(2 * kGap, fm.height() + kGap, -2 * kGap, -(fm.height() + kGap));
    const double stepX = m_points.size() > 1 ? double(plot.width()) / double(m_points.size() - 1) : 0;
    const auto at = [&](size_t i) {
        return QPointF(m_points.size() > 1 ? plot.left() + stepX * double(i) : plot.center().x(),
                       plot.bottom() - double(m_points[i].second) * plot.height() / double(highest));
    };
    p.setPen(QColor(0xd8, 0xd8, 0xd8));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    QPainterPath line;
    for (size_t i = 0; i < m_points.size(); ++i)
        i == 0 ? line.moveTo(at(i)) : line.lineTo(at(i));
    p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 2));
    p.drawPath(line);
    // Each point with its score above it and its sub-tour under the axis,
    // thinned out where they would run into each other.
    const int room = fm.horizontalAdvance(QString::number(highest)) + kGap;
    const size_t every = stepX > 0 ? size_t(std::max(1.0, std::ceil(room / stepX))) : 1;
    for (size_t i = 0; i < m_points.size(); ++i) {
        const QPointF point = at(i);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x7d, 0x32));
        p.drawEllipse(point, 3, 3);
        if (i % every != 0 && i + 1 != m_points.size())
            continue;
        p.setPen(palette().color(QPalette::Text));
        const QString score = QString::number(m_points[i].second);
        const double left = std::clamp(point.x() - fm.horizontalAdvance(score) / 2.0, 0.0,
                                       double(width() - fm.horizontalAdvance(score)));
        p.drawText(QPointF(left, point.y() - 4), score);
        const QString label = m_points[i].first;
        const double labelLeft = std::clamp(point.x() - fm.horizontalAdvance(label) / 2.0, 0.0,
                                            double(width() - fm.horizontalAdvance(label)));
        p.drawText(QPointF(labelLeft, plot.bottom() + fm.ascent() + 4), label);
    }
}
