// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of contacts: the call and received fields, the calls lines, the
// master-file line, completing a contact, and editing logged rows in the grid.
#include "app/TForm1.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "scoring/MasterCallsLoader.h"
#include "widgets/ContactGridView.h"
#include "widgets/KeyChord.h"
#include "widgets/MainWindowView.h"
#include "widgets/MasterCallsLine.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowKeeper.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
// Far more than a line can hold; the line shows those that fit.
constexpr int kMasterCallsAsked = 40;
} // namespace

void TForm1::AC()
{
    m_view->focusEntry(m_session.entryPhase());
}

void TForm1::StringOfCalls()
{
    showMasterCalls();
    m_view->showScan(m_session.scanCalls(m_view->Edit1->text()));
    if (const std::optional<QString> notice = m_session.takeFileNotice())
        m_view->statusLine->showFileNotice(*notice);
}

// Enter in the call field opens the received field, or tunes the rig to a
// frequency typed there; Enter in the received field completes the contact.
void TForm1::EntryKeyUp(QKeyEvent* e, bool inReceived)
{
    const bool enter = keychord::isEnter(e);
    if (inReceived) {
        if (enter)
            CompleteContact();
        return;
    }
    if (!enter)
        StringOfCalls();
    else if (keychord::noModifier(e) && !tuneToTypedFrequency())
        CallEntered();
}

bool TForm1::Edit1KeyPress(QKeyEvent* e)
{
    const bool swallowed = e->text() == QLatin1String(" ") && session::spaceBarIsMacroKey(transmitState());
    if (swallowed)
        transmitKey(session::TransmitKey::SpaceBar);
    m_view->StringGrid1->setEditColours(false);
    return swallowed;
}

bool TForm1::Edit2KeyPress(QKeyEvent* e)
{
    switch (m_session.receivedKey(e->text().at(0))) {
    case scoring::ReceivedKey::Accept: return false;
    case scoring::ReceivedKey::BackToCall: m_view->Edit1->setFocus(); return true;
    case scoring::ReceivedKey::Swallow: return true;
    }
    return false;
}

void TForm1::EntryKeyDown(QKeyEvent* e, bool inReceived)
{
    if (e->key() != Qt::Key_Escape)
        return;
    switch (m_session.escape(inReceived, m_view->Edit2->text().isEmpty())) {
    case session::EntryEscape::ClearCall: m_view->Edit1->clear(); break;
    case session::EntryEscape::ClearReceived: m_view->Edit2->clear(); break;
    case session::EntryEscape::BackToCall: m_view->showEntryPhase(m_session.entryPhase()); break;
    }
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
        m_view->setReceivedLimit(entry.receivedLimit);
        m_view->Edit2->setText(*entry.received);
        if (entry.caret < 0)
            m_view->Edit2->end(false);
        else
            m_view->Edit2->setCursorPosition(entry.caret);
    }
    m_view->showEntryPhase(m_session.entryPhase());
}

// A repeat on the band-mode it would be logged on, or a contact that could
// not be written, keeps both fields, so the operator can press Enter again.
void TForm1::CompleteContact()
{
    const session::Changes changes = m_session.completeContact(m_view->Edit2->text(), m_clock.current());
    if (changes.contactLogged) {
        m_view->Edit1->clear();
        m_view->Edit2->clear();
    }
    m_view->showEntryPhase(m_session.entryPhase());
    if (showChanges(changes) && changes.contactLogged)
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

// ---- The master-file line ----

// Found now, read on the loader's thread: the window has its size at once and
// the first contact never waits for the calls.
void TForm1::FollowMasterFile()
{
    m_master->follow(m_ini.masterPath());
    layoutMasterLine();
}

// While a master file is in use the line opens a row of its own under the
// calls lines, and the window grows by it.
void TForm1::layoutMasterLine()
{
    const int grown = m_view->openMasterRow(m_master->inUse());
    if (grown == 0)
        return;
    if (!isMaximized() && !isFullScreen())
        resize(width(), height() + grown);
    if (m_shown)
        m_windowKeeper->keepOnScreen();
}

void TForm1::showMasterCalls()
{
    const std::shared_ptr<const scoring::MasterIndex> index = m_master->index();
    m_view->masterLine->setCalls(index ? m_session.masterCalls(*index, m_view->Edit1->text(), kMasterCallsAsked)
                                       : std::vector<scoring::MasterCall> {});
}

// As if typed; with the received field open the row takes the call and the
// repeat check runs again (a repeat empties both fields, as Enter does).
void TForm1::TakeMasterCall(const QString& call)
{
    const session::ContestSession::MasterTake take = m_session.masterTake();
    if (take == session::ContestSession::MasterTake::Ignored)
        return;
    m_view->Edit1->setText(call);
    StringOfCalls();
    if (take == session::ContestSession::MasterTake::Entered)
        CallEntered();
    m_view->Edit1->setFocus();
}
