// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with a full 1999-contact log: start-up up to an active
// window, and completing a contact, durable writes included.
#include "app/KvlWindows.h"
#include "bench/MasterCallsFixture.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "keyer/SoundVoicePlayer.h"
#include "log/Contact.h"
#include "log/StateRecord.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class SilentDialogs : public Dialogs
{
public:
    void showError(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    bool confirm(const QString&) override { return false; }
};

void writeFixture(int contacts)
{
    QStringList lines(105, QString());
    lines[15] = QStringLiteral("15");
    lines[19] = QStringLiteral("None");
    lines[20] = QStringLiteral("Others");
    QFile data(QStringLiteral("Mydata.kvl"));
    data.open(QIODevice::WriteOnly);
    data.write(lines.join(QStringLiteral("\r\n")).toLatin1());

    QByteArray log;
    for (int i = 1; i <= contacts; ++i) {
        logbook::Contact r;
        r.fields = {QStringLiteral("12:34"), QStringLiteral("20CW"), QStringLiteral("3"),
                    QStringLiteral("UA%1ABC").arg(i), QStringLiteral("15%1").arg(i, 3, 10, QLatin1Char('0')),
                    QStringLiteral("32%1").arg(i), QStringLiteral("0")};
        log += r.encode();
    }
    QFile logFile(QStringLiteral("system.kvl"));
    logFile.open(QIODevice::WriteOnly);
    logFile.write(log);

    logbook::StateRecord s;
    s.nextRow = contacts + 1;
    s.bandMode = QStringLiteral("20CW");
    s.callsLineFlag = 1;
    QFile state(QStringLiteral("cfg.kvl"));
    state.open(QIODevice::WriteOnly);
    state.write(s.encode());
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

// Completes contacts as the operator does (call, Enter, exchange, Enter),
// timing the completion alone.
void benchCompletion(TForm1& form)
{
    auto* call = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* received = form.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    std::vector<double> ms;
    for (int i = 0; i < 300; ++i) {
        call->setText(QStringLiteral("RA%1B").arg(i));
        form.CallEntered();
        received->setText(QString::number(i));
        QElapsedTimer t;
        t.start();
        form.CompleteContact();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("completing a contact (log and state on disk): p50 %.2f ms, p99 %.2f ms, max %.2f ms (goal p99 <= 5 ms)\n",
                percentile(ms, 0.5), percentile(ms, 0.99), percentile(ms, 1.0));
}

std::vector<double> startUpTimes(const MainWindowServices& services)
{
    std::vector<double> ms;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer t;
        t.start();
        const KvlWindows windows = createWindows(services);
        TForm1& form1 = *windows.main;
        form1.show();
        form1.FormActivate();
        QApplication::processEvents();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    writeFixture(1999);

    SystemClock clock;
    SilentDialogs dialogs;
    keyer::SerialPortDevice portDevice; // the port stays "None": never opened
    keyer::RealKeyerTime keyerTime;
    keyer::SoundVoicePlayer player1;
    keyer::SoundVoicePlayer player2;
    const MainWindowServices services {clock, dialogs, portDevice, keyerTime, player1, player2};
    std::vector<double> ms = startUpTimes(services);
    std::printf("start-up to an active window, 1999-contact log: median %.1f ms, worst %.1f ms (goal <= 300 ms)\n",
                percentile(ms, 0.5), percentile(ms, 1.0));
    // The master file is read on a thread of its own, beside the start-up.
    QFile master(QStringLiteral("MASTER.SCP"));
    master.open(QIODevice::WriteOnly);
    master.write(benchMasterFile(benchMasterCalls(50000)));
    master.close();
    ms = startUpTimes(services);
    std::printf("the same with a 50,000-call master file: median %.1f ms, worst %.1f ms (goal <= 300 ms)\n",
                percentile(ms, 0.5), percentile(ms, 1.0));
    QFile::remove(QStringLiteral("MASTER.SCP"));

    const KvlWindows windows = createWindows({clock, dialogs, portDevice, keyerTime, player1, player2});
    windows.main->show();
    benchCompletion(*windows.main);
    return 0;
}
