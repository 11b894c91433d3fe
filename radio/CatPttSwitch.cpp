#include "radio/CatPttSwitch.h"

#include "radio/RigPoller.h"

namespace radio {

CatPttSwitch::CatPttSwitch(RigPoller& rig, RigPtt on)
    : m_rig(rig)
    , m_on(on)
{
    m_lost = QObject::connect(&m_rig, &RigPoller::connectionLost, [this] {
        if (m_wantOn)
            trouble(kCatPttNotAnswering);
    });
    m_failed = QObject::connect(&m_rig, &RigPoller::pttFailed, [this](const QString& reason) {
        trouble(QStringLiteral("PTT через CAT: %1").arg(reason));
    });
    m_freed = QObject::connect(&m_rig, &RigPoller::pttFreed, [this] { trouble(QString()); });
}

CatPttSwitch::~CatPttSwitch()
{
    QObject::disconnect(m_lost);
    QObject::disconnect(m_failed);
    QObject::disconnect(m_freed);
}

void CatPttSwitch::setPtt(bool on)
{
    m_wantOn = on;
    if (!m_rig.setPtt(on ? m_on : RigPtt::Off))
        trouble(kCatPttNotAnswering);
}

} // namespace radio
