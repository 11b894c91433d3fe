// Entry of contacts: the call and received fields, completing a contact, and
// editing logged rows in the grid.
#include "TForm1.h"

#include "Clock.h"
#include "Dialogs.h"
#include "ContactGridView.h"
#include "KeyChord.h"
#include "Panel.h"

#include <QLineEdit>

using namespace logbook;

void TForm1::Edit1KeyUp(QKeyEvent* e)
{
    if (!keychord::isEnter(e))
        StringOfCalls();
    if (keychord::isEnter(e) && keychord::noModifier(e))
        CallEntered();
}

bool TForm1::Edit1KeyPress(QKeyEvent* e)
{
    bool swallowed = false;
    if (e->text() == QLatin1String(" ") && portSet()) {
        swallowed = true;
        if (!sending())
            SpaceBarMacro();
    }
    if (StringGrid1->editColours())
        StringGrid1->setEditColours(false);
    return swallowed;
}

void TForm1::Edit1KeyDown(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape)
        Edit1->clear();
}

void TForm1::Edit2KeyDown(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Escape)
        return;
    if (!Edit2->text().isEmpty()) {
        Edit2->clear();
        return;
    }
    Edit1->setFocus();
    Edit2->hide();
}

void TForm1::Edit2KeyUp(QKeyEvent* e)
{
    if (keychord::isEnter(e))
        CompleteContact();
}

void TForm1::CompleteContact()
{
    const int row = m_log.currentRow();
    Panel12->setText(QStringLiteral("DELETE QSO"));
    m_grid.setCell(row, Received, Edit2->text());
    Edit2->hide();
    AC();
    Edit1->clear();
    Edit2->clear();
    stampContactTime(row);
    m_grid.setCell(row + 1, BandMode, m_log.state().bandMode);
    Izero(row + 1);
    SumCheckBox();
    WriteCheckBox();
    numberBandChange(row);
    const std::optional<QString> scoringError = ScoreRow(row);
    WriteLogFile();
    if (!Panel8->isHidden())
        Panel8Click();
    m_log.setCurrentRow(row + 1);
    WriteCfgFile();
    DiscardRestoreBuffer();
    selectCurrentRow();
    // Points that cannot be worked out never stop a contact from being logged:
    // the operator reads why once the contact is on disk.
    if (scoringError)
        m_dialogs.showError(errorBoxText(*scoringError));
    if (portSet() && !sending())
        EnterMacro();
}

void TForm1::stampContactTime(int row)
{
    m_grid.setCell(row, Time, contactTime(m_clock.now()));
}

// A contact on another band than the row above, after a band selection,
// counts one band change; the count reached is shown once it is positive.
void TForm1::numberBandChange(int row)
{
    StateRecord& state = m_log.state();
    if (m_grid.cell(row - 1, BandMode) != m_grid.cell(row, BandMode) && m_bandChanged) {
        ++state.bandChangeCount;
        m_bandChanged = false;
    }
    if (state.bandChangeCount > 0)
        m_grid.setCell(row, BandChange, QString::number(state.bandChangeCount));
}

void TForm1::StringGrid1Click()
{
    StringGrid1->editCurrentCell();
}

void TForm1::StringGrid1KeyPress(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Escape)
        return;
    StringGrid1->closeCellEditor();
    Edit1->setFocus();
}

void TForm1::StringGrid1SetEditText(int row)
{
    m_log.writeRow(row);
}
