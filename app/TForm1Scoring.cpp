// The calls lines with the repeat warning, the call-entered step, the Asia
// received-field filter, and the contest report.
#include "app/TForm1.h"

#include "scoring/ContestVariant.h"
#include "scoring/Exports.h"
#include "scoring/Report.h"
#include "setup/ExportOptions.h"
#include "widgets/BandPanels.h"
#include "widgets/StatusLine.h"

#include <QAction>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

void TForm1::StringOfCalls()
{
    showMasterCalls();
    showScan(m_session.scanCalls(Edit1->text()));
    if (const std::optional<QString> notice = m_session.takeFileNotice())
        m_statusLine->showFileNotice(*notice);
}

// A scan that could not read the log leaves the calls lines as they were and
// says why in the red line: a box at a key would swallow the keys after it.
void TForm1::showScan(const scoring::CallsScanResult& scan)
{
    m_bands->setMarks(scan.marks);
    Label25->setText(scan.error.value_or(scan.dupeWarning));
    if (scan.error)
        return;
    Edit3->setText(scan.subTourLine);
    Edit4->setText(scan.logLine);
}

void TForm1::CallEntered()
{
    const session::ContestSession::CallEntry entry = m_session.enterCall(Edit1->text(), Edit2->text());
    // Until the next key, as the repeat warning, which a refused repeat keeps.
    if (!entry.refused || !entry.warning.isEmpty())
        Label25->setText(entry.warning);
    if (entry.refused) {
        Edit1->clear();
        Edit2->clear();
    }
    if (entry.received) {
        Edit2->setText(*entry.received);
        Edit2->end(false);
    }
    showEntryPhase();
}

bool TForm1::Edit2KeyPress(QKeyEvent* e)
{
    switch (m_session.receivedKey(e->text().at(0))) {
    case scoring::ReceivedKey::Accept:
        return false;
    case scoring::ReceivedKey::BackToCall:
        Edit1->setFocus();
        return true;
    case scoring::ReceivedKey::Swallow:
        return true;
    }
    return false;
}

void TForm1::N11Click()
{
    // The menu item has just toggled its mark.
    showChanges(m_session.setCallsLineShown(N11->isChecked()));
}

void TForm1::ShowCallsLineFlag()
{
    const bool shown = m_session.state().callsLineShown();
    N11->setChecked(shown);
    showCallsLine(shown);
}

void TForm1::showCallsLine(bool shown)
{
    Edit4->setVisible(shown);
    placeEntryFields(); // the warning follows the lowest line
}

QStringList TForm1::CreateReport()
{
    return scoring::CreateReport(m_session.loggedRows(), logbook::modeWord(m_session.mode()), settings()).failures;
}

QStringList TForm1::CreateExports()
{
    const scoring::ExportLog log {m_session.loggedRows()};
    return scoring::CreateExports(log, settings(), m_ini.exports(),
                                  scoring::reportTotals(log.rows, settings().contestVariant()), QDateTime::currentDateTimeUtc())
        .messages;
}
