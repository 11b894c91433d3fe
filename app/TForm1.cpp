// Start-up stages, the clock, the menu and the shutdown of the main window.
#include "app/TForm1.h"
#include "widgets/MainWindowView.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "setup/StationDataFile.h"
#include "setupui/Unit2.h"
#include "setupui/WindowPlacement.h"
#include "widgets/BandPanels.h"
#include "log/ContactGrid.h"
#include "widgets/ContactGridView.h"
#include "widgets/MacroButtons.h"
#include "widgets/Panel.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowKeeper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTimer>

TForm1::TForm1(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_clock(services.clock)
    , m_dialogs(services.dialogs)
    , m_session(m_store)
    , m_transmitter(services.portDevice, services.keyerTime, services.player1, services.player2)
    , m_ports(services.ports ? *services.ports : m_machinePorts)
{
    m_rig = services.rigConnection ? new radio::RigPoller(services.rigConnection, services.rigTiming, this)
                                   : new radio::RigPoller(this);
    m_ini.load();
    buildWindow();
    FollowMasterFile(); // before the saved size, which lacks the master line's row
    if (const std::optional<QString> problem = m_windowKeeper->restore())
        m_dialogs.showError(errorBoxText(*problem));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connectControls();
    qApp->installEventFilter(this);
    FormCreate();
    Timer1->start();
}

TForm1::~TForm1() = default;

void TForm1::connectControls()
{
    connect(Timer1, &QTimer::timeout, this, [this] { runGuarded([this] { Timer1Timer(); }); });
    connect(m_view->bands, &BandPanels::panelClicked, this, [this](int band) { runGuarded([this, band] { SelectBand(band); }); });
    connect(m_view->bands, &BandPanels::boxClicked, this, [this](int band) { runGuarded([this, band] { CheckBoxMouseUp(band); }); });
    connect(m_view->Panel7, &Panel::clicked, this, [this] { runGuarded([this] { Panel7Click(); }); });
    connect(m_view->Panel8, &Panel::clicked, this, [this] { runGuarded([this] { Panel8Click(); }); });
    connect(m_view->Panel9, &Panel::clicked, this, [this] { runGuarded([this] { Panel9Click(); }); });
    connect(m_view->Panel12, &Panel::clicked, this, [this] { runGuarded([this] { Panel12Click(); }); });
    connect(m_view->StringGrid1, &QAbstractItemView::clicked, this, [this] { runGuarded([this] { StringGrid1Click(); }); });
    connect(&m_view->StringGrid1->grid(), &logbook::ContactGrid::cellEdited, this,
            [this](int row, int column, const QString& before) {
                runGuarded([&] { StringGrid1SetEditText(row, column, before); });
            });
    connect(m_view->macroButtons, &MacroButtons::clicked, this, [this](int i) { runGuarded([this, i] { transmitKey(session::TransmitKey::Function, i); }); });
    connectRig();
    connect(m_view->Label1, &Panel::clicked, this, [this] { runGuarded([this] { Label1Click(); }); });
}

void TForm1::attachSetupDialog(TForm2* setupDialog)
{
    m_setupDialog = setupDialog;
}

void TForm1::settingsChanged(TForm2& setupDialog)
{
    attachSetupDialog(&setupDialog);
    refreshCaption();
    takeStationData(setupDialog.lines());
    m_view->statusLine->refresh(); // the next sub-tour time may have changed
    FollowMasterFile();
    if (m_shown) // from then on the rig follows setup
        m_rigFollower->follow(m_ini.rig().settings);
}

// The window's copy of the station data follows every load and save of setup,
// so new coordinates and F-key captions apply at once: to the row being
// entered, never to a logged one.
void TForm1::takeStationData(const QStringList& lines)
{
    m_stationData = lines;
    m_session.setCoordinates(m_stationData.value(setup::Coordinates));
    WriteBitBtn();
}

const StationSettings& TForm1::settings() const
{
    return m_store;
}

bool TForm1::showChanges(const session::Changes& changes)
{
    if (changes.band) {
        showEntryPhase();
        m_view->bands->showSelected(m_session.selectedBand());
    }
    if (changes.mode) {
        m_view->Panel7->setText(logbook::modeText(m_session.mode()));
        refreshCaption();
        WriteBitBtn();
    }
    if (changes.counters)
        WriteCheckBox();
    if (changes.restore)
        m_view->Panel12->setText(m_session.restorePending() ? QStringLiteral("RESTORE QSO") : QStringLiteral("DELETE QSO"));
    if (changes.subTour)
        m_view->Panel8->setVisible(m_session.subTourPending());
    if (changes.callsLine)
        ShowCallsLineFlag();
    if (changes.scan)
        m_view->showScan(m_session.lastScan());
    if (changes.warning)
        m_view->Label25->setText(*changes.warning);
    if (changes.currentRow)
        selectCurrentRow();
    if (session::stopsTransmission(changes))
        rigFollowsLogger(changes.band);
    if (changes.status)
        m_view->statusLine->showFileNotice(*changes.status);
    else
        m_view->statusLine->refresh();
    masterLogChanged();
    if (changes.error && !changes.errorKnown) // a known write fault stays on the red line
        m_dialogs.showError(errorBoxText(*changes.error));
    if (changes.notice)
        m_dialogs.showError(errorBoxText(*changes.notice));
    return !changes.error;
}

void TForm1::refreshCaption()
{
    setWindowTitle(setup::windowCaption(settings().contestVariant(), logbook::modeText(m_session.mode()), settings().callSign()));
}

// ---- Start-up stages ----

void TForm1::FormCreate()
{
    // Keyer speed and the Asia base file are set up by their own components.
    showChanges(m_session.loadAsiaBase());
    // Without the station data file the start-up still reads (or creates) the
    // log and the state, with empty coordinates: a later write can then never
    // overwrite a stored log.
    runGuarded([this] { loadStationData(); });
    showChanges(m_session.start(m_stationData.value(setup::Coordinates)));
}

void TForm1::loadStationData()
{
    m_stationData = setup::readStationData(setup::kStationDataFileName);
}

// Each step on its own: a keying port that fails leaves the rig followed,
// and the other way round.
void TForm1::FormShow()
{
    runGuarded([this] { OpenKeyingPort(); });
    runGuarded([this] { ReadTxDelay(); });
    runGuarded([this] { FollowRig(); });
    SubTourCheck(m_clock.current()); // one that passed while the program was not running
}

void TForm1::FormActivate()
{
    m_session.rescore();
    if (!showChanges(m_session.loadRaBase()))
        return;
    OpenVoiceFiles();
    // The system's warning beep to switch off is Windows's; none here.
    selectCurrentRow();
}

void TForm1::selectCurrentRow()
{
    m_view->StringGrid1->selectGridRow(m_session.currentRow());
}

void TForm1::Timer1Timer()
{
    const QDateTime now = m_clock.current();
    m_view->Label1->setText(logbook::clockText(now.time()));
    SubTourCheck(now);
    m_view->statusLine->clockTick(now.time());
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
    QStringList unwritten = CreateReport() + CreateExports();
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
    if (!m_shown) {
        m_shown = true;
        // The show event comes before the window appears, at its final size.
        m_windowKeeper->shown();
        if (!m_windowKeeper->placed())
            centreOnScreen(*this);
        m_windowKeeper->keepOnScreen(); // centred, a window larger than its screen would lose its caption
        runGuarded([this] { FormShow(); });
        // The current row sits on the entry line from the first moment, also
        // where the window manager never makes the window active.
        selectCurrentRow();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    runGuarded([this] { m_windowKeeper->save(); });
    FormClose();
    event->accept();
    Q_EMIT closed();
}

// ---- Menu and label commands ----

void TForm1::N1Click()
{
    if (!m_setupDialog)
        return;
    m_setupDialog->show();
    m_setupDialog->raise();
    m_setupDialog->activateWindow();
}

void TForm1::N3Click()
{
    close();
}

void TForm1::N7Click()
{
    ClearLog();
}

void TForm1::Label1Click()
{
    ClearLog();
}
