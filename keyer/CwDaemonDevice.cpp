// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/CwDaemonDevice.h"

#include <QNetworkDatagram>
#include <algorithm>

namespace keyer {
namespace {

constexpr char kEsc = 0x1B;

QByteArray bytes(std::initializer_list<char> b)
{
    return QByteArray(b.begin(), qsizetype(b.size()));
}

} // namespace

CwDaemonDevice::CwDaemonDevice(const QString& address)
    : m_address(address.trimmed())
{
    QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] { readReplies(); });
    QObject::connect(&m_socket, &QUdpSocket::errorOccurred, [this](QAbstractSocket::SocketError) {
        sayOnce(QStringLiteral("cwdaemon на %1: %2").arg(m_address, m_socket.errorString()));
    });
}

QString CwDaemonDevice::silentText() const
{
    return QStringLiteral("cwdaemon на %1 не отвечает").arg(m_address);
}

void CwDaemonDevice::open(int wpm)
{
    const int colon = m_address.lastIndexOf(QLatin1Char(':'));
    const QString host = colon < 0 ? m_address : m_address.left(colon);
    bool ok = colon < 0;
    const quint16 port = colon < 0 ? cwdaemon::kDefaultPort : m_address.mid(colon + 1).toUShort(&ok);
    if (!ok || host.isEmpty() || port == 0) {
        sayOnce(QStringLiteral("cwdaemon: адрес '%1' не в виде host:port").arg(m_address));
        return;
    }
    // A connected socket hears only its daemon, and learns of one that is not there.
    m_socket.connectToHost(host, port);
    setSpeed(wpm);
}

void CwDaemonDevice::datagram(const QByteArray& bytes)
{
    if (m_socket.state() == QAbstractSocket::ConnectedState || m_socket.state() == QAbstractSocket::HostLookupState
        || m_socket.state() == QAbstractSocket::ConnectingState)
        m_socket.write(bytes);
}

void CwDaemonDevice::request(char code, const QByteArray& value)
{
    datagram(bytes({kEsc, code}) + value);
}

void CwDaemonDevice::send(const QByteArray& text)
{
    if (m_socket.state() == QAbstractSocket::UnconnectedState)
        return messageEnded(); // said when its address was read
    m_token = "KVL" + QByteArray::number(++m_serial);
    m_stopping = false;
    request('h', m_token);
    datagram(text);
}

void CwDaemonDevice::stop()
{
    if (m_token.isEmpty())
        return;
    m_stopping = true;
    request('4');
}

void CwDaemonDevice::setSpeed(int wpm)
{
    request('2', QByteArray::number(std::clamp(wpm, cwdaemon::kMinWpm, cwdaemon::kMaxWpm)));
}

void CwDaemonDevice::setTxDelay(int ms)
{
    request('d', QByteArray::number(std::clamp(ms, 0, cwdaemon::kMaxPttDelayMs)));
}

void CwDaemonDevice::setPtt(bool on)
{
    request('a', on ? "1" : "0");
}

void CwDaemonDevice::overdue()
{
    sayOnce(silentText());
    m_token.clear();
}

void CwDaemonDevice::close()
{
    stop();
    m_token.clear();
    m_socket.close();
}

void CwDaemonDevice::readReplies()
{
    while (m_socket.hasPendingDatagrams()) {
        const QByteArray reply = m_socket.receiveDatagram().data();
        answered();
        if (m_token.isEmpty())
            continue;
        // An abort is answered "break" only; the token's reply never comes.
        const bool ended = reply == "h" + m_token + "\r\n" || (m_stopping && reply == "break\r\n");
        if (ended) {
            m_token.clear();
            m_stopping = false;
            messageEnded();
        }
    }
}

} // namespace keyer
