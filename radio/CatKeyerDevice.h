// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerDevice.h"

#include <QMetaObject>
#include <QTimer>

// The rig's own keyer through CAT: the text goes to the rig over the one
// connection that follows it (the poller's thread, one owner of the rig). The
// message ends when the rig's PTT goes off after the text, or at the text's
// length at the current speed, whichever comes first.
namespace radio {

class RigPoller;

inline const QString kCatNotAnswering = QStringLiteral("CW через CAT: трансивер не отвечает, текст не передан");

class CatKeyerDevice : public keyer::KeyerDevice
{
public:
    explicit CatKeyerDevice(RigPoller& rig); // `rig` must outlive the device
    ~CatKeyerDevice() override;
    CatKeyerDevice(const CatKeyerDevice&) = delete;
    CatKeyerDevice& operator=(const CatKeyerDevice&) = delete;

    void open(int wpm) override;
    void send(const QByteArray& text) override;
    void stop() override;
    void setSpeed(int wpm) override;
    void setTxDelay(int ms) override { m_txDelay = ms; }
    void overdue() override { endMessage(); }
    void close() override;

private:
    void endMessage();

    RigPoller& m_rig;
    QTimer m_length; // the text's time at the current speed
    int m_wpm = 0;
    int m_txDelay = 0;
    bool m_inMessage = false;
    QMetaObject::Connection m_ended;
    QMetaObject::Connection m_refused;
};

} // namespace radio
