// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/StatisticsWindow.h"

#include "common/FileNames.h"
#include "widgets/StatisticsCharts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString columnCaption(int column)
{
    return logbook::bandText(column / 2) + QLatin1Char(' ')
        + logbook::modeText(column % 2 ? logbook::Mode::CW : logbook::Mode::SSB);
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : SideWindow(parent, QStringLiteral("Statistics"), QStringLiteral("Статистика"), Qt::Key_G)
{
    m_picture = new QWidget(this);
    m_picture->setAutoFillBackground(true);
    m_heading = captionLabel(QString(), m_picture);
    m_rates = new QLabel(m_picture);
    m_rates->setObjectName(QStringLiteral("Rates"));
    m_graph = new RateGraph(m_picture);
    m_table = new QTableWidget(m_picture);
    m_table->setObjectName(QStringLiteral("SubTours"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->verticalHeader()->hide();
    m_course = new ScoreCourse(m_picture);
    auto* content = new QVBoxLayout(m_picture);
    content->addWidget(m_heading);
    content->addWidget(captionLabel(QStringLiteral("Связей за 10 минут"), m_picture));
    content->addWidget(m_rates);
    content->addWidget(m_graph, 3);
    content->addWidget(captionLabel(QStringLiteral("Подтуры"), m_picture));
    content->addWidget(m_table, 3);
    content->addWidget(captionLabel(QStringLiteral("Заявленный счёт после подтура"), m_picture));
    content->addWidget(m_course, 2);

    m_save = new QPushButton(QStringLiteral("Сохранить картинку"), this);
    m_save->setObjectName(QStringLiteral("SavePicture"));
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("Notice"));
    connect(m_save, &QPushButton::clicked, this, &StatisticsWindow::savePictureClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_notice, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_picture, 1);
    layout->addLayout(buttons);
    buttons->setContentsMargins(9, 0, 9, 0);
    resize(640, 620);
}

void StatisticsWindow::showStatistics(const session::ContestStatistics& stats, const QString& heading)
{
    m_shown = stats;
    m_heading->setText(heading);
    m_rates->setText(QStringLiteral("Сейчас: %1 за 10 минут (%2 в час), %3 за последний час")
                         .arg(stats.rates.lastTenMinutes)
                         .arg(stats.rates.lastTenMinutes * 6)
                         .arg(stats.rates.lastHour));
    m_graph->setStatistics(stats);
    fillTable(stats);
    m_course->setStatistics(stats);
}

// Sub-tour, start, the band-modes worked, all, points, change; the total last.
void StatisticsWindow::fillTable(const session::ContestStatistics& stats)
{
    std::vector<int> columns;
    for (int c = 0; c < session::kBandModeColumns; ++c) {
        if (stats.columns[size_t(c)])
            columns.push_back(c);
    }
    QStringList captions = {QStringLiteral("Тур"), QStringLiteral("Начало")};
    for (int c : columns)
        captions << columnCaption(c);
    captions << QStringLiteral("Всего") << QStringLiteral("Очки") << QStringLiteral("±");
    m_table->setColumnCount(int(captions.size()));
    m_table->setHorizontalHeaderLabels(captions);
    m_table->setRowCount(int(stats.subTours.size()) + 1);
    const auto put = [this](int row, int column, const QString& text, bool bold) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(column < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        if (bold) {
            QFont f = m_table->font();
            f.setBold(true);
            item->setFont(f);
        }
        m_table->setItem(row, column, item);
    };
    const auto putRow = [&](int row, const session::SubTourRow& r, const QString& label, bool total) {
        int column = 0;
        put(row, column++, label, total);
        put(row, column++, r.since, total);
        for (int c : columns)
            put(row, column++, r.contacts[size_t(c)] ? QString::number(r.contacts[size_t(c)]) : QString(), total);
        put(row, column++, QString::number(r.total), total);
        put(row, column++, stats.judgesPoints ? QStringLiteral("—") : QString::number(r.points), total);
        put(row, column++, session::changeText(r.change), total);
    };
    for (size_t i = 0; i < stats.subTours.size(); ++i)
        putRow(int(i), stats.subTours[i], session::subTourLabel(stats.subTours[i], stats.subToursExact), false);
    putRow(int(stats.subTours.size()), stats.total, QStringLiteral("Итого"), true);
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    // No taller than its rows: the room left goes to the pictures.
    int height = m_table->horizontalHeader()->height() + 2 * m_table->frameWidth();
    for (int row = 0; row < m_table->rowCount(); ++row)
        height += m_table->rowHeight(row);
    m_table->setMaximumHeight(height + m_table->horizontalScrollBar()->sizeHint().height());
    if (!stats.subTours.empty())
        m_table->scrollToBottom(); // the sub-tour being worked stays in sight
}

std::optional<QString> StatisticsWindow::savePicture(const QString& fileName)
{
    const QImage picture = m_picture->grab().toImage();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(fileName, logbook::fileErrorText(file));
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        file.cancelWriting();
        return QStringLiteral("%1: %2").arg(fileName, writer.errorString());
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(fileName, logbook::fileErrorText(file));
    return std::nullopt;
}

void StatisticsWindow::showNotice(const QString& text)
{
    m_notice->setText(text);
}


void StatisticsWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_table) // also while it is being built
        fillTable(m_shown);
}

