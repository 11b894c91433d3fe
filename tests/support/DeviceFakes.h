#pragma once

#include "KvlError.h"
#include "PortDevice.h"
#include "VirtualKeyerTime.h"
#include "VoicePlayer.h"

#include <QStringList>
#include <mutex>
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

    QString openError;   // what open() answers; empty: success
    int openedPort = 0;  // 0 while closed

    QString open(int comNumber) override
    {
        if (!openError.isEmpty())
            return openError;
        openedPort = comNumber;
        return {};
    }
    void close() override { openedPort = 0; }
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
    QString keyed(keyer::Micros dashAtLeast) const
    {
        QString out;
        keyer::Micros down = 0;
        for (const Switch& s : switches()) {
            if (s.line != keyer::ModemLine::DTR)
                continue;
            if (s.on)
                down = s.at;
            else
                out += s.at - down >= dashAtLeast ? QLatin1Char('-') : QLatin1Char('.');
        }
        return out;
    }

private:
    const keyer::KeyerTime& m_time;
    mutable std::mutex m_mutex;
    std::vector<Switch> m_switches;
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
    bool isOpen() const override { return !opened.isEmpty(); }
};
