// SPDX-License-Identifier: GPL-3.0-or-later
// The station's other tools hear the contest: contacts, the rig, the score
// and the program go out as UDP datagrams, handed to a thread of their own.
#include "app/TForm1.h"

#include "common/Clock.h"
#include "common/Dialogs.h"
#include "radio/UdpSender.h"
#include "session/StationBroadcast.h"
#include "widgets/MainWindowView.h"
#include "widgets/StatusLine.h"

#include <QSysInfo>
#include <QUuid>

void TForm1::buildBroadcast(const radio::UdpSender::SinkFactory& sink)
{
    m_udp = new radio::UdpSender(sink, this);
    m_broadcast = std::make_unique<session::StationBroadcast>(m_session, settings(), m_ini,
                                                              [this](const QByteArray& datagram) { m_udp->send(datagram); });
    m_broadcast->setComputerName(QSysInfo::machineHostName());
    connect(m_udp, &radio::UdpSender::troubleChanged, m_view->statusLine, &StatusLine::showNetwork);
    connect(m_rigFollower, &session::RigFollower::stateShown, this,
            [this] { runGuarded([this] { broadcastRadio(); }); });
}

// A log that starts empty is a new log: its contacts take ids no earlier
// log's contact had, even where the files were cleared by hand.
void TForm1::followUdp(bool starting)
{
    if (!m_ini.udp().problem.isEmpty())
        m_dialogs.showError(errorBoxText(m_ini.udp().problem));
    m_udp->setDestinations(m_ini.udp().settings.destinations);
    if (!m_udp->enabled())
        return;
    QString mark = m_ini.udpLogMark();
    if (mark.isEmpty() || (starting && m_session.currentRow() <= 1)) {
        mark = QUuid::createUuid().toString(QUuid::Id128);
        runGuarded([this, &mark] { m_ini.setUdpLogMark(mark); });
    }
    m_broadcast->setLogMark(mark);
    m_broadcast->announce();
    broadcastRadio();
}

void TForm1::broadcastChanges(const session::Changes& changes)
{
    if (!m_udp || !m_udp->enabled())
        return;
    if (changes.contactChange)
        m_broadcast->contactChanged(*changes.contactChange, m_clock.current());
    if (changes.band || changes.mode)
        broadcastRadio();
}

void TForm1::broadcastRadio()
{
    if (m_udp->enabled())
        m_broadcast->radioChanged(m_clock.current());
}

void TForm1::broadcastTick(const QDateTime& now)
{
    if (m_udp->enabled())
        m_broadcast->tick(now);
}
