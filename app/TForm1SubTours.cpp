// Sub-tours, taking back the last contact, and clearing the log.
#include "TForm1.h"

#include "Dialogs.h"
#include "Panel.h"
#include "SubTourTimes.h"

using namespace logbook;

void TForm1::SubTourCheck(const QTime& now)
{
    if (subTourDue(settings().subTourTimes(), now))
        ForceSubTour();
}

// From now on the contact being entered belongs to the new sub-tour. Enter
// does not rescan, so a call already typed is scanned again at once: its
// repeat warning from the old sub-tour must not refuse it.
void TForm1::ForceSubTour()
{
    if (!Panel8->isHidden())
        return;
    Panel8->show();
    StringOfCalls();
}

void TForm1::Panel8Click()
{
    m_log.state().subTourStart = newSubTourStart(m_log.currentRow(), m_log.state().subTourStart);
    WriteCfgFile();
    Panel8->hide();
}

void TForm1::Panel12Click()
{
    const bool restoring = m_restore.has_value();
    if (restoring)
        restoreLastContact();
    if (m_log.currentRow() <= 1)
        return;
    if (!restoring)
        deleteLastContact();
    else
        m_restore.reset();
}

void TForm1::deleteLastContact()
{
    Panel12->setText(QStringLiteral("RESTORE QSO"));
    const int row = m_log.currentRow() - 1;
    m_log.setCurrentRow(row);
    m_restore = m_grid.record(row);
    m_grid.setRecord(row, QsoRecord {});
    changeSelectedCounter(-1);
    // The state goes first: should the program die in between, the contact is
    // a leftover past the log's end rather than an empty contact inside it.
    WriteCfgFile();
    WriteLogFile();
    prefillCurrentRow();
}

void TForm1::restoreLastContact()
{
    Panel12->setText(QStringLiteral("DELETE QSO"));
    const int row = m_log.currentRow();
    m_grid.setRecord(row, *m_restore);
    WriteLogFile();
    m_log.setCurrentRow(row + 1);
    // The row below still holds what it was given before the deletion; the
    // band may have changed since, so it is filled afresh.
    prefillCurrentRow();
    changeSelectedCounter(+1);
    WriteCfgFile();
}

void TForm1::changeSelectedCounter(int delta)
{
    if (m_selectedBand >= 0)
        m_log.state().bandCounters[size_t(m_selectedBand)] += delta;
    WriteCheckBox();
}

void TForm1::DiscardRestoreBuffer()
{
    m_restore.reset();
}

void TForm1::ClearLog()
{
    if (!m_dialogs.confirm(QStringLiteral("Очистка LOG-а перед тестом")))
        return;
    if (!m_dialogs.confirm(QStringLiteral("Вы уверены. Очистить LOG ?")))
        return;
    m_log.deleteFiles();
    close();
}
