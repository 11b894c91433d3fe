// The master-file line: the master calls matching the typed call, taken
// into the call field by a click.
#include "app/TForm1.h"

#include "common/Dialogs.h"
#include "scoring/MasterCallsLoader.h"
#include "scoring/MasterFile.h"
#include "widgets/MasterCallsLine.h"
#include "widgets/ScalableClient.h"

#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kMasterLineTop = 228; // under the log calls line
// Far more than a line can hold; the line shows those that fit.
constexpr int kMasterCallsAsked = 40;
} // namespace

void TForm1::buildMasterLine(QWidget* client)
{
    m_masterLine = new MasterCallsLine(client);
    m_masterLine->setGeometry(115, kMasterLineTop, 399, MasterCallsLine::Height);
    m_masterLine->hide();
    m_master = new scoring::MasterCallsLoader(this);
    connect(m_masterLine, &MasterCallsLine::callClicked, this,
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
// calls lines: what lies below moves down and the window grows by it.
void TForm1::layoutMasterLine()
{
    const int shift = m_master->inUse() ? MasterCallsLine::Height : 0;
    const int delta = shift - m_masterShift;
    if (delta == 0)
        return;
    m_masterShift = shift;
    m_masterLine->setVisible(shift > 0);
    m_client->openRow(kMasterLineTop, shift);
    if (!isMaximized() && !isFullScreen())
        resize(width(), height() + m_client->scaled(delta));
    placeEntryFields();
    if (m_shown)
        keepOnScreen();
}

int TForm1::masterRowPixels() const
{
    return m_client->scaled(m_masterShift);
}

// Under the lowest calls line shown, as wide as it; answers the top of what
// comes next.
int TForm1::placeMasterLine(int top)
{
    if (!m_masterShift)
        return top;
    const QLineEdit* calls = Edit3;
    m_masterLine->setGeometry(calls->x(), top, calls->width(), m_client->scaled(MasterCallsLine::Height));
    return top + m_masterLine->height();
}

void TForm1::showMasterCalls()
{
    const std::shared_ptr<const scoring::MasterIndex> index = m_master->index();
    if (!index || m_session.entryPhase() == session::EntryPhase::Closed) {
        m_masterLine->setCalls({});
        return;
    }
    if (!m_worked)
        m_worked = m_session.workedCalls();
    m_masterLine->setCalls(scoring::matchMaster(*index, Edit1->text(), *m_worked, kMasterCallsAsked));
}

// The marks are gathered again at the next key; a call field emptied by a
// completed contact empties the line.
void TForm1::masterLogChanged()
{
    m_worked.reset();
    if (Edit1->text().isEmpty())
        m_masterLine->setCalls({});
}

// As if typed; with the received field open the row takes the call and the
// repeat check runs again (a repeat empties both fields, as Enter does).
void TForm1::TakeMasterCall(const QString& call)
{
    if (m_session.entryPhase() == session::EntryPhase::Closed)
        return;
    Edit1->setText(call);
    StringOfCalls();
    if (m_session.entryPhase() == session::EntryPhase::Received)
        CallEntered();
    Edit1->setFocus();
}
