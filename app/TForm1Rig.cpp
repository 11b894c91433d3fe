// SPDX-License-Identifier: GPL-3.0-or-later
// The rig and the logger in step: the rig's wishes act as the operator's own
// clicks; its frequency and its troubles show in the status line, never in a
// box that would take the keys from the operator.
#include "app/TForm1.h"

#include "common/Dialogs.h"
#include "widgets/MainWindowView.h"
#include "widgets/StatusLine.h"

#include <QLineEdit>

void TForm1::connectRig()
{
    m_rigFollower = new session::RigFollower(*m_rig, m_session, this);
    connect(m_rigFollower, &session::RigFollower::bandWanted, this,
            [this](int band) { runGuarded([this, band] { showChanges(m_session.selectBand(band)); }); });
    connect(m_rigFollower, &session::RigFollower::modeWanted, this,
            [this](logbook::Mode mode) { runGuarded([this, mode] { showChanges(m_session.selectMode(mode)); }); });
    connect(m_rigFollower, &session::RigFollower::stateShown, m_view->statusLine, &StatusLine::showRigState);
    connect(m_rigFollower, &session::RigFollower::lost, m_view->statusLine, &StatusLine::showRig);
}

// After every change of the band or mode, whoever made it: what is on the
// air stops, PTT off, and the rig changes after it.
void TForm1::rigFollowsLogger(bool bandChanged)
{
    m_transmitter.stop();
    if (const std::optional<QString> unsaved = m_rigFollower->loggerChanged(bandChanged))
        m_dialogs.showError(errorBoxText(*unsaved));
}

bool TForm1::tuneToTypedFrequency()
{
    switch (m_rigFollower->tuneTo(m_view->Edit1->text())) {
    case session::RigFollower::Typed::NoFrequency: return false;
    case session::RigFollower::Typed::RigSilent: m_view->statusLine->showRig(QStringLiteral("Трансивер не отвечает")); return true;
    case session::RigFollower::Typed::Tuned: break;
    }
    m_view->Edit1->clear();
    StringOfCalls();
    return true;
}

void TForm1::FollowRig()
{
    m_rigFollower->loadBandPlan();
    if (!m_ini.rig().problem.isEmpty())
        m_dialogs.showError(errorBoxText(m_ini.rig().problem));
    m_rigFollower->follow(m_ini.rig().settings);
}
