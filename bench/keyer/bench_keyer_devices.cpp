// SPDX-License-Identifier: GPL-3.0-or-later
// Key press to the first byte at the device, for each keyer device: the
// macro handed to the keyer as the key handler does, then the moment its
// first byte reaches a WinKeyer on a pseudo-terminal (so the 9.2 ms a byte
// takes on a 1200-baud wire is not counted) or a stand-in cwdaemon's UDP
// socket. Each message is then ended as the device would end it.
#include "keyer/CwDaemonDevice.h"
#include "keyer/CwKeyer.h"
#include "keyer/WinKeyerDevice.h"
#include "tests/support/LineRecorder.h"
#include "tests/support/VirtualKeyerTime.h"
#include "tests/support/WinKeyerEmulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace keyer;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 300;
const QString kMacro = QStringLiteral("UA9XYZ 5NN 15001");

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

bool spinUntil(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > 2000)
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

// One run: CwOut at t0; `firstByte` waits for and returns the first byte's moment; `end` ends the message.
void measure(const char* name, CwKeyer& keyer, const std::function<bool(Clock::time_point&)>& firstByte,
             const std::function<void()>& end)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        keyer.setSendBuffer(kMacro);
        const Clock::time_point t0 = Clock::now();
        keyer.CwOut();
        Clock::time_point at;
        if (!spinUntil([&] { return firstByte(at); })) {
            std::printf("%-10s no byte arrived\n", name);
            return;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(at - t0).count());
        end();
        spinUntil([&] { return !keyer.Sending(); });
    }
    const double p99 = percentile(ms, 0.99);
    std::printf("%-10s %d messages  key to first byte p50 %.3f ms  p99 %.3f ms  max %.3f ms  %s\n", name, kRuns,
                percentile(ms, 0.5), p99, *std::max_element(ms.begin(), ms.end()), p99 <= 5.0 ? "goal met" : "GOAL MISSED");
}

void winKeyer()
{
    VirtualKeyerTime time;
    LineRecorder lines {time};
    CwKeyer keyer {lines, time};
    WinKeyerEmulator emulator;
    WinKeyerDevice device(QString::fromStdString(emulator.name()));
    keyer.setDevice(&device);
    device.open(24);
    spinUntil([&] { return emulator.received().size() >= 6; });
    int sent = 0;
    measure("WinKeyer", keyer, [&](Clock::time_point& at) {
        if (sent == 0)
            sent = int(emulator.received().size());
        return emulator.arrival(sent, at);
    }, [&] {
        spinUntil([&] { return emulator.received().size() >= sent + kMacro.size() - 2; });
        sent = 0;
        emulator.status(0xC4);
        emulator.status(0xC0);
    });
    keyer.setDevice(nullptr);
}

void cwDaemon()
{
    VirtualKeyerTime time;
    LineRecorder lines {time};
    CwKeyer keyer {lines, time};
    QUdpSocket daemon; // answers as cwdaemon does once a message has been keyed
    daemon.bind(QHostAddress::LocalHost, 0);
    CwDaemonDevice device(QStringLiteral("127.0.0.1:%1").arg(daemon.localPort()));
    keyer.setDevice(&device);
    device.open(24);
    QByteArray token;
    measure("cwdaemon", keyer, [&](Clock::time_point& at) {
        while (daemon.hasPendingDatagrams()) {
            const QByteArray d = daemon.receiveDatagram().data();
            if (!d.startsWith("\x1bh"))
                continue;
            at = Clock::now();
            token = d.mid(1);
            return true;
        }
        return false;
    }, [&] {
        spinUntil([&] { return daemon.hasPendingDatagrams(); });
        const QNetworkDatagram text = daemon.receiveDatagram();
        daemon.writeDatagram(token + "\r\n", text.senderAddress(), quint16(text.senderPort()));
    });
    keyer.setDevice(nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    winKeyer();
    cwDaemon();
    return 0;
}
