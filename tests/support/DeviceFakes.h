// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/KvlError.h"
#include "keyer/PortDevice.h"
#include "keyer/PortList.h"
#include "keyer/VoicePlayer.h"
#include "tests/support/VirtualKeyerTime.h"

#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

// Stand-ins for the devices the main window drives: the keying port's device
// (recording every line switch with its virtual time) and the voice players.
class FakePortDevice : public keyer::PortDevice
{
public:
    struct Switch
    {
        keyer::ModemLine line;
        bool on;
        keyer::Micros at;
    };

    explicit FakePortDevice(const keyer::KeyerTime& time) : m_time(time) {}

    QString openError;    // what an opening answers; empty: success
    int openedPort = 0;   // 0 while closed or while a device opened by path is open
    QString openedDevice; // the path opened; empty while closed

    QString open(int comNumber) override
    {
        if (!openError.isEmpty())
            return openError;
        openedPort = comNumber;
        return {};
    }
    QString openDevice(const QString& path) override
    {
        if (!openError.isEmpty())
            return openError;
        openedDevice = path;
        return {};
    }
    void close() override
    {
        openedPort = 0;
        openedDevice.clear();
    }
    void setLine(keyer::ModemLine line, bool on) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_switches.push_back({line, on, m_time.now()});
    }
    std::vector<Switch> switches() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_switches;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_switches.clear();
    }
    // The dots and dashes keyed, read from the DTR edges: ".-" and so on.
    // With `characterGapAtLeast`, a key-up at least that long ends a
    // character, and the characters come out separated by blanks.
    QString keyed(keyer::Micros dashAtLeast, keyer::Micros characterGapAtLeast = 0) const
    {
        QString out;
        keyer::Micros down = 0;
        keyer::Micros up = -1;
        for (const Switch& s : switches()) {
            if (s.line != keyer::ModemLine::DTR)
                continue;
            if (s.on) {
                if (characterGapAtLeast > 0 && up >= 0 && s.at - up >= characterGapAtLeast)
                    out += QLatin1Char(' ');
                down = s.at;
            } else {
                out += s.at - down >= dashAtLeast ? QLatin1Char('-') : QLatin1Char('.');
                up = s.at;
            }
        }
        return out;
    }
    // How often `line` went on.
    int rises(keyer::ModemLine line) const
    {
        int n = 0;
        for (const Switch& s : switches())
            n += s.line == line && s.on;
        return n;
    }
    // The last state `line` was switched to; false when it never was.
    bool lastState(keyer::ModemLine line) const
    {
        bool on = false;
        for (const Switch& s : switches())
            if (s.line == line)
                on = s.on;
        return on;
    }

private:
    const keyer::KeyerTime& m_time;
    mutable std::mutex m_mutex;
    std::vector<Switch> m_switches;
};

// Virtual keyer time that can stop in the middle of a message: once a wait
// would pass the hold point, the keying thread stands there, as a real wait
// does, until the hold is released or the keyer wakes it (a speed key, the
// window closing). Meanwhile CwOut's event loop runs, so a test can act
// inside a message.
class HoldingKeyerTime : public keyer::VirtualKeyerTime
{
public:
    // Before the message starts: stand still `ms` after its PTT on.
    void holdAfterMs(int ms)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_holdAt = now() + keyer::Micros(ms) * 1000;
    }
    void release()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_holdAt.reset();
        m_changed.notify_all();
    }
    // Any thread: true once the keying thread stands at the hold point. The
    // time limit only keeps a broken test from hanging.
    bool waitUntilHeld()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_held; });
    }

    void waitUntil(keyer::Micros deadline) override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_holdAt && deadline > *m_holdAt) {
            VirtualKeyerTime::waitUntil(*m_holdAt);
            if (now() < *m_holdAt)
                return; // a scheduled action ran first
            m_held = true;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_woken || !m_holdAt; });
            m_held = false;
            m_woken = false;
            return; // the keyer re-reads its values and waits on
        }
        if (m_woken) {
            m_woken = false;
            return; // woken before the wait began: re-read first, as a real wait would
        }
        lock.unlock();
        VirtualKeyerTime::waitUntil(deadline);
    }
    void wake() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_woken = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<keyer::Micros> m_holdAt;
    bool m_held = false;
    bool m_woken = false;
};

// The serial ports a test says are present.
class FakePortEnumerator : public keyer::PortEnumerator
{
public:
    std::vector<keyer::PresentPort> ports;
    std::vector<keyer::PresentPort> presentPorts() const override { return ports; }
};

class FakeVoicePlayer : public keyer::VoicePlayer
{
public:
    QStringList opened;
    int plays = 0;
    bool refuse = false; // the file is no wave audio

    void open(const QString& fileName) override
    {
        if (refuse)
            throw KvlError(QStringLiteral("The file is not wave audio"));
        opened << fileName;
    }
    void play() override
    {
        if (opened.isEmpty())
            throw KvlError(QStringLiteral("No MCI device open"));
        ++plays;
    }
    void stop() override {}
    bool isOpen() const override { return !opened.isEmpty(); }
    bool isPlaying() const override { return false; }
    int lengthMs() const override { return 0; }
};
