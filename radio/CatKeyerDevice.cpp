// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/CatKeyerDevice.h"

#include "keyer/MorseTable.h"
#include "radio/RigPoller.h"

namespace radio {

CatKeyerDevice::CatKeyerDevice(RigPoller& rig)
    : m_rig(rig)
{
    m_length.setSingleShot(true);
    QObject::connect(&m_length, &QTimer::timeout, [this] { endMessage(); });
}

CatKeyerDevice::~CatKeyerDevice()
{
    QObject::disconnect(m_ended);
    QObject::disconnect(m_refused);
}

void CatKeyerDevice::open(int wpm)
{
    m_ended = QObject::connect(&m_rig, &RigPoller::morseEnded, [this] {
        if (m_inMessage)
            endMessage();
    });
    m_refused = QObject::connect(&m_rig, &RigPoller::morseRefused, [this](const QString& reason) {
        sayOnce(QStringLiteral("CW через CAT: %1").arg(reason));
    });
    setSpeed(wpm);
}

void CatKeyerDevice::send(const QByteArray& text)
{
    if (!m_rig.sendMorse(text)) {
        sayOnce(kCatNotAnswering);
        messageEnded();
        return;
    }
    answered();
    m_inMessage = true;
    m_length.start(keyer::morseMillis(text, m_wpm) + m_txDelay);
}

void CatKeyerDevice::stop()
{
    if (!m_inMessage)
        return;
    m_rig.stopMorse();
    endMessage();
}

void CatKeyerDevice::setSpeed(int wpm)
{
    m_wpm = wpm;
    m_rig.setKeySpeed(wpm);
}

void CatKeyerDevice::close()
{
    stop();
    QObject::disconnect(m_ended);
    QObject::disconnect(m_refused);
}

void CatKeyerDevice::endMessage()
{
    const bool wasIn = m_inMessage;
    m_length.stop();
    m_inMessage = false;
    if (wasIn)
        m_rig.forgetMorse(); // after a stop too: the stop already ends the watch
    messageEnded();
}

} // namespace radio
