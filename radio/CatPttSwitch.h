// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/PttSwitch.h"
#include "radio/RigConnection.h"

#include <QObject>

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

    void setPtt(bool on) override;

private:
    RigPoller& m_rig;
    RigPtt m_on;
    bool m_wantOn = false;
    QObject m_receiver; // the rig's signals reach the switch while it lives
};

} // namespace radio
