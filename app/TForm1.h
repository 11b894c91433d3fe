#pragma once

#include "app/MainWindowServices.h"
#include "keyer/ApdComPort.h"
#include "keyer/CwKeyer.h"
#include "keyer/KeyingPortLines.h"
#include "keyer/KeyerSettings.h"
#include "keyer/SystemPortEnumerator.h"
#include "keyer/VoiceMessages.h"
#include "radio/RigBandPlan.h"
#include "radio/RigSettings.h"
#include "session/ContestSession.h"
#include "session/RigFollower.h"
#include "session/TransmitRules.h"
#include "session/Transmitter.h"
#include "setup/IniStore.h"
#include "setup/StationStore.h"
#include "setup/WindowSettings.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <optional>

class Clock;
class MainWindowView;
class WindowKeeper;
namespace scoring {
class MasterCallsLoader;
}
class Dialogs;
class TForm2;
class QAction;
class QKeyEvent;
class QMenu;
class QTime;
class QTimer;

// The main window: the logger on screen. Its handlers turn the controls into
// calls of the contest session, which holds the log and its rules, and show
// what each call changed. Its operations are split over files by subject:
// start-up and shutdown, bands and modes, entry, keys, the transmitter.
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
    setup::StationStore& store() { return m_store; }
    setup::IniStore& iniStore() { return m_ini; }
    void refreshCaption();
    // The serial ports present, for the setup dialog's port field.
    const keyer::PortEnumerator& ports() const { return m_ports; }

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

    // Bands and modes.
    void SelectBand(int band); // Panel1Click .. Panel6Click
    void Panel7Click(); // toggle mode
    void Panel9Click(); // toggle short zero
    void CheckBoxMouseUp(int band);
    void AC();             // entry focus rule
    void showEntryPhase(); // the entry fields as the session's phase has them
    void WriteBitBtn();  // function-key captions

    // Entry of contacts.
    void Edit1KeyUp(QKeyEvent* e);
    bool Edit1KeyPress(QKeyEvent* e); // true: the character is swallowed
    void EntryKeyDown(QKeyEvent* e, bool inReceived); // Esc in the call or the received field
    void Edit2KeyUp(QKeyEvent* e);
    bool Edit2KeyPress(QKeyEvent* e);
    void CompleteContact();
    void StringGrid1Click();
    void StringGrid1KeyPress(QKeyEvent* e);
    void StringGrid1SetEditText(int row, int column, const QString& before);

    // Keyboard dispatchers; they see every key before the focused control.
    void FormKeyDown(QKeyEvent* e);
    void FormKeyUp(QKeyEvent* e);
    void ShowHelp();

    void StringOfCalls();
    // The master-file line (TForm1Master.cpp).
    void FollowMasterFile(); // the file kvl.ini names, or MASTER.SCP
    void TakeMasterCall(const QString& call);
    void CallEntered();
    void WriteCheckBox();
    void ShowCallsLineFlag();
    void OpenVoiceFiles();
    void OpenKeyingPort();
    void ReadTxDelay();
    // Each returns what it could not write, and why; none of it stops the exit.
    QStringList CreateReport();
    QStringList CreateExports(); // Cabrillo and ADIF beside the report
    // Follows the rig of kvl.ini, or none; a rig already followed with the
    // same settings goes on undisturbed.
    void FollowRig();
    // Stops following the rig at exit; false when a rig call still holds a
    // thread, which the program must then not return past.
    bool releaseRig() { return m_rig->release(); }
    void SubTourCheck(const QDateTime& now);
    void Panel8Click();  // start new sub-tour
    void Panel12Click(); // delete or restore the last contact
    void ForceSubTour();
    void showSubTourOffer(const session::Changes& changes);
    void ClearLog();
    session::TransmitState transmitState() const;
    void transmitKey(session::TransmitKey key, int index = 0);
    void CtrlLayer(bool on);
    void keyerHooks(QKeyEvent* e); // Pause, Esc while sending, Page Up/Down, Alt+C

    session::ContestSession& session() { return m_session; }
    session::Transmitter& transmitter() { return m_transmitter; }
    keyer::CwKeyer& keyer() { return m_transmitter.keyer(); }
    keyer::ApdComPort& keyingPort() { return m_transmitter.port(); }
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
    void buildMenu();
    void connectControls();
    void loadStationData();
    void takeStationData(const QStringList& lines);
    // Shows what a call of the session changed, and its error or notice;
    // false when it failed, so that the handler stops there.
    bool showChanges(const session::Changes& changes);
    void selectCurrentRow();
    bool previewKey(QWidget* target, QKeyEvent* e);
    template <class Action>
    bool runGuarded(Action&& action);
    bool routeKeyToControl(QWidget* target, QKeyEvent* e);
    void altCommand(int latinKey);
    bool altShortcutOverride(QKeyEvent* e);
    void openMenu(QMenu* menu);
    void giveKeysBackAfter(QMenu* menu);
    void connectRig();
    void rigFollowsLogger(bool bandChanged);
    bool tuneToTypedFrequency();

    std::unique_ptr<WindowKeeper> m_windowKeeper; // size, place and text size

    // ---- Transmitter control (TForm1Keyer.cpp) ----
    bool m_ctrlLayer = false; // Ctrl alone held: the buttons send the Ctrl bank

    // ---- The master-file line (TForm1Master.cpp) ----
    void connectMasterLine();
    void layoutMasterLine();
    void showMasterCalls();
    void masterLogChanged(); // after every change of the session
    scoring::MasterCallsLoader* m_master = nullptr;
    std::optional<scoring::WorkedCalls> m_worked; // until the session changes
    QString m_masterPath;
    bool m_masterFollowed = false;

    Clock& m_clock;
    Dialogs& m_dialogs;
    TForm2* m_setupDialog = nullptr;
    setup::StationStore m_store; // both edited by the setup dialog, read by all
    setup::IniStore m_ini;
    session::ContestSession m_session;
    // The port outlives the keyer that switches its lines; both the keyer and
    // the voice PTT switch them through their one owner.
    session::Transmitter m_transmitter;
    keyer::SystemPortEnumerator m_machinePorts;
    const keyer::PortEnumerator& m_ports;
    radio::RigPoller* m_rig = nullptr;
    session::RigFollower* m_rigFollower = nullptr;
    QStringList m_stationData; // the window's own copy of the station data file
    bool m_shown = false;

    MainWindowView* m_view = nullptr; // the client area and its controls
    QMenu* File1 = nullptr;
    QMenu* Service1 = nullptr;
    QPointer<QWidget> m_keysBeforeMenu; // where the keys go back when a menu closes
    QAction* N11 = nullptr;
    QTimer* Timer1 = nullptr;
};

#include "common/ErrorGuard.h"

template <class Action>
bool TForm1::runGuarded(Action&& action)
{
    return guarded(m_dialogs, std::forward<Action>(action));
}
