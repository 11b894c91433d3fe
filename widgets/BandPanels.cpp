// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/BandPanels.h"

#include "widgets/Panel.h"
#include "widgets/WidgetStyle.h"

#include <QStyle>
#include <cmath>

namespace {
constexpr int kPanelX = 522;
constexpr int kPanelTop = 10;
constexpr int kPanelStep = 29;
constexpr int kBoxX = 556;
constexpr std::array<int, logbook::kBandCount> kBoxY = {14, 43, 72, 100, 130, 159};
} // namespace

BandPanels::BandPanels(QWidget* parent)
    : QObject(parent)
{
    for (int band = 0; band < logbook::kBandCount; ++band) {
        const QString n = QString::number(band + 1);
        auto* panel = new Panel(QStringLiteral("Panel") + n, logbook::bandPanelCaption(band), parent);
        panel->setGeometry(kPanelX, kPanelTop + kPanelStep * band, 84, 24);
        panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        panel->setFont(widgetstyle::sansFont(13, true));
        panel->setCaptionColor(Qt::black);
        connect(panel, &Panel::clicked, this, [this, band] { Q_EMIT panelClicked(band); });
        m_panels[size_t(band)] = panel;
    }
    for (int band = 0; band < logbook::kBandCount; ++band) {
        auto* box = new MarkBox(parent);
        box->setObjectName(QStringLiteral("CheckBox") + QString::number(band + 1));
        box->setGeometry(kBoxX, kBoxY[size_t(band)], 45, 17);
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::clicked, this, [this, band] { Q_EMIT boxClicked(band); });
        m_boxes[size_t(band)] = box;
    }
    m_markSize = m_boxes[0]->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_boxes[0]);
}

void BandPanels::setScale(double scale)
{
    const int size = int(std::lround(m_markSize * scale));
    for (MarkBox* box : m_boxes)
        box->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(size));
}

void BandPanels::showSelected(int band)
{
    for (int b = 0; b < logbook::kBandCount; ++b) {
        Panel* p = m_panels[size_t(b)];
        p->setRaised(b != band);
        p->setCaptionColor(b == band ? Qt::red : Qt::black);
    }
}

bool BandPanels::isSelectable(int band) const
{
    return m_panels.at(size_t(band))->isRaised();
}

void BandPanels::showCounters(const std::array<qint32, logbook::kBandCount>& counters)
{
    for (int b = 0; b < logbook::kBandCount; ++b)
        m_boxes[size_t(b)]->setText(QString::number(counters[size_t(b)]));
}

void BandPanels::setMarks(const std::array<bool, logbook::kBandCount>& marks)
{
    for (int b = 0; b < logbook::kBandCount; ++b)
        m_boxes[size_t(b)]->setChecked(marks[size_t(b)]);
}
