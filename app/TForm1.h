#pragma once

#include "ApdComPort.h"
#include "BandTable.h"
#include "BaseText.h"
#include "ContestVariant.h"
#include "ContactGrid.h"
#include "CwKeyer.h"
#include "Logbook.h"
#include "MainWindowServices.h"
#include "StationSettings.h"
#include "VoiceMessages.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <optional>

class BandPanels;
class Clock;
class ContactGridView;
class Dialogs;
class Panel;
class TForm2;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTime;
class QTimer;

// The main window: the logger itself. It owns the contact grid, the entry
// fields, the band and mode panels, the counters, the function-key buttons and
// the clock, and mediates between them and the core. Its operations are split
// over files by subject: start-up and shutdown, bands and modes, entry, keys.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(const MainWindowServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The setup dialog is created after this window; from then on it is the
    // live store of the settings.
    void attachSetupDialog(TForm2* setupDialog);
    // The setup dialog loaded or saved its settings: show them in the caption,
    // take its coordinates and F-key captions.
    void settingsChanged(TForm2& setupDialog);
    const StationSettings& settings() const;
    void refreshCaption();

    // Start-up stages, clock and shutdown.
    void FormCreate();
    void FormShow();
    void FormActivate();
    void Timer1Timer();
    void FormClose(); // never abandons the exit

    // Menu and label commands.
    void N1Click();  // "&Установки"
    void N3Click();  // "&Выход"
    void N7Click();  // "&Очистка ЛОГа"
    void N11Click(); // "Строка позывных"
    void Label1Click();

    // Log and state files.
    void WriteLogFile();
    void WriteCfgFile();

    // Bands and modes.
    void SelectBand(int band); // Panel1Click .. Panel6Click
    void BandUp();
    void BandDown();
    void Panel7Click(); // toggle mode
    void Panel9Click(); // toggle short zero
    void CheckBoxMouseUp(int band);
    void RestoreBandAndMode();
    void Izero(int row); // sent exchange of a row
    void AC();           // entry focus rule
    void WriteBitBtn();  // function-key captions

    // Entry of contacts.
    void Edit1KeyUp(QKeyEvent* e);
    bool Edit1KeyPress(QKeyEvent* e); // true: the character is swallowed
    void Edit1KeyDown(QKeyEvent* e);
    void Edit2KeyUp(QKeyEvent* e);
    bool Edit2KeyPress(QKeyEvent* e);
    void Edit2KeyDown(QKeyEvent* e);
    void CompleteContact();
    void StringGrid1Click();
    void StringGrid1KeyPress(QKeyEvent* e);
    void StringGrid1SetEditText(int row);

    // Keyboard dispatchers; they see every key before the focused control.
    void FormKeyDown(QKeyEvent* e);
    void FormKeyUp(QKeyEvent* e);
    void ShowHelp();

    // Steps filled in as their features land.
    void StringOfCalls();
    void CallEntered();
    std::optional<QString> ScoreRow(int row); // the text to show once the contact is on disk
    void LoadAsiaBase();
    void SumCheckBox();
    void WriteCheckBox();
    void ShowCallsLineFlag();
    void RescoreAll();
    void LoadRaBase();
    void OpenVoiceFiles();
    void SwitchOffSystemBeep();
    void OpenKeyingPort();
    void ReadTxDelay();
    void ClosePort();
    void CreateReport();
    void SubTourCheck(const QTime& now);
    void Panel8Click();  // start new sub-tour
    void Panel12Click(); // delete or restore the last contact
    void DiscardRestoreBuffer();
    void ForceSubTour();
    void ClearLog();
    bool portSet() const;
    bool sending() const;
    void EnterMacro();
    void SpaceBarMacro();
    void MacroButtonClick(int index);
    void CtrlMacro(int index);
    void CtrlLayer(bool on);
    void keyerHooks(QKeyEvent* e); // Pause, Esc while sending, Page Up/Down, Alt+C

    logbook::Logbook& log() { return m_log; }
    keyer::CwKeyer& keyer() { return m_keyer; }
    keyer::ApdComPort& keyingPort() { return ApdComPort1; }
    logbook::ContactGrid& grid() { return m_grid; }
    int selectedBand() const { return m_selectedBand; }
    logbook::Mode mode() const { return m_mode; }
    bool bandChanged() const { return m_bandChanged; }
    const QString& coordinates() const { return m_coordinates; }
    const QStringList& stationData() const { return m_stationData; }

