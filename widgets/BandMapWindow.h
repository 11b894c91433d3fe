// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/SpotStore.h"

#include "widgets/SideWindow.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// "Карта диапазона": the spots of the band being worked, lowest frequency
// first with the rig's frequency among them, and the other contest bands'
// beside. A click or Enter on a spot chooses it; the window only shows what
// it is given.
class BandMapWindow : public SideWindow
{
    Q_OBJECT
public:
    explicit BandMapWindow(QWidget* parent);

    struct BandSpots
    {
        int band = 0;
        std::vector<session::MarkedSpot> spots;
    };
    // `rigHz`: 0 while no rig is followed; `now` ages the spots.
    void showSpots(const BandSpots& current, const std::vector<BandSpots>& others, qint64 rigHz, const QDateTime& now);

Q_SIGNALS:
    void spotChosen(const QString& call, qint64 frequencyHz);

private:
    void choose(QTreeWidgetItem* item);

    QLabel* m_caption = nullptr;
    QTreeWidget* m_current = nullptr;
    QTreeWidget* m_others = nullptr;
};
