// The calls lines with the repeat warning, the call-entered step, the Asia
// received-field filter, and the contest report.
#include "app/TForm1.h"

#include "scoring/ContestVariant.h"
#include "scoring/Exports.h"
#include "scoring/Report.h"
#include "setup/ExportOptions.h"
#include "widgets/MainWindowView.h"
#include "widgets/StatusLine.h"

#include <QAction>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

void TForm1::StringOfCalls()
{
    showMasterCalls();
    m_view->showScan(m_session.scanCalls(m_view->Edit1->text()));
    if (const std::optional<QString> notice = m_session.takeFileNotice())
        m_view->statusLine->showFileNotice(*notice);
}

void TForm1::CallEntered()
{
    const session::ContestSession::CallEntry entry = m_session.enterCall(m_view->Edit1->text(), m_view->Edit2->text());
    // Until the next key, as the repeat warning, which a refused repeat keeps.
    if (!entry.refused || !entry.warning.isEmpty())
        m_view->Label25->setText(entry.warning);
    if (entry.refused) {
        m_view->Edit1->clear();
        m_view->Edit2->clear();
    }
    if (entry.received) {
        m_view->Edit2->setText(*entry.received);
        m_view->Edit2->end(false);
    }
    showEntryPhase();
}

bool TForm1::Edit2KeyPress(QKeyEvent* e)
{
    switch (m_session.receivedKey(e->text().at(0))) {
    case scoring::ReceivedKey::Accept:
        return false;
    case scoring::ReceivedKey::BackToCall:
        m_view->Edit1->setFocus();
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
    m_view->showCallsLine(shown);
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
