// SPDX-License-Identifier: GPL-3.0-or-later
// The DX cluster: its spots on the band map, marked by the repeat rule of
// the sub-tour being worked; a spot chosen tunes the rig and takes its call.
#include "app/TForm1.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "radio/ClusterClient.h"
#include "scoring/MasterCallsLoader.h"
#include "widgets/BandMapWindow.h"
#include "widgets/ClusterWindow.h"
#include "widgets/MainWindowView.h"
#include "widgets/StatisticsWindow.h"
#include "widgets/StatusLine.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

void TForm1::buildCluster()
{
    m_cluster = new radio::ClusterClient({}, this);
    m_bandMap = new BandMapWindow(this);
    m_clusterWindow = new ClusterWindow(this);
    m_bandMap->setAttribute(Qt::WA_ShowWithoutActivating); // the typing goes on in the main window
    m_clusterWindow->setAttribute(Qt::WA_ShowWithoutActivating); // a click takes it to the command line
    m_bandMap->keepIn(m_ini, setup::IniStore::SideWindow::BandMap, SideWindow::Side::Left);
    m_clusterWindow->keepIn(m_ini, setup::IniStore::SideWindow::Cluster, SideWindow::Side::Below);
    connect(m_cluster, &radio::ClusterClient::spotReceived, this,
            [this](const radio::Spot& spot) { runGuarded([this, &spot] { takeSpotFromNode(spot); }); });
    connect(m_cluster, &radio::ClusterClient::lineReceived, m_clusterWindow, &ClusterWindow::appendLine);
    connect(m_cluster, &radio::ClusterClient::stateChanged, m_clusterWindow, &ClusterWindow::showState);
    connect(m_clusterWindow, &ClusterWindow::commandEntered, this, [this](const QString& command) {
        if (m_cluster->send(command))
            m_clusterWindow->appendLine(QStringLiteral("> ") + command);
        else
            m_clusterWindow->appendLine(QStringLiteral("Не отправлено: кластер не подключён"));
    });
    connect(m_bandMap, &BandMapWindow::spotChosen, this,
            [this](const QString& call, qint64 hz) { runGuarded([this, call, hz] { takeSpot(call, hz); }); });
    for (SideWindow* window : {static_cast<SideWindow*>(m_bandMap), static_cast<SideWindow*>(m_clusterWindow)}) {
        connect(window, &SideWindow::hidden, this, [this] {
            N14->setChecked(m_bandMap->isVisible());
            N15->setChecked(m_clusterWindow->isVisible());
            activateWindow();
            AC();
        });
    }
}

void TForm1::followCluster()
{
    if (!m_ini.cluster().problem.isEmpty())
        m_dialogs.showError(errorBoxText(m_ini.cluster().problem));
    m_cluster->follow(m_ini.cluster().settings, settings().callSign());
}

// A spot heard makes the station an assisted one: its Cabrillo says so from
// then on, unless the operator clears it in setup.
void TForm1::takeSpotFromNode(const radio::Spot& spot)
{
    if (!m_spots.add({spot.call, spot.frequencyHz, {}, spot.spotter, spot.comment, m_clock.current()}))
        return;
    if (!m_assistedNoted) {
        m_assistedNoted = true;
        m_ini.setAssisted(true);
    }
    refreshBandMap();
}

void TForm1::toggleBandMap()
{
    toggleSideWindow(m_bandMap, N14);
}

void TForm1::toggleClusterWindow()
{
    toggleSideWindow(m_clusterWindow, N15);
}

void TForm1::toggleSideWindow(SideWindow* window, QAction* item)
{
    if (window->isVisible()) {
        window->hide();
        return;
    }
    window->open(*this);
    item->setChecked(true);
    refreshBandMap();
}

// At exit: each window's place, and whether it was open.
void TForm1::saveSideWindows()
{
    for (SideWindow* window : {static_cast<SideWindow*>(m_statistics), static_cast<SideWindow*>(m_bandMap),
                               static_cast<SideWindow*>(m_clusterWindow)})
        runGuarded([window] { window->savePlace(); });
}

void TForm1::refreshBandMap()
{
    if (!m_bandMap || !m_bandMap->isVisible())
        return;
    const int selected = qMax(0, m_session.selectedBand());
    const scoring::WorkedIndex worked = m_session.workedIndex();
    const std::shared_ptr<const scoring::MasterIndex> master = m_master->index();
    const auto bandSpots = [&](int band) {
        return BandMapWindow::BandSpots {band, session::markedSpots(m_spots, band, worked, master.get())};
    };
    std::vector<BandMapWindow::BandSpots> others;
    for (int band = 0; band < logbook::kBandCount; ++band) {
        if (band != selected)
            others.push_back(bandSpots(band));
    }
    m_bandMap->showSpots(bandSpots(selected), others, m_session.rigFrequency(), m_clock.current());
}

// The logger goes to the spot's band and mode, then the rig to its
// frequency; the call is taken as if typed. With the received exchange
// open the rig is only tuned: the contact being entered stays.
void TForm1::takeSpot(const QString& call, qint64 hz)
{
    m_lastSpotHz = hz;
    const std::optional<logbook::BandAndMode> bandMode = session::spotBandMode(hz, QString());
    if (m_session.entryPhase() != session::EntryPhase::Received && bandMode) {
        if (m_session.selectedBand() != bandMode->band)
            showChanges(m_session.selectBand(bandMode->band));
        showChanges(m_session.selectMode(bandMode->mode));
    }
    if (!m_rigFollower->tuneToFrequency(hz) && m_ini.rig().settings.enabled())
        m_view->statusLine->showRig(QStringLiteral("Трансивер не отвечает"));
    if (m_session.entryPhase() == session::EntryPhase::Call) {
        m_view->Edit1->setText(call);
        StringOfCalls();
    }
    activateWindow();
    AC();
}

void TForm1::nextSpot(bool up)
{
    const qint64 from = m_session.rigFrequency() > 0 ? m_session.rigFrequency() : m_lastSpotHz;
    if (const std::optional<session::MapSpot> next = m_spots.next(qMax(0, m_session.selectedBand()), from, up))
        takeSpot(next->call, next->frequencyHz);
}

// "DX 14025.0 UA1AA": the call in the call field at the rig's frequency.
void TForm1::sendSpot()
{
    const QString call = m_view->Edit1->text().trimmed();
    const qint64 hz = m_session.rigFrequency();
    QString refusal;
    if (call.isEmpty())
        refusal = QStringLiteral("Спот не отправлен: в поле позывного пусто");
    else if (hz <= 0)
        refusal = QStringLiteral("Спот не отправлен: частота трансивера неизвестна");
    const QString line = QStringLiteral("DX %1 %2").arg(double(hz) / 1000.0, 0, 'f', 1).arg(call);
    if (refusal.isEmpty() && !m_cluster->send(line))
        refusal = QStringLiteral("Спот не отправлен: кластер не подключён");
    if (!refusal.isEmpty()) {
        m_view->Label25->setText(refusal);
        return;
    }
    m_clusterWindow->appendLine(QStringLiteral("> ") + line);
    m_ini.setAssisted(true);
}
