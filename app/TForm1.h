// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainWindowServices.h"
#include "keyer/SystemPortEnumerator.h"
#include "keyer/VoiceRecorder.h"
#include "session/ContestSession.h"
#include "session/RigFollower.h"
#include "session/SpotStore.h"
#include "session/StationBroadcast.h"
#include "session/Transmitter.h"
#include "setup/IniStore.h"
#include "setup/StationStore.h"

#include <QMainWindow>
#include <memory>

class Clock;
class Dialogs;
class MainWindowView;
class TForm2;
class WindowKeeper;
class QKeyEvent;
class QMenu;
class QTimer;
class StatisticsWindow;
class SideWindow;
class BandMapWindow;
namespace keyer {
class ContestRecorder;
struct AudioStorage;
}
class ClusterWindow;
class ManualWindow;
namespace radio {
class ClusterClient;
struct Spot;
}
namespace scoring {
class MasterCallsLoader;
}

// The main window: the logger on screen. It turns the controls and the keys
// into calls of the contest session and the transmitter, which hold the rules,
// and shows what each call changed. Its operations are split over files by
// subject: start-up and shutdown, entry, keys, the transmitter, the rig.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(const MainWindowServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The setup dialog is created after this window and edits its stores.
    void attachSetupDialog(TForm2* setupDialog) { m_setupDialog = setupDialog; }
    // The setup dialog loaded or saved its settings: the caption, the
    // coordinates, the F-key captions and the rig follow.
    void settingsChanged(TForm2& setupDialog);
    setup::StationStore& store() { return m_store; }
    setup::IniStore& iniStore() { return m_ini; }
    // The serial ports present, for the setup dialog's port field.
    const keyer::PortEnumerator& ports() const { return m_ports; }

    void FormActivate();
    void Timer1Timer();
    void FormClose(); // never abandons the exit
    void N1Click();   // "&Установки"
    void Panel7Click(); // toggle mode
    void Panel8Click(); // start the new sub-tour
    void CompleteContact();
    void CallEntered();
    void StringGrid1Click();
    // Stops following the rig at exit; false when a rig call still holds a
    // thread, which the program must then not return past.
    bool releaseRig() { return m_rig->release(); }

    session::ContestSession& session() { return m_session; }
    session::Transmitter& transmitter() { return m_transmitter; }

