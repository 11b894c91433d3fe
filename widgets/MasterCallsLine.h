// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/MasterMatch.h"

#include <QRect>
#include <QWidget>
#include <vector>

// The line of master-file calls under the calls lines: as many of the calls
// as fit, a repeat in red, a call of the log in yellow, a possible
// correction after a "?". A click on a call offers it to the window.
class MasterCallsLine : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Height = 21;

    explicit MasterCallsLine(QWidget* parent);

    void setCalls(std::vector<scoring::MasterCall> calls);
    // The calls that fit, in the order shown, and where each stands.
    int shownCount() const { return int(m_rects.size()); }
    const scoring::MasterCall& shownCall(int i) const { return m_calls[size_t(i)]; }
    QRect callRect(int i) const { return m_rects[size_t(i)]; }

Q_SIGNALS:
    void callClicked(const QString& call);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCalls();

    std::vector<scoring::MasterCall> m_calls;
    std::vector<QRect> m_rects; // of the calls that fit
};

// What the line shows for a call: a correction after a "?".
QString masterCallText(const scoring::MasterCall& call);
