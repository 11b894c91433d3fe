#pragma once

#include "BandTable.h"
#include "ContactGrid.h"
#include "Logbook.h"
#include "StationSettings.h"

#include <QMainWindow>
#include <QStringList>
#include <array>

class Clock;
class Dialogs;
class Panel;
class TForm2;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;

// The main window: the logger itself. It owns the contact grid, the entry
// fields, the band and mode panels, the counters, the function-key buttons and
// the clock, and mediates between them and the core.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    TForm1(Clock& clock, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // The setup dialog is created after this window; from then on it is the
    // live store of the settings.
    void attachSetupDialog(TForm2* setupDialog);
    const StationSettings& settings() const;
    void refreshCaption();

    // Start-up stages, clock and shutdown.
    void FormCreate();
    void FormShow();
    void FormActivate();
    void Timer1Timer();
    bool FormClose(); // false when the exit was abandoned

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
    void SelectBand(int band);
    void RestoreBandAndMode();
    void Izero(int row); // sent exchange of a row
    void AC();           // entry focus rule
    void WriteBitBtn();  // function-key captions

    // Steps filled in as their features land.
    void ShowCallsLineFlag();
    void WriteCheckBox();
    void RescoreAll();
    void LoadRaBase();
    void OpenVoiceFiles();
    void SwitchOffSystemBeep();
    void OpenKeyingPort();
    void ReadTxDelay();
    void ClosePort();
    void CreateReport();
    void SubTourCheck();
    void ClearLog();

    logbook::Logbook& log() { return m_log; }
    logbook::ContactGrid& grid() { return m_grid; }
    int selectedBand() const { return m_selectedBand; }
    logbook::Mode mode() const { return m_mode; }
    const QString& coordinates() const { return m_coordinates; }
    const QStringList& stationData() const { return m_stationData; }

Q_SIGNALS:
    void closed();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildLeftColumn(QWidget* client);
    void buildCentre(QWidget* client);
    void buildUnderGrid(QWidget* client);
    void buildRightColumn(QWidget* client);
    void buildBottom(QWidget* client);
    void buildMenu();
    void loadStationData();
    void readStateAndLog();
    void prefillCurrentRow();
    void selectCurrentRow();

    static constexpr int kEntryLine = 6; // the lowest visible grid line

    Clock& m_clock;
    Dialogs& m_dialogs;
    TForm2* m_setupDialog = nullptr;

    logbook::ContactGrid m_grid;
    logbook::Logbook m_log;
    QStringList m_stationData; // the window's own copy of the station data file
    QString m_coordinates;
    int m_selectedBand = -1;
    logbook::Mode m_mode = logbook::Mode::SSB;
    bool m_bandChanged = false;
    bool m_shown = false;

    // Controls, named as the rest of the program knows them.
    Panel* Panel7 = nullptr;  // mode
    Panel* Panel8 = nullptr;  // new sub-tour
    Panel* Panel9 = nullptr;  // short zero
    Panel* Panel10 = nullptr;
    Panel* Panel11 = nullptr;
    Panel* Panel12 = nullptr; // delete / restore
    std::array<Panel*, logbook::kBandCount> m_bandPanels {};
    std::array<QCheckBox*, logbook::kBandCount> m_bandBoxes {};
    Panel* Label1 = nullptr;   // clock
    QLabel* Label25 = nullptr; // dupe warning
    QTableView* StringGrid1 = nullptr;
    QLineEdit* Edit1 = nullptr; // call
    QLineEdit* Edit2 = nullptr; // received exchange
    QLineEdit* Edit3 = nullptr; // sub-tour calls line
    QLineEdit* Edit4 = nullptr; // log calls line
    QPlainTextEdit* Memo1 = nullptr; // help
    std::array<QPushButton*, 12> m_macroButtons {};
    QAction* N11 = nullptr;
    QTimer* Timer1 = nullptr;
};
