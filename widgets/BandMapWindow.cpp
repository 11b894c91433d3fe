// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/BandMapWindow.h"


#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFrequencyRole = Qt::UserRole;
constexpr int kCallRole = Qt::UserRole + 1;

QString kilohertz(qint64 hz)
{
    return QLocale(QLocale::Russian).toString(double(hz) / 1000.0, 'f', 1);
}

// New in green, new again in green with ↺, a repeat in grey; a call the
// master file does not know in italics with "?".
void markItem(QTreeWidgetItem* item, const session::MarkedSpot& s, QFont font)
{
    QString call = s.spot.call;
    if (s.mark == scoring::SpotMark::Again)
        call += QStringLiteral(" ↺");
    if (s.unknown)
        call += QStringLiteral(" ?");
    item->setText(1, call);
    const QColor colour = s.mark == scoring::SpotMark::Repeat ? QColor(0x90, 0x90, 0x90) : QColor(0x1b, 0x7f, 0x1b);
    font.setBold(s.mark != scoring::SpotMark::Repeat);
    font.setItalic(s.unknown);
    for (int c = 0; c < item->columnCount(); ++c) {
        item->setForeground(c, colour);
        item->setFont(c, font);
    }
    item->setData(0, kFrequencyRole, s.spot.frequencyHz);
    item->setData(0, kCallRole, s.spot.call);
}

// In the list's font: an item's own font is otherwise the application's.
QTreeWidgetItem* spotItem(const session::MarkedSpot& s, const QDateTime& now, const QFont& font)
{
    const qint64 minutes = qMax<qint64>(0, s.spot.heard.secsTo(now) / 60);
    auto* item = new QTreeWidgetItem({kilohertz(s.spot.frequencyHz), QString(), QString::number(minutes), s.spot.comment});
    item->setToolTip(3, QStringLiteral("%1 — %2").arg(s.spot.spotter, s.spot.comment));
    markItem(item, s, font);
    return item;
}

QTreeWidget* spotList(const QStringList& captions, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(int(captions.size()));
    list->setHeaderLabels(captions);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(true);
    return list;
}

} // namespace

BandMapWindow::BandMapWindow(QWidget* parent)
    : SideWindow(parent, QStringLiteral("BandMap"), QStringLiteral("Карта диапазона"), Qt::Key_K)
{
    m_caption = new QLabel(this);
    m_current = spotList({QStringLiteral("кГц"), QStringLiteral("Позывной"), QStringLiteral("мин"), QStringLiteral("Комментарий")}, this);
    m_current->setObjectName(QStringLiteral("CurrentBand"));
    m_others = spotList({QStringLiteral("кГц"), QStringLiteral("Позывной"), QStringLiteral("мин")}, this);
    m_others->setObjectName(QStringLiteral("OtherBands"));
    for (QTreeWidget* list : {m_current, m_others}) {
        connect(list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { choose(item); });
        connect(list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
    }
    auto* legend = new QLabel(QStringLiteral("Зелёный — новый, ↺ — новый снова (работали в прошлом подтуре), "
                                             "серый — повтор, ? — нет в MASTER.SCP. Щелчок или Enter — настроиться."),
                              this);
    legend->setWordWrap(true);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_current, 3);
    lists->addWidget(m_others, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addLayout(lists, 1);
    layout->addWidget(legend);
    resize(560, 480);
}

void BandMapWindow::showSpots(const BandSpots& current, const std::vector<BandSpots>& others, qint64 rigHz,
                              const QDateTime& now)
{
    m_caption->setText(QStringLiteral("%1 м: спотов %2").arg(logbook::bandText(current.band)).arg(current.spots.size()));
    const QString chosen = m_current->currentItem() ? m_current->currentItem()->data(0, kCallRole).toString() : QString();
    m_current->clear();
    bool cursorPlaced = rigHz <= 0 || logbook::contestBandOfFrequency(rigHz) != current.band;
    const auto placeCursor = [&] {
        auto* cursor = new QTreeWidgetItem({kilohertz(rigHz), QStringLiteral("◀ трансивер")});
        cursor->setFlags(Qt::ItemIsEnabled);
        cursor->setForeground(1, QColor(0xb0, 0x20, 0x20));
        cursor->setFont(0, m_current->font());
        cursor->setFont(1, m_current->font());
        m_current->addTopLevelItem(cursor);
        cursorPlaced = true;
    };
    for (const session::MarkedSpot& s : current.spots) {
        if (!cursorPlaced && s.spot.frequencyHz > rigHz)
            placeCursor();
        QTreeWidgetItem* item = spotItem(s, now, m_current->font());
        m_current->addTopLevelItem(item);
        if (s.spot.call == chosen)
            m_current->setCurrentItem(item);
    }
    if (!cursorPlaced)
        placeCursor();
    m_others->clear();
    for (const BandSpots& band : others) {
        if (band.spots.empty())
            continue;
        auto* heading = new QTreeWidgetItem({QStringLiteral("%1 м").arg(logbook::bandText(band.band))});
        heading->setFlags(Qt::ItemIsEnabled);
        QFont bold = m_others->font();
        bold.setBold(true);
        heading->setFont(0, bold);
        m_others->addTopLevelItem(heading);
        for (const session::MarkedSpot& s : band.spots)
            m_others->addTopLevelItem(spotItem(s, now, m_others->font()));
    }
    for (QTreeWidget* list : {m_current, m_others}) {
        for (int c = 0; c + 1 < list->columnCount(); ++c)
            list->resizeColumnToContents(c);
    }
}

void BandMapWindow::choose(QTreeWidgetItem* item)
{
    if (!item || !item->data(0, kFrequencyRole).isValid())
        return; // the rig's cursor or a band's heading
    Q_EMIT spotChosen(item->data(0, kCallRole).toString(), item->data(0, kFrequencyRole).toLongLong());
}


