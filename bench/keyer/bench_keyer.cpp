// SPDX-License-Identifier: GPL-3.0-or-later
// Keying precision: a 60-character macro keyed with the real time source on
// /dev/ttyS0 where it can be opened (on recorded lines otherwise), with the
// window idle and with a key typed every 100 ms, each without and with a rig
// (Hamlib's dummy) polled every 250 ms. Prints the timing error of every edge
// against the ideal schedule, and the processor time while keying.
#include "common/KvlError.h"
#include "keyer/ApdComPort.h"
#include "keyer/CwKeyer.h"
#include "keyer/MorseTable.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "radio/HamlibRig.h"
#include "radio/RigPoller.h"
#include "tests/support/LineRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace keyer;

namespace {

// Faster than the start speed (150) to keep the run short; the edges are the
// same kind at any speed.
constexpr int kDashTime = 60;
constexpr int kTxDelay = 10;
const QString kMessage = QStringLiteral("CQ CQ TEST UA9XYZ UA9XYZ TEST 5NN 15001 TU RA3ABC 73 QRZ? KN");

struct IdealEdge
{
    Micros at;
    Line line;
    bool on;
};

// The schedule of the timing table, from PTT on.
std::vector<IdealEdge> idealSchedule(const QString& text, int dashTime, int txDelay)
{
    const Micros u = dashTime / 3 * 1000;
    Micros t = 0;
    std::vector<IdealEdge> edges {{t, Line::RTS, true}};
    t += txDelay * 1000;
    for (const QChar c : text) {
        const char* code = morseCode(c);
        if (!code)
            continue;
        for (; *code; ++code) {
            edges.push_back({t, Line::DTR, true});
            t += *code == '.' ? u : Micros(dashTime) * 1000;
            edges.push_back({t, Line::DTR, false});
            t += u;
        }
        t += u;
    }
    edges.push_back({t, Line::RTS, false});
    return edges;
}

double cpuSeconds()
{
    rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_utime.tv_sec + r.ru_stime.tv_sec) + double(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

// Hamlib's dummy rig, counting the readings taken.
class CountedRig : public radio::HamlibRig
{
public:
    CountedRig(const radio::RigSettings& settings, std::atomic<int>& readings)
        : HamlibRig(settings)
        , m_readings(readings)
    {
    }
    QString read(radio::RigReading& reading) override
    {
        ++m_readings;
        return HamlibRig::read(reading);
    }

private:
    std::atomic<int>& m_readings;
};

bool report(const char* name, const std::vector<Edge>& edges, double cpuPercent)
{
    const std::vector<IdealEdge> ideal = idealSchedule(kMessage, kDashTime, kTxDelay);
    if (edges.size() != ideal.size()) {
        std::printf("%-10s edge count %zu, expected %zu\n", name, edges.size(), ideal.size());
        return false;
    }
    std::vector<double> errors;
    for (size_t i = 1; i < edges.size(); ++i) {
        if (edges[i].line != ideal[i].line || edges[i].on != ideal[i].on) {
            std::printf("%-10s edge %zu on the wrong line\n", name, i);
            return false;
        }
        errors.push_back(double(std::llabs(edges[i].at - edges[0].at - ideal[i].at)) / 1000.0);
    }
    const double p99 = percentile(errors, 0.99);
    const double max = *std::max_element(errors.begin(), errors.end());
    const bool met = p99 <= 0.2 && max <= 1.0 && cpuPercent <= 3.0;
    std::printf("%-10s %zu edges  error p50 %.3f ms  p99 %.3f ms  max %.3f ms  CPU %.2f %%  %s\n", name,
                edges.size(), percentile(errors, 0.5), p99, max, cpuPercent, met ? "goal met" : "GOAL MISSED");
    return met;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SerialPortDevice device;
    ApdComPort port(device);
    QString linesName = QStringLiteral("recorded lines: /dev/ttyS0 does not exist");
    if (QFileInfo::exists(QStringLiteral("/dev/ttyS0"))) {
        try {
            port.openFromSetting(QStringLiteral("Com1"));
            linesName = QStringLiteral("/dev/ttyS0");
        } catch (const KvlError& e) {
            linesName = QStringLiteral("recorded lines: /dev/ttyS0 cannot be opened: ") + e.message();
        }
    }
    RealKeyerTime time;
    LineRecorder lines(time, port.Open() ? &port : nullptr);
    CwKeyer keyer(lines, time);
    keyer.setDashTime(kDashTime);
    keyer.setTxDelayTime(kTxDelay);

    QLineEdit callField;
    callField.show();
    QTimer typist;
    typist.setInterval(100);
    QObject::connect(&typist, &QTimer::timeout, &callField, [&callField] {
        if (callField.text().size() >= 10)
            callField.clear();
        QApplication::postEvent(&callField, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("A")));
        QApplication::postEvent(&callField, new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("A")));
    });

    std::printf("keyer: %lld-character macro, DashTime %d (unit %d ms; start speed is 150), TX delay %d ms, on %s\n",
                static_cast<long long>(kMessage.size()), kDashTime, kDashTime / 3, kTxDelay, qPrintable(linesName));
    std::atomic<int> readings {0};
    radio::RigPoller poller([&readings](const radio::RigSettings& s) { return std::make_unique<CountedRig>(s, readings); },
                            radio::RigTiming {});
    bool met = true;
    // Each run with the rig right after the same run without, so that both
    // meet the same load of the machine.
    for (const bool typing : {false, true}) {
        for (const bool rig : {false, true}) {
            if (rig)
                poller.start({1, {}, 0}); // Hamlib's dummy rig, in this process
            lines.clear();
            if (typing)
                typist.start();
            QElapsedTimer wall;
            const double cpu0 = cpuSeconds();
            wall.start();
            keyer.setSendBuffer(kMessage);
            keyer.CwOut();
            const double cpuPercent = 100.0 * (cpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
            typist.stop();
            const QString name = QLatin1String(typing ? "typing" : "idle") + QLatin1String(rig ? "+rig" : "");
            met = report(qPrintable(name), lines.edges(), cpuPercent) && met;
            poller.stop();
        }
    }
    std::printf("keyer: rig polled every 250 ms meanwhile: %d readings of Hamlib's dummy rig\n", readings.load());
    keyer.shutdown();
    std::printf("keyer: %s\n", met ? "all goals met" : "some goals missed");
    return 0;
}