Q_SIGNALS:
    void closed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const StationSettings& settings() const { return m_store; }
    template <class Action>
    bool runGuarded(Action&& action);
    // Shows what a call of the session changed, and its error or notice;
    // false when it failed, so that the handler stops there.
    bool showChanges(const session::Changes& changes);
    void showSubTourOffer(const session::Changes& changes);
    void refreshCaption();
    void widenForExchanges();
    void selectCurrentRow();

    // Start-up and shutdown (TForm1.cpp).
    void buildWindow();
    void buildMenu();
    void connectControls();
    void FormCreate();
    void FormShow();
    void ClearLog();

    // Entry of contacts, the calls lines and the master line (TForm1Entry.cpp).
    void AC(); // the focus where the entry phase has it
    void StringOfCalls();
    bool Edit1KeyPress(QKeyEvent* e); // true: the character is swallowed
    bool Edit2KeyPress(QKeyEvent* e);
    void EntryKeyUp(QKeyEvent* e, bool inReceived);
    void EntryKeyDown(QKeyEvent* e, bool inReceived); // Esc in the call or the received field
    void StringGrid1KeyPress(QKeyEvent* e);
    void FollowMasterFile(); // the file kvl.ini names, or MASTER.SCP
    void layoutMasterLine();
    void showMasterCalls();
    void TakeMasterCall(const QString& call);

    // The keys: every key is seen here before the focused control (TForm1Keys.cpp).
    bool previewKey(QWidget* target, QKeyEvent* e);
    bool routeKeyToControl(QWidget* target, QKeyEvent* e);
    void FormKeyDown(QKeyEvent* e);
    void FormKeyUp(QKeyEvent* e);
    void altCommand(int latinKey);
    void functionKeyTransmits(QKeyEvent* e, bool pressed);

    // The transmitter (TForm1Keyer.cpp).
    void OpenKeyingPort();
    void Panel9Click(); // toggle short zero
    void WriteBitBtn(); // function-key captions
    void CtrlLayer(bool on);
    void transmitKey(session::TransmitKey key, int index = 0);
    session::TransmitState transmitState() const;

    // The statistics window (TForm1Statistics.cpp).
    void buildStatistics();
    void toggleStatistics();
    void openStatistics();
    // After every change of the log, and as the minutes move the rates.
    void refreshStatistics();
    void saveStatisticsPicture();
    void saveSideWindows();

    // The cluster, its spots on the band map (TForm1Cluster.cpp).
    void buildCluster();
    void followCluster();
    void takeSpotFromNode(const radio::Spot& spot);
    void toggleBandMap();
    void toggleClusterWindow();
    void toggleSideWindow(SideWindow* window, QAction* item);
    // After every change of the log, band or sub-tour, and as the spots age.
    void refreshBandMap();
    void takeSpot(const QString& call, qint64 hz);
    void nextSpot(bool up); // Ctrl+Up, Ctrl+Down
    void sendSpot();

    // The station's other tools over UDP (TForm1Udp.cpp).
    void buildBroadcast(const radio::UdpSender::SinkFactory& sink);
    void followUdp(bool starting);
    void broadcastChanges(const session::Changes& changes);
    void broadcastRadio();
    void broadcastTick(const QDateTime& now);

    // Recording the voice calls and the contest (TForm1Audio.cpp).
    void buildAudio(const keyer::AudioStorage& storage);
    bool voiceRecordingKey(QKeyEvent* e);
    void recordingEnded(const keyer::VoiceRecorder::Result& result);
    void followAudio();

    // "Help": the manual in a window of its own.
    void showManual();

    // The rig (TForm1Rig.cpp).
    void connectRig();
    void FollowRig();
    void rigFollowsLogger(bool bandChanged);
    bool tuneToTypedFrequency();

    Clock& m_clock;
    Dialogs& m_dialogs;
    TForm2* m_setupDialog = nullptr;
    setup::StationStore m_store; // both edited by the setup dialog, read by all
    setup::IniStore m_ini;
    session::ContestSession m_session;
    session::Transmitter m_transmitter;
    keyer::SystemPortEnumerator m_machinePorts;
    const keyer::PortEnumerator& m_ports;
    radio::RigPoller* m_rig = nullptr;
    session::RigFollower* m_rigFollower = nullptr;
    scoring::MasterCallsLoader* m_master = nullptr;
    bool m_ctrlLayer = false; // Ctrl alone held: the buttons are the Ctrl bank
    bool m_shown = false;

    MainWindowView* m_view = nullptr; // the client area and its controls
    std::unique_ptr<WindowKeeper> m_windowKeeper; // size, place and text size
    QMenu* File1 = nullptr;
    QMenu* Service1 = nullptr;
    QAction* N11 = nullptr; // "Строка позывных"
    QAction* N13 = nullptr; // "Статистика"
    StatisticsWindow* m_statistics = nullptr;
    int m_statisticsMinute = -1; // the clock's minute the figures were worked out at
    radio::ClusterClient* m_cluster = nullptr;
    session::SpotStore m_spots;
    BandMapWindow* m_bandMap = nullptr;
    ClusterWindow* m_clusterWindow = nullptr;
    QAction* N14 = nullptr; // "Карта диапазона"
    QAction* N15 = nullptr; // "Кластер"
    int m_spotMinute = -1;   // the clock's minute the spots were last aged at
    qint64 m_lastSpotHz = 0; // where Ctrl+Up and Ctrl+Down go on from without a rig
    bool m_assistedNoted = false;
    keyer::VoiceRecorder* m_voiceRecorder = nullptr;
    keyer::ContestRecorder* m_contestRecorder = nullptr;
    radio::UdpSender* m_udp = nullptr;
    std::unique_ptr<session::StationBroadcast> m_broadcast;
    QString m_manualFile;
    ManualWindow* m_manual = nullptr; // made when first asked for
    QTimer* Timer1 = nullptr;
};

#include "common/ErrorGuard.h"

template <class Action>
bool TForm1::runGuarded(Action&& action)
{
    return guarded(m_dialogs, std::forward<Action>(action));
}
