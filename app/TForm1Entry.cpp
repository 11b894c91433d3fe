// Entry of contacts: the call and received fields, completing a contact, and
// editing logged rows in the grid.
#include "app/TForm1.h"

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

// A repeat on the band-mode it would be logged on keeps both fields, so the
// operator can go to another band and press Enter again.
void TForm1::CompleteContact()
{
    const QString call = Edit1->text();
    const QString received = Edit2->text();
    const session::Changes changes = m_session.completeContact(received, m_clock.current());
    if (changes.refused) {
        showChanges(changes);
        Edit2->setFocus();
        return;
    }
    Edit2->hide();
    AC();
    Edit1->clear();
    Edit2->clear();
    if (showChanges(changes)) {
        transmitKey(session::TransmitKey::Enter);
        return;
    }
    // Not logged: what was typed stays, and the next Enter tries again.
    Edit1->setText(call);
    Edit2->setText(received);
    Edit2->show();
    AC();
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

void TForm1::StringGrid1SetEditText(int row, int column, const QString& before)
{
    showChanges(m_session.editRow(row, column, before));
}
