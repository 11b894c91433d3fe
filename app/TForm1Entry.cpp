// Entry of contacts: the call and received fields, completing a contact, and
// editing logged rows in the grid.
#include "app/TForm1.h"
#include "widgets/MainWindowView.h"

#include "common/Clock.h"
#include "widgets/ContactGridView.h"
#include "widgets/KeyChord.h"
#include "widgets/Panel.h"

#include <QLineEdit>

void TForm1::Edit1KeyUp(QKeyEvent* e)
{
    if (!keychord::isEnter(e))
        StringOfCalls();
    if (keychord::isEnter(e) && keychord::noModifier(e) && !tuneToTypedFrequency())
        CallEntered();
}

bool TForm1::Edit1KeyPress(QKeyEvent* e)
{
    const bool swallowed = e->text() == QLatin1String(" ") && session::spaceBarIsMacroKey(transmitState());
    if (swallowed)
        transmitKey(session::TransmitKey::SpaceBar);
    if (m_view->StringGrid1->editColours())
        m_view->StringGrid1->setEditColours(false);
    return swallowed;
}

void TForm1::EntryKeyDown(QKeyEvent* e, bool inReceived)
{
    if (e->key() != Qt::Key_Escape)
        return;
    switch (m_session.escape(inReceived, m_view->Edit2->text().isEmpty())) {
    case session::EntryEscape::ClearCall: m_view->Edit1->clear(); break;
    case session::EntryEscape::ClearReceived: m_view->Edit2->clear(); break;
    case session::EntryEscape::BackToCall: showEntryPhase(); break;
    }
}

void TForm1::Edit2KeyUp(QKeyEvent* e)
{
    if (keychord::isEnter(e))
        CompleteContact();
}

// A repeat on the band-mode it would be logged on, or a contact that could
// not be written, keeps both fields, so the operator can press Enter again.
void TForm1::CompleteContact()
{
    const session::Changes changes = m_session.completeContact(m_view->Edit2->text(), m_clock.current());
    if (m_session.entryPhase() == session::EntryPhase::Call) {
        m_view->Edit1->clear();
        m_view->Edit2->clear();
    }
    showEntryPhase();
    if (showChanges(changes) && !changes.refused)
        transmitKey(session::TransmitKey::Enter);
}

void TForm1::StringGrid1Click()
{
    m_view->StringGrid1->editCurrentCell();
}

void TForm1::StringGrid1KeyPress(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Escape)
        return;
    m_view->StringGrid1->closeCellEditor();
    m_view->Edit1->setFocus();
}

void TForm1::StringGrid1SetEditText(int row, int column, const QString& before)
{
    showChanges(m_session.editRow(row, column, before));
}
