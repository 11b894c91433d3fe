// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/ScalableClient.h"

class BandPanels;
class Clock;
class ContactGridView;
class MacroButtons;
class MasterCallsLine;
class Panel;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class StatusLine;
namespace keyer {
class CwKeyer;
}
namespace logbook {
class ContactLog;
}
namespace scoring {
struct CallsScanResult;
}
namespace session {
class ContestSession;
struct Changes;
enum class EntryPhase;
}

// The main window's client area with every control on it, built at the
// smallest window and the normal text size, and laid out as the window grows:
// the log grid with the entry fields over its bottom line, the calls lines,
// the master-file line, the status line, the band panels and the F-key row.
// The controls keep the names the rest of the program knows them by.
class MainWindowView : public ScalableClient
{
    Q_OBJECT
public:
    // All of them must outlive the view.
    MainWindowView(logbook::ContactLog& contacts, const session::ContestSession& session, const keyer::CwKeyer& keyer,
                   const Clock& clock, QWidget* parent);

    // What a call of the session changed, as far as the client area shows it.
    void showChanges(const session::Changes& changes, const session::ContestSession& session);
    // The entry fields as the phase has them, the focus in the one typed.
    void showEntryPhase(session::EntryPhase phase);
    // How many characters the operator may type into the received field.
    void setReceivedLimit(int limit);
    void focusEntry(session::EntryPhase phase);
    // The calls lines, the band marks and the red line after a scan; a scan
    // that could not read the log leaves the lines as they were and says why.
    void showScan(const scoring::CallsScanResult& scan);
    void showCallsLine(bool shown);
    // Opens (or closes) the master line's row under the calls lines; answers
    // the pixels the client grew by.
    int openMasterRow(bool inUse);
    int masterRowPixels() const { return scaled(m_masterShift); }
    void setTextScale(double scale);

    Panel* Panel7 = nullptr;  // mode
    Panel* Panel8 = nullptr;  // new sub-tour
    Panel* Panel9 = nullptr;  // short zero
    Panel* Panel12 = nullptr; // delete / restore
    Panel* Label1 = nullptr;  // clock
    BandPanels* bands = nullptr;
    QLabel* Label25 = nullptr; // dupe warning
    StatusLine* statusLine = nullptr;
    ContactGridView* StringGrid1 = nullptr;
    QLineEdit* Edit1 = nullptr; // call
    QLineEdit* Edit2 = nullptr; // received exchange
    QLineEdit* Edit3 = nullptr; // sub-tour calls line
    QLineEdit* Edit4 = nullptr; // log calls line
    QPlainTextEdit* Memo1 = nullptr; // help
    MacroButtons* macroButtons = nullptr; // BitBtn1 .. BitBtn12
    MasterCallsLine* masterLine = nullptr;

private:
    void buildLeftColumn();
    void buildCentre(logbook::ContactLog& contacts);
    void buildUnderGrid(const session::ContestSession& session, const keyer::CwKeyer& keyer, const Clock& clock);
    void setStretches();
    void placeEntryFields();
    int placeMasterLine(int top); // answers the top of what comes next

    int m_masterShift = 0; // the height the master line adds under the calls lines
};
