// The statistics window beside the main one: opened and closed by Alt+G or
// the menu, given new figures after every change of the log, its place kept.
#include "app/TForm1.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/FileNames.h"
#include "widgets/MainWindowView.h"
#include "widgets/StatisticsWindow.h"

#include <QAction>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

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
    if (const std::optional<QString>& problem = m_ini.statisticsWindow().problem)
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
    if (!m_statisticsPlaced)
        placeStatistics();
    m_statistics->show();
    m_statistics->raise();
    N13->setChecked(true);
    m_statisticsMinute = -1;
    refreshStatistics();
}

// Where it was last time, inside a screen still there; else to the right
// of the main window, as far as its screen lets it.
void TForm1::placeStatistics()
{
    m_statisticsPlaced = true;
    const std::optional<QRect>& saved = m_ini.statisticsWindow().settings.geometry;
    const QScreen* screen = saved ? QGuiApplication::screenAt(saved->center()) : nullptr;
    QRect wanted = saved.value_or(QRect());
    if (!screen) {
        screen = this->screen();
        const QRect frame = frameGeometry();
        wanted = QRect(frame.right() + 1, frame.top(), m_statistics->width(), std::max(frame.height(), m_statistics->height()));
    }
    m_statistics->setGeometry(setup::fitOnScreen(wanted, m_statistics->minimumSizeHint(), screen->availableGeometry()));
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

// Its place only once it was placed: a window never opened keeps kvl.ini as it is.
void TForm1::saveStatisticsWindow()
{
    setup::SideWindowSettings kept = m_ini.statisticsWindow().settings;
    kept.open = m_statistics->isVisible();
    if (m_statisticsPlaced)
        kept.geometry = m_statistics->normalGeometry();
    m_ini.setStatisticsWindow(kept);
}
