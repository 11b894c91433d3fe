// The master-file line: the master calls matching the typed call, taken
// into the call field by a click.
#include "app/TForm1.h"

#include "common/Dialogs.h"
#include "scoring/MasterCallsLoader.h"
#include "scoring/MasterFile.h"
#include "widgets/MasterCallsLine.h"
#include "widgets/MainWindowView.h"
#include "widgets/WindowKeeper.h"

#include <QLineEdit>

namespace {
// Far more than a line can hold; the line shows those that fit.
constexpr int kMasterCallsAsked = 40;
} // namespace

void TForm1::connectMasterLine()
{
    connect(m_view->masterLine, &MasterCallsLine::callClicked, this,
            [this](const QString& call) { runGuarded([this, call] { TakeMasterCall(call); }); });
    connect(m_master, &scoring::MasterCallsLoader::changed, this, [this] {
        layoutMasterLine();
        showMasterCalls();
    });
    connect(m_master, &scoring::MasterCallsLoader::failed, this,
            [this](const QString& message) { m_dialogs.showError(errorBoxText(message)); });
}

// Found now, read on the loader's thread: the window has its size at once and
// the first contact never waits for the calls.
void TForm1::FollowMasterFile()
{
    const QString configured = m_ini.masterPath();
    if (m_masterFollowed && configured == m_masterPath)
        return;
    m_masterFollowed = true;
    m_masterPath = configured;
    m_master->follow(configured);
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
    if (!index || m_session.entryPhase() == session::EntryPhase::Closed) {
        m_view->masterLine->setCalls({});
        return;
    }
    if (!m_worked)
        m_worked = m_session.workedCalls();
    m_view->masterLine->setCalls(scoring::matchMaster(*index, m_view->Edit1->text(), *m_worked, kMasterCallsAsked));
}

// The marks are gathered again at the next key; a call field emptied by a
// completed contact empties the line.
void TForm1::masterLogChanged()
{
    m_worked.reset();
    if (m_view->Edit1->text().isEmpty())
        m_view->masterLine->setCalls({});
}

// As if typed; with the received field open the row takes the call and the
// repeat check runs again (a repeat empties both fields, as Enter does).
void TForm1::TakeMasterCall(const QString& call)
{
    if (m_session.entryPhase() == session::EntryPhase::Closed)
        return;
    m_view->Edit1->setText(call);
    StringOfCalls();
    if (m_session.entryPhase() == session::EntryPhase::Received)
        CallEntered();
    m_view->Edit1->setFocus();
}
