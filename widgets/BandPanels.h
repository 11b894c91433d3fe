// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"

#include <QCheckBox>
#include <QObject>
#include <array>

class Panel;

// A band check box: its mark is set by the calls scan only, so a click leaves it.
class MarkBox : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// The six band panels of the right column with the check boxes lying on them:
// the selected band is lowered with a red caption, the others raised and black.
class BandPanels : public QObject
{
    Q_OBJECT
public:
    explicit BandPanels(QWidget* parent);

    void showSelected(int band);
    bool isSelectable(int band) const; // only a raised panel reacts
    void showCounters(const std::array<qint32, logbook::kBandCount>& counters);
    void setMarks(const std::array<bool, logbook::kBandCount>& marks);
    // The boxes' marks grow with the text; the style draws them at one size.
    void setScale(double scale);
    Panel* panel(int band) const { return m_panels[size_t(band)]; }
    MarkBox* box(int band) const { return m_boxes[size_t(band)]; }

Q_SIGNALS:
    void panelClicked(int band);
    void boxClicked(int band);

private:
    std::array<Panel*, logbook::kBandCount> m_panels {};
    std::array<MarkBox*, logbook::kBandCount> m_boxes {};
    int m_markSize = 0; // the style's, at the normal text size
};
