// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerDevice.h"

#include <QByteArray>
#include <QUdpSocket>

// cwdaemon (0.10.2) over UDP: each message goes as a reply request
// <ESC>h<token> and then the text; the daemon answers h<token>\r\n once the
// text has been keyed, so each message has its own token. <ESC>4 aborts, and
// is answered "break\r\n".
namespace keyer {

namespace cwdaemon {
constexpr int kMinWpm = 4;
constexpr int kMaxWpm = 60;
constexpr int kMaxPttDelayMs = 50; // the daemon clips longer delays to this
constexpr quint16 kDefaultPort = 6789;
} // namespace cwdaemon

class CwDaemonDevice : public KeyerDevice
{
public:
    // `address`: "host:port" or "host" (port 6789).
    explicit CwDaemonDevice(const QString& address);

    void open(int wpm) override;
    void send(const QByteArray& text) override;
    void stop() override;
    void setSpeed(int wpm) override;
    void setTxDelay(int ms) override;
    void setPtt(bool on) override;
    void overdue() override;
    void close() override;

private:
    void request(char code, const QByteArray& value = {});
    void datagram(const QByteArray& bytes);
    void readReplies();
    QString silentText() const;

    QString m_address;
    QUdpSocket m_socket;
    QByteArray m_token; // of the message in progress; empty: none
    bool m_stopping = false;
    int m_serial = 0;
};

} // namespace keyer
