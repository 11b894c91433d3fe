#pragma once

#include "keyer/PttSwitch.h"
#include "radio/RigConnection.h"

#include <QMetaObject>

// PTT for the voice calls through the rig's CAT, on the one connection that
// follows the rig: with the microphone's audio, or with the data input's (a
// rig whose USB sound card carries the audio transmits its microphone
// otherwise). A rig that stops answering, or refuses, ends the call; its PTT
// off is sent again until the rig takes it.
namespace radio {

class RigPoller;

inline const QString kCatPttNotAnswering = QStringLiteral("PTT через CAT: трансивер не отвечает, голос остановлен");

class CatPttSwitch : public keyer::PttSwitch
{
public:
    CatPttSwitch(RigPoller& rig, RigPtt on); // `rig` must outlive the switch
    ~CatPttSwitch() override;
    CatPttSwitch(const CatPttSwitch&) = delete;
    CatPttSwitch& operator=(const CatPttSwitch&) = delete;

    void setPtt(bool on) override;

private:
    RigPoller& m_rig;
    RigPtt m_on;
    bool m_wantOn = false;
    QMetaObject::Connection m_lost;
    QMetaObject::Connection m_failed;
    QMetaObject::Connection m_freed;
};

} // namespace radio
