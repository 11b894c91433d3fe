// SPDX-License-Identifier: GPL-3.0-or-later
// A node that floods the client over 127.0.0.1: 100,000 spot lines with one
// 50 MB line without a line end halfway through them. Prints the spots
// received, the spots per second, and the process's peak memory (VmHWM)
// before and after. The node sends from a thread of its own, a piece at a
// time, so that the peak is the client's.
#include "radio/ClusterClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>
#include <future>
#include <thread>

namespace {

constexpr int kSpots = 100000;
constexpr qint64 kLongLine = 50LL * 1024 * 1024;
constexpr int kPiece = 64 * 1024;
constexpr int kWaitMs = 120000;

QByteArray peakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).simplified();
    return "?";
}

bool sendAll(QTcpSocket& peer, const QByteArray& bytes)
{
    peer.write(bytes);
    while (peer.bytesToWrite() > 0)
        if (!peer.waitForBytesWritten(kWaitMs))
            return false;
    return true;
}

QByteArray spotLine(int i)
{
    return "DX de RA3AAA-#:  " + QByteArray::number(14000 + i % 350) + "." + QByteArray::number(i % 10) + "  UA"
           + QByteArray::number(i % 10) + "A" + QByteArray(1, char('A' + i % 26)) + "   CW 12 dB 25 WPM CQ     "
           + QByteArray::number(1000 + i % 1200).rightJustified(4, '0') + "Z\r\n";
}

void serve(std::promise<quint16> port)
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost)) {
        port.set_value(0);
        return;
    }
    port.set_value(server.serverPort());
    if (!server.waitForNewConnection(kWaitMs))
        return;
    QTcpSocket* peer = server.nextPendingConnection();
    QByteArray piece;
    for (int i = 0; i < kSpots; ++i) {
        piece += spotLine(i);
        if (i == kSpots / 2) {
            if (!sendAll(*peer, piece))
                return;
            piece.clear();
            for (qint64 sent = 0; sent < kLongLine; sent += kPiece)
                if (!sendAll(*peer, QByteArray(kPiece, 'x')))
                    return;
            piece = "\r\n";
        }
        if (piece.size() >= kPiece || i == kSpots - 1) {
            if (!sendAll(*peer, piece))
                return;
            piece.clear();
        }
    }
    peer->disconnectFromHost();
    if (peer->state() != QAbstractSocket::UnconnectedState)
        peer->waitForDisconnected(kWaitMs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("peak memory before: %s\n", peakMemory().constData());

    std::promise<quint16> portPromise;
    std::future<quint16> port = portPromise.get_future();
    std::thread node(serve, std::move(portPromise));
    int spots = 0;
    int lines = 0;
    qint64 elapsedMs = 0;
    QElapsedTimer clock;
    {
        radio::ClusterClient client;
        QObject::connect(&client, &radio::ClusterClient::spotReceived, &app, [&] {
            if (++spots == kSpots) {
                elapsedMs = clock.elapsed();
                app.quit();
            }
        });
        QObject::connect(&client, &radio::ClusterClient::lineReceived, &app, [&] { ++lines; });
        QTimer::singleShot(kWaitMs, &app, [&] { app.quit(); });
        clock.start();
        client.follow({QStringLiteral("127.0.0.1"), port.get(), QStringLiteral("UA3AAA"), 30}, QString());
        app.exec();
    }
    node.join();
    if (elapsedMs == 0)
        elapsedMs = clock.elapsed();
    std::printf("spots received: %d of %d; other lines: %d\n", spots, kSpots, lines);
    std::printf("time: %lld ms, %.0f spots per second\n", static_cast<long long>(elapsedMs),
                elapsedMs > 0 ? spots * 1000.0 / double(elapsedMs) : 0.0);
    std::printf("peak memory after: %s\n", peakMemory().constData());
    return spots == kSpots ? 0 : 1;
}
