// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/CatPttSwitch.h"

#include "radio/RigPoller.h"

namespace radio {

CatPttSwitch::CatPttSwitch(RigPoller& rig, RigPtt on)
    : m_rig(rig)
    , m_on(on)
{
    QObject::connect(&m_rig, &RigPoller::connectionLost, &m_receiver, [this] {
        if (m_wantOn)
            trouble(kCatPttNotAnswering);
    });
    QObject::connect(&m_rig, &RigPoller::pttFailed, &m_receiver, [this](const QString& reason) {
        trouble(QStringLiteral("PTT через CAT: %1").arg(reason));
    });
    QObject::connect(&m_rig, &RigPoller::pttFreed, &m_receiver, [this] { trouble(QString()); });
}

void CatPttSwitch::setPtt(bool on)
{
    m_wantOn = on;
    if (!m_rig.setPtt(on ? m_on : RigPtt::Off))
        trouble(kCatPttNotAnswering);
}

} // namespace radio
