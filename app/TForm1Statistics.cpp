// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window beside the main one: opened and closed by Alt+G or
// the menu, given new figures after every change of the log, its place kept.
#include "app/TForm1.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/FileNames.h"
#include "widgets/MainWindowView.h"
#include "widgets/StatisticsWindow.h"

#include <QAction>
#include <QRegularExpression>

void TForm1::buildStatistics()
{
    m_statistics = new StatisticsWindow(this);
    m_statistics->setAttribute(Qt::WA_ShowWithoutActivating); // the typing goes on in the main window
    connect(m_statistics, &StatisticsWindow::savePictureClicked, this,
            [this] { runGuarded([this] { saveStatisticsPicture(); }); });
    connect(m_statistics, &StatisticsWindow::hidden, this, [this] {
        N13->setChecked(false);
        activateWindow();
        AC();
    });
    m_statistics->keepIn(m_ini, setup::IniStore::SideWindow::Statistics, SideWindow::Side::Right);
    if (const std::optional<QString>& problem = m_ini.sideWindow(setup::IniStore::SideWindow::Statistics).problem)
        m_dialogs.showError(errorBoxText(*problem));
}

void TForm1::toggleStatistics()
{
    if (m_statistics->isVisible())
        m_statistics->hide();
    else
        openStatistics();
}

void TForm1::openStatistics()
{
    m_statistics->open(*this);
    N13->setChecked(true);
    m_statisticsMinute = -1;
    refreshStatistics();
}

void TForm1::refreshStatistics()
{
    if (!m_statistics || !m_statistics->isVisible())
        return;
    const QDateTime now = m_clock.current();
    m_statisticsMinute = now.time().hour() * 60 + now.time().minute();
    const session::ContestStatistics stats = m_session.statistics(now);
    QString heading = QStringList {settings().callSign().trimmed(), settings().contestVariant().trimmed()}
                          .filter(QRegularExpression(QStringLiteral("\\S")))
                          .join(QStringLiteral(" — "));
    if (stats.firstDay)
        heading += (heading.isEmpty() ? QString() : QStringLiteral(", ")) + stats.firstDay->toString(QStringLiteral("dd.MM.yyyy"));
    m_statistics->showStatistics(stats, heading);
}

// Beside the log, named by the station's call.
void TForm1::saveStatisticsPicture()
{
    QString stem = logbook::callFileStem(settings().callSign());
    const QString name = (stem.isEmpty() ? QStringLiteral("kvl") : stem) + QStringLiteral("-stat.png");
    if (const std::optional<QString> failure = m_statistics->savePicture(name)) {
        m_statistics->showNotice(QString());
        m_dialogs.showError(errorBoxText(QStringLiteral("Картинка не записана: ") + *failure));
        return;
    }
    m_statistics->showNotice(QStringLiteral("Записано: ") + name);
}

