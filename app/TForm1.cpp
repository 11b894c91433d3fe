#include "TForm1.h"

#include "Clock.h"
#include "Dialogs.h"
#include "ErrorGuard.h"
#include "Panel.h"
#include "StationDataFile.h"
#include "Unit2.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

using logbook::Mode;

namespace {

// Settings before the setup dialog exists: every field empty.
class NoSettings : public StationSettings
{
public:
    QString field(int) const override { return {}; }
};
const NoSettings kNoSettings;

} // namespace

TForm1::TForm1(Clock& clock, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_clock(clock), m_dialogs(dialogs), m_log(m_grid)
{
    buildWindow();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded(m_dialogs, [this] { Timer1Timer(); }); });
    for (int band = 0; band < logbook::kBandCount; ++band)
        connect(m_bandPanels[size_t(band)], &Panel::clicked, this, [this, band] {
            guarded(m_dialogs, [this, band] { SelectBand(band); });
        });
    FormCreate();
    Timer1->start();
}

TForm1::~TForm1() = default;

void TForm1::attachSetupDialog(TForm2* setupDialog)
{
    m_setupDialog = setupDialog;
}

const StationSettings& TForm1::settings() const
{
    return m_setupDialog ? static_cast<const StationSettings&>(*m_setupDialog) : kNoSettings;
}

void TForm1::refreshCaption()
{
    setWindowTitle(setup::windowCaption(settings().contestVariant(), Panel7->text(), settings().callSign()));
}

// ---- Start-up stages ----

void TForm1::FormCreate()
{
    // Keyer speed and the Asia base file are set up by their own components.
    m_log.setCurrentRow(1);
    m_mode = Mode::SSB;
    // Without the station data file the start-up still reads (or creates) the
    // log and the state, with empty coordinates: a later write can then never
    // overwrite a stored log.
    guarded(m_dialogs, [this] { loadStationData(); });
    guarded(m_dialogs, [this] {
        m_coordinates = m_stationData.value(setup::Coordinates).left(setup::kCoordinatesLength);
        readStateAndLog();
    });
}

void TForm1::loadStationData()
{
    m_stationData = setup::readStationData(setup::kStationDataFileName);
}

void TForm1::readStateAndLog()
{
    const bool stateFound = m_log.readState();
    ShowCallsLineFlag();
    if (stateFound) {
        WriteCheckBox();
        RestoreBandAndMode();
    } else {
        SelectBand(0);
    }
    const std::optional<QString> warning = m_log.readLog();
    if (warning) {
        prefillCurrentRow();
        m_dialogs.showError(errorBoxText(*warning));
    }
}

void TForm1::FormShow()
{
    OpenKeyingPort();
    ReadTxDelay();
}

void TForm1::FormActivate()
{
    RescoreAll();
    LoadRaBase();
    OpenVoiceFiles();
    SwitchOffSystemBeep();
    selectCurrentRow();
}

void TForm1::selectCurrentRow()
{
    const int row = m_log.currentRow();
    const QModelIndex index = m_grid.index(logbook::ContactGrid::modelRow(row), 0);
    StringGrid1->setCurrentIndex(index);
    if (row >= kEntryLine)
        StringGrid1->scrollTo(index, QAbstractItemView::PositionAtBottom);
    else
        StringGrid1->scrollToTop();
}

void TForm1::Timer1Timer()
{
    const QString now = logbook::clockText(m_clock.now());
    Label1->setText(now);
    SubTourCheck();
}

bool TForm1::FormClose()
{
    return guarded(m_dialogs, [this] {
        ClosePort();
        CreateReport();
    });
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        guarded(m_dialogs, [this] { FormActivate(); });
    return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        guarded(m_dialogs, [this] { FormShow(); });
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormClose()) {
        event->ignore();
        return;
    }
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

void TForm1::N11Click() {}
void TForm1::ClearLog() {}

// ---- Files ----

void TForm1::WriteLogFile()
{
    m_log.writeLogFile();
}

void TForm1::WriteCfgFile()
{
    m_log.writeCfgFile();
}

// ---- Bands ----

void TForm1::SelectBand(int band)
{
    Panel* chosen = m_bandPanels.at(size_t(band));
    if (!chosen->isRaised())
        return;
    m_bandChanged = true;
    chosen->setCaptionColor(Qt::red);
    Edit1->show();
    AC();
    m_selectedBand = band;
    m_log.state().bandMode = logbook::bandModeWord(band, m_mode);
    for (int b = 0; b < logbook::kBandCount; ++b) {
        m_bandPanels[size_t(b)]->setRaised(b != band);
        if (b != band)
            m_bandPanels[size_t(b)]->setCaptionColor(Qt::black);
    }
    prefillCurrentRow();
    WriteCfgFile();
}

void TForm1::prefillCurrentRow()
{
    const int row = m_log.currentRow();
    Izero(row);
    m_grid.setCell(row, logbook::BandMode, m_log.state().bandMode);
}

void TForm1::Izero(int row)
{
    m_grid.setCell(row, logbook::Sent, logbook::sentExchange(m_coordinates, row));
}

void TForm1::AC()
{
    if (Edit1->isVisible())
        Edit1->setFocus();
    if (Edit2->isVisible())
        Edit2->setFocus();
}

void TForm1::RestoreBandAndMode()
{
    m_mode = Mode::SSB;
    Panel7->setText(logbook::modeText(m_mode));
    if (const auto restored = logbook::parseBandModeWord(m_log.state().bandMode)) {
        m_mode = restored->mode;
        Panel7->setText(logbook::modeText(m_mode));
        SelectBand(restored->band);
    }
    WriteBitBtn();
    m_bandChanged = false;
}

void TForm1::ShowCallsLineFlag()
{
    const bool shown = m_log.state().callsLineShown();
    N11->setChecked(shown);
    Edit4->setVisible(shown);
}

void TForm1::WriteCheckBox()
{
    for (int b = 0; b < logbook::kBandCount; ++b)
        m_bandBoxes[size_t(b)]->setText(QString::number(m_log.state().bandCounters[size_t(b)]));
}

// ---- Steps of features still to come ----

void TForm1::WriteBitBtn() {}
void TForm1::RescoreAll() {}
void TForm1::LoadRaBase() {}
void TForm1::OpenVoiceFiles() {}
void TForm1::SwitchOffSystemBeep() {} // a Windows-only setting; nothing to do here
void TForm1::OpenKeyingPort() {}
void TForm1::ReadTxDelay() {}
void TForm1::ClosePort() {}
void TForm1::CreateReport() {}
void TForm1::SubTourCheck() {}
