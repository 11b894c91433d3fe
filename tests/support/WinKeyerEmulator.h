// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

// A WinKeyer on the far side of a pseudo-terminal, as its host protocol
// describes it: host open (00 02) is answered by the version byte; the rest
// is recorded, each byte with the moment it arrived. Status bytes are sent
// by the test.
class WinKeyerEmulator
{
public:
    static constexpr char kVersion = 31;

    WinKeyerEmulator()
    {
        char name[128] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_name = name;
        m_reader = std::thread([this] { read(); });
    }
    ~WinKeyerEmulator()
    {
        m_stop = true;
        m_reader.join();
        ::close(m_master);
        ::close(m_slave);
    }

    const std::string& name() const { return m_name; }
    QByteArray received() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_bytes;
    }
    // When byte `index` arrived; false while it has not.
    bool arrival(int index, std::chrono::steady_clock::time_point& at) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (index >= int(m_at.size()))
            return false;
        at = m_at[size_t(index)];
        return true;
    }
    void status(unsigned char byte) const { (void)!::write(m_master, &byte, 1); }

private:
    void read()
    {
        while (!m_stop) {
            pollfd p {m_master, POLLIN, 0};
            if (poll(&p, 1, 10) <= 0 || !(p.revents & POLLIN))
                continue;
            char buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            const auto now = std::chrono::steady_clock::now();
            std::lock_guard<std::mutex> lock(m_mutex);
            for (ssize_t i = 0; i < n; ++i) {
                m_bytes += buffer[i];
                m_at.push_back(now);
                if (m_bytes.endsWith(QByteArray("\x00\x02", 2)))
                    (void)!::write(m_master, &kVersion, 1);
            }
        }
    }

    int m_master = -1;
    int m_slave = -1; // held open so that the host's close is not a hang-up
    std::string m_name;
    mutable std::mutex m_mutex;
    QByteArray m_bytes;
    std::vector<std::chrono::steady_clock::time_point> m_at;
    std::atomic<bool> m_stop {false};
    std::thread m_reader;
};
