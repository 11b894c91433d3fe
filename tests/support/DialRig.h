// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/RigConnection.h"

#include <QString>
#include <memory>
#include <mutex>

// A rig whose dial the test turns, read by the real poller on its own thread.
struct Dial
{
    std::mutex mutex;
    radio::RigReading reading {1.4e8, QStringLiteral("FM")};
    QString failure; // what every call answers while set
    QString refusal; // what a setting answers while set
};

class DialRig : public radio::RigConnection
{
public:
    explicit DialRig(std::shared_ptr<Dial> dial) : m_dial(std::move(dial)) {}
    QString open() override
    {
        std::lock_guard<std::mutex> lock(m_dial->mutex);
        return m_dial->failure;
    }
    QString read(radio::RigReading& reading) override
    {
        std::lock_guard<std::mutex> lock(m_dial->mutex);
        reading = m_dial->reading;
        return m_dial->failure;
    }
    QString set(qint64 hz, const QString& mode) override
    {
        std::lock_guard<std::mutex> lock(m_dial->mutex);
        if (m_dial->refusal.isEmpty())
            m_dial->reading = {double(hz), mode.isEmpty() ? m_dial->reading.mode : mode};
        return m_dial->refusal;
    }
    void close() override {}

private:
    std::shared_ptr<Dial> m_dial;
};
