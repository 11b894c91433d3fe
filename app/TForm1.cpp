// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up stages, the clock, what the session changed, and the shutdown of
// the main window.
#include "app/TForm1.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "log/ContactGrid.h"
#include "scoring/Exports.h"
#include "scoring/MasterCallsLoader.h"
#include "scoring/Report.h"
#include "setup/StationDataFile.h"
#include "setupui/Unit2.h"
#include "setupui/WindowPlacement.h"
#include "widgets/BandPanels.h"
#include "widgets/ContactGridView.h"
#include "widgets/MacroButtons.h"
#include "widgets/MainWindowView.h"
#include "widgets/ManualWindow.h"
#include "widgets/Panel.h"
#include "widgets/StatisticsWindow.h"
#include "widgets/StatusLine.h"
#include "widgets/BandMapWindow.h"
#include "widgets/ClusterWindow.h"
#include "widgets/WindowKeeper.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

TForm1::TForm1(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_clock(services.clock)
    , m_dialogs(services.dialogs)
    , m_session(m_store, services.clock, services.contestFolders)
    , m_transmitter(services.portDevice, services.keyerTime, services.player1, services.player2)
    , m_ports(services.ports ? *services.ports : m_machinePorts)
    , m_manualFile(services.manualFile)
{
    m_rig = services.rigConnection ? new radio::RigPoller(services.rigConnection, services.rigTiming, this)
                                   : new radio::RigPoller(this);
    m_ini.load();
    buildWindow();
    FollowMasterFile(); // before the saved size, which lacks the master line's row
    connect(&m_ini, &setup::IniStore::changed, this, [this](setup::IniStore::Section section) {
        if (section == setup::IniStore::Section::Master)
            runGuarded([this] { FollowMasterFile(); });
        if (section == setup::IniStore::Section::Exchange)
            m_session.setStationExchanges(m_ini.exchanges());
        if (section == setup::IniStore::Section::Cluster && m_shown)
            runGuarded([this] { followCluster(); });
        if (section == setup::IniStore::Section::Udp && m_shown)
            runGuarded([this] { followUdp(false); });
        if (section == setup::IniStore::Section::Audio && m_shown)
            runGuarded([this] { followAudio(); });
    });
    if (const std::optional<QString> problem = m_windowKeeper->restore())
        m_dialogs.showError(errorBoxText(*problem));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connectControls();
    buildBroadcast(services.udpSink);
    buildAudio(services.audioStorage);
    qApp->installEventFilter(this);
    FormCreate();
    Timer1->start(1000);
}

TForm1::~TForm1() = default;

void TForm1::showManual()
{
    if (m_manualFile.isEmpty() || !QFileInfo::exists(m_manualFile)) {
        m_dialogs.showError(QStringLiteral("Руководство не найдено")
                            + (m_manualFile.isEmpty() ? QString() : QStringLiteral(": ") + m_manualFile));
        return;
    }
    if (!m_manual)
        m_manual = new ManualWindow(this);
    runGuarded([this] { m_manual->showManual(m_manualFile); });
}

void TForm1::connectControls()
{
    const auto on = [this](auto* sender, auto signal, auto action) {
        connect(sender, signal, this, [this, action](auto... args) { runGuarded([&] { action(args...); }); });
    };
    connect(Timer1, &QTimer::timeout, this, [this] { runGuarded([this] { Timer1Timer(); }); });
    const auto selectBand = [this](int band) { showChanges(m_session.selectBand(band)); };
    on(m_view->bands, &BandPanels::panelClicked, selectBand);
    on(m_view->bands, &BandPanels::boxClicked, [this, selectBand](int band) { AC(); selectBand(band); });
    on(m_view->Panel7, &Panel::clicked, [this] { Panel7Click(); });
    on(m_view->Panel8, &Panel::clicked, [this] { Panel8Click(); });
    on(m_view->Panel9, &Panel::clicked, [this] { Panel9Click(); });
    on(m_view->Panel12, &Panel::clicked, [this] { showChanges(m_session.deleteOrRestore()); });
    on(m_view->Label1, &Panel::clicked, [this] { ClearLog(); });
    on(m_view->StringGrid1, &QAbstractItemView::clicked, [this](const QModelIndex&) { StringGrid1Click(); });
    on(&m_view->StringGrid1->grid(), &logbook::ContactGrid::cellEdited,
       [this](int row, int column, const QString& before) { showChanges(m_session.editRow(row, column, before)); });
    on(m_view->macroButtons, &MacroButtons::clicked,
       [this](int i) { transmitKey(session::TransmitKey::Function, i); });
    connectRig();
}

void TForm1::settingsChanged(TForm2& setupDialog)
{
    attachSetupDialog(&setupDialog);
    refreshCaption();
    // New coordinates apply at once: to the row being entered, never to a logged one.
    m_session.setCoordinates(setupDialog.lines().value(setup::Coordinates));
    WriteBitBtn();
    m_view->statusLine->refresh(); // the next sub-tour time may have changed
    refreshStatistics(); // the contest may have changed
    if (m_shown) // from then on the rig follows setup
        m_rigFollower->follow(m_ini.rig().settings);
}

bool TForm1::showChanges(const session::Changes& changes)
{
    m_view->showChanges(changes, m_session);
    if (changes.mode) {
        refreshCaption();
        WriteBitBtn();
    }
    N11->setChecked(m_session.state().callsLineShown());
    if (session::stopsTransmission(changes))
        rigFollowsLogger(changes.band);
    if (changes.error && !changes.errorKnown) // a known write fault stays on the red line
        m_dialogs.showError(errorBoxText(*changes.error));
    if (changes.notice)
        m_dialogs.showError(errorBoxText(*changes.notice));
    refreshStatistics();
    refreshBandMap(); // the marks follow the log, the band and the sub-tour
    broadcastChanges(changes);
    return !changes.error;
}

// From now on the contact being entered belongs to the new sub-tour; the
// session scans a call already typed again. Nothing offered: nothing to show.
void TForm1::showSubTourOffer(const session::Changes& changes)
{
    if (changes.subTour)
        showChanges(changes);
}

void TForm1::refreshCaption()
{
    setWindowTitle(setup::windowCaption(settings().contestVariant(), logbook::modeText(m_session.mode()), settings().callSign()));
}

void TForm1::selectCurrentRow()
{
    m_view->StringGrid1->selectGridRow(m_session.currentRow());
}

// ---- Start-up stages ----

// Without the station data file the start-up still reads (or creates) the log
// and the state, with empty coordinates: a later write can then never
// overwrite a stored log.
void TForm1::FormCreate()
{
    showChanges(m_session.loadAsiaBase());
    QStringList stationData;
    runGuarded([&] { stationData = setup::readStationData(setup::kStationDataFileName); });
    m_store.setLines(stationData); // the contest's rules mark the repeats from the start
    m_session.setStationExchanges(m_ini.exchanges());
    showChanges(m_session.start(stationData.value(setup::Coordinates)));
}

// Each step on its own: a keying port that fails leaves the rig followed,
// and the other way round.
void TForm1::FormShow()
{
    runGuarded([this] { OpenKeyingPort(); });
    runGuarded([this] { m_transmitter.readTxDelay(settings().txDelay()); });
    runGuarded([this] { FollowRig(); });
    runGuarded([this] { followCluster(); });
    runGuarded([this] { followUdp(true); });
    runGuarded([this] { followAudio(); });
    showSubTourOffer(m_session.clockReading(m_clock.current())); // one that passed while the program was not running
    if (m_statistics->wasOpen())
        runGuarded([this] { openStatistics(); });
    if (m_bandMap->wasOpen())
        runGuarded([this] { toggleBandMap(); });
    if (m_clusterWindow->wasOpen())
        runGuarded([this] { toggleClusterWindow(); });
}

void TForm1::FormActivate()
{
    showChanges(m_session.rescore());
    widenForExchanges();
    if (!showChanges(m_session.loadRaBase()))
        return;
    m_transmitter.voice().OpenVoiceFiles();
    selectCurrentRow();
}

// A contest whose exchanges are longer than the built-in ones' widens the
// grid's exchange columns, and the window as far as the grid needs.
void TForm1::widenForExchanges()
{
    const int lacking = m_view->StringGrid1->setExchangeLength(m_session.exchangeLength());
    if (lacking == 0 || isMaximized() || isFullScreen())
        return;
    resize(width() + lacking, height());
    if (m_shown)
        m_windowKeeper->keepOnScreen();
}

void TForm1::Timer1Timer()
{
    const QDateTime now = m_clock.current();
    m_view->Label1->setText(logbook::clockText(now.time()));
    showSubTourOffer(m_session.clockReading(now));
    m_view->statusLine->clockTick(now.time());
    broadcastTick(now);
    m_contestRecorder->clockReading(now);
    const int minute = now.time().hour() * 60 + now.time().minute();
    if (minute != m_statisticsMinute)
        refreshStatistics(); // the rates count whole minutes
    if (minute != m_spotMinute) {
        m_spotMinute = minute;
        m_spots.age(now, m_ini.cluster().settings.spotMinutes);
        refreshBandMap();
    }
}

// The report is rebuilt from the log at every exit, so one that cannot be
// written is shown and the exit goes on: leaving loses nothing.
void TForm1::FormClose()
{
    // Before the rig is let go: the stop of its keyer and its PTT off still reach it.
    m_transmitter.stop();
    m_rig->stop(); // no band or mode wish arrives past this point
    runGuarded([this] { m_rigFollower->saveBandPlan(); });
    runGuarded([this] { m_transmitter.close(); });
    // Every file is tried; what was not written is said once, one line each.
    const QVector<logbook::Contact> rows = m_session.loggedRows();
    const scoring::ContestDescription* contest = m_session.contest();
    QStringList unwritten = scoring::CreateReport(rows, logbook::modeWord(m_session.mode()), settings(), contest).failures
        + scoring::CreateExports({rows}, settings(), contest, m_ini.exports(), QDateTime::currentDateTimeUtc()).messages;
    for (QString& line : unwritten)
        line = errorBoxText(line);
    if (!unwritten.isEmpty())
        m_dialogs.showError(unwritten.join(QLatin1Char('\n')));
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_windowKeeper->framed();
        runGuarded([this] { FormActivate(); });
    }
    return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_windowKeeper->shown();
    // The show event comes before the window appears, at its final size.
    if (!m_windowKeeper->placed())
        centreOnScreen(*this);
    m_windowKeeper->keepOnScreen(); // centred, a window larger than its screen would lose its caption
    runGuarded([this] { FormShow(); });
    // The current row sits on the entry line from the first moment, also
    // where the window manager never makes the window active.
    selectCurrentRow();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { m_windowKeeper->save(); });
    saveSideWindows();
    FormClose();
    event->accept();
    Q_EMIT closed();
}

// ---- Menu and panel commands ----

void TForm1::N1Click()
{
    if (!m_setupDialog)
        return;
    m_setupDialog->show();
    m_setupDialog->raise();
    m_setupDialog->activateWindow();
}

void TForm1::Panel7Click()
{
    showChanges(m_session.toggleMode());
}

void TForm1::Panel8Click()
{
    showChanges(m_session.applySubTour());
}

void TForm1::ClearLog()
{
    if (!m_dialogs.confirm(QStringLiteral("Очистка LOG-а перед тестом"))
        || !m_dialogs.confirm(QStringLiteral("Вы уверены. Очистить LOG ?")))
        return;
    m_session.clearLog();
    close();
}