Q_SIGNALS:
    void closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildLeftColumn(QWidget* client);
    void buildCentre(QWidget* client);
    void buildUnderGrid(QWidget* client);
    void buildBottom(QWidget* client);
    void buildMenu();
    void connectControls();
    void loadStationData();
    void takeStationData(const QStringList& lines);
    void takeCoordinates();
    void readStateAndLog();
    void prefillCurrentRow();
    void selectCurrentRow();
    void stampContactTime(int row);
    void numberBandChange(int row);
    void deleteLastContact();
    void restoreLastContact();
    void changeSelectedCounter(int delta);
    bool previewKey(QWidget* target, QKeyEvent* e);
    template <class Action>
    bool runGuarded(Action&& action);
    bool routeKeyToControl(QWidget* target, QKeyEvent* e);
    void altCommand(int latinKey);

    static constexpr int kEntryLine = 6; // the lowest visible grid line

    // ---- Transmitter control (TForm1Keyer.cpp) ----
    void singleMacro(const QString& macroText);
    void Macros(const QString& macroText);
    bool m_ctrlLayer = false; // Ctrl alone held: the buttons send the Ctrl bank

    // ---- Scoring and the calls lines (TForm1Scoring.cpp) ----
    void lookUpBase(scoring::ContestVariant variant);
    void showCallsLine(bool shown);
    scoring::BaseText m_base;

    Clock& m_clock;
    Dialogs& m_dialogs;
    TForm2* m_setupDialog = nullptr;

    logbook::ContactGrid m_grid;
    logbook::Logbook m_log;
    // The port outlives the keyer that switches its lines.
    keyer::ApdComPort ApdComPort1;
    keyer::CwKeyer m_keyer;
    keyer::VoiceMessages m_voice;
    QStringList m_stationData; // the window's own copy of the station data file
    QString m_coordinates;
    int m_selectedBand = -1;
    logbook::Mode m_mode = logbook::Mode::SSB;
    bool m_bandChanged = false;
    bool m_shown = false;
    std::optional<logbook::QsoRecord> m_restore; // the last deleted contact, while it can be restored
    QString m_dupeCall;           // set by the calls scan: a repeat contact
    QString m_rememberedExchange; // set by the calls scan: the call's earlier exchange

    // Controls, named as the rest of the program knows them.
    Panel* Panel7 = nullptr;  // mode
    Panel* Panel8 = nullptr;  // new sub-tour
    Panel* Panel9 = nullptr;  // short zero
    Panel* Panel10 = nullptr;
    Panel* Panel11 = nullptr;
    Panel* Panel12 = nullptr; // delete / restore
    Panel* Label1 = nullptr;  // clock
    BandPanels* m_bands = nullptr;
    QLabel* Label25 = nullptr; // dupe warning
    ContactGridView* StringGrid1 = nullptr;
    QLineEdit* Edit1 = nullptr; // call
    QLineEdit* Edit2 = nullptr; // received exchange
    QLineEdit* Edit3 = nullptr; // sub-tour calls line
    QLineEdit* Edit4 = nullptr; // log calls line
    QPlainTextEdit* Memo1 = nullptr; // help
    std::array<QPushButton*, 12> m_macroButtons {};
    QAction* N11 = nullptr;
    QAction* N12 = nullptr;
    QTimer* Timer1 = nullptr;
};

#include "ErrorGuard.h"

template <class Action>
bool TForm1::runGuarded(Action&& action)
{
    return guarded(m_dialogs, std::forward<Action>(action));
}
