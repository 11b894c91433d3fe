// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/ContestStatistics.h"

#include <QWidget>

// The statistics window's two pictures, painted from the figures they are
// given: nothing is worked out here.

// Contacts per ten minutes as bars, SSB below CW, with the sub-tour starts
// as numbered lines and a time axis on the operator's clock.
class RateGraph : public QWidget
{
public:
    explicit RateGraph(QWidget* parent = nullptr);
    void setStatistics(const session::ContestStatistics& stats);
    QSize minimumSizeHint() const override { return {240, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<session::RateBar> m_bars;
    std::vector<session::AxisStretch> m_stretches;
    std::vector<std::pair<session::LocalMinute, QString>> m_starts; // the sub-tours after the first
};

// The claimed score after each sub-tour, as a line.
class ScoreCourse : public QWidget
{
public:
    explicit ScoreCourse(QWidget* parent = nullptr);
    void setStatistics(const session::ContestStatistics& stats);
    QSize minimumSizeHint() const override { return {240, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::pair<QString, qint64>> m_points; // a sub-tour's label and the score after it
    QString m_none; // why there is no course; empty where there is one
};

// The colours of the modes, in the bars and their legend.
QColor modeColour(logbook::Mode mode);
