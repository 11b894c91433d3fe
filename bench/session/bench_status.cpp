// SPDX-License-Identifier: GPL-3.0-or-later
// The main window in CW with a 10,000-contact RA log: completing a contact,
// durable writes and the status line's update included, and the status
// line's figures alone.
#include "app/KvlWindows.h"
#include "common/Clock.h"
#include "common/Cp1251.h"
#include "common/Dialogs.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "keyer/SoundVoicePlayer.h"
#include "log/ContactStamp.h"
#include "log/Contact.h"
#include "log/StateRecord.h"
#include "scoring/ContestVariant.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kContacts = 10000;

class SilentDialogs : public Dialogs
{
public:
    void showError(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    bool confirm(const QString&) override { return false; }
};

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

// A contact every 20 s over two days and more, every third one "1+".
void writeFixture()
{
    QStringList lines(105, QString());
    lines[15] = QStringLiteral("15");
    lines[19] = QStringLiteral("None");
    lines[20] = QStringLiteral("Чемпионат РА");
    writeFile(QStringLiteral("Mydata.kvl"), logbook::cp1251::encode(lines.join(QStringLiteral("\r\n"))));

    QByteArray log;
    QByteArray stamps; // every contact stamped, as a log kept with this version is
    for (int i = 1; i <= kContacts; ++i) {
        stamps += logbook::ContactStamp::at(QDateTime(QDate(2024, 2, 1), QTime(0, 0)).addSecs(i * 20), 14025000,
                                            i <= kContacts - 200 ? 1 : 2, true)
                      .encode();
        const QTime time = QTime(0, 0).addSecs(i * 20);
        logbook::Contact r;
        r.fields = {time.toString(QStringLiteral("hh:mm")), QStringLiteral("20CW"), QStringLiteral("3"),
                    QStringLiteral("UA%1ABC").arg(i), QStringLiteral("15%1").arg(i % 1000, 3, 10, QLatin1Char('0')),
                    QStringLiteral("GA%1").arg(i), i % 3 == 0 ? QStringLiteral("1+") : QStringLiteral("1")};
        log += r.encode();
    }
    writeFile(QStringLiteral("system.kvl"), log);
    writeFile(QStringLiteral("system.kvx"), stamps);

    logbook::StateRecord s;
    s.nextRow = kContacts + 1;
    s.bandMode = QStringLiteral("20CW");
    s.subTourStart = kContacts - 200;
    s.callsLineFlag = 1;
    writeFile(QStringLiteral("cfg.kvl"), s.encode());
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

void report(const char* what, const std::vector<double>& ms)
{
    std::printf("%s: p50 %.3f ms, p99 %.3f ms, max %.3f ms\n", what, percentile(ms, 0.5), percentile(ms, 0.99),
                percentile(ms, 1.0));
}

std::vector<double> timed(int runs, const std::function<void(int)>& before, const std::function<void()>& action)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        before(i);
        QElapsedTimer t;
        t.start();
        action();
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
    // Beside the build, on the disk: a temporary folder in memory would make
    // every fsync free.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench_status-XXXXXX"));
    QDir::setCurrent(dir.path());
    writeFixture();

    SystemClock clock;
    SilentDialogs dialogs;
    keyer::SerialPortDevice portDevice; // the port stays "None": never opened
    keyer::RealKeyerTime keyerTime;
    keyer::SoundVoicePlayer player1;
    keyer::SoundVoicePlayer player2;
    const KvlWindows windows = createWindows({clock, dialogs, portDevice, keyerTime, player1, player2});
    TForm1& form1 = *windows.main;
    form1.show();
    QApplication::processEvents();

    auto* call = form1.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* received = form1.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    const auto* line = form1.findChild<QLabel*>(QStringLiteral("StatusLine"));
    const std::vector<double> completion = timed(
        300,
        [&](int i) {
            call->setText(QStringLiteral("RA%1B").arg(i));
            form1.CallEntered();
            received->setText(QStringLiteral("GA%1").arg(i));
        },
        [&] { form1.CompleteContact(); });
    report("completing a contact with the status line, 10,000-contact log (goal p99 <= 5 ms)", completion);
    const std::vector<double> figures =
        timed(300, [](int) {}, [&] { (void)form1.session().status(clock.current()); });
    report("the status line's figures alone", figures);
    const std::vector<double> statistics =
        timed(300, [](int) {}, [&] { (void)form1.session().statistics(clock.current()); });
    report("the statistics worked out again after a contact, 10,000-contact log (goal p99 <= 2 ms)", statistics);
    // Opened by its menu item, worked out, filled and painted once; closed between runs.
    QAction* statisticsItem = form1.findChild<QAction*>(QStringLiteral("N13"));
    auto* statisticsWindow = form1.findChild<QWidget*>(QStringLiteral("Statistics"));
    const std::vector<double> opening = timed(
        30, [&](int) { statisticsWindow->hide(); QApplication::processEvents(); },
        [&] {
            statisticsItem->trigger();
            statisticsWindow->repaint();
        });
    report("opening the statistics window, 10,000-contact log (goal p99 <= 100 ms)", opening);
    const std::vector<double> followed = timed(
        300,
        [&](int i) {
            call->setText(QStringLiteral("RB%1B").arg(i));
            form1.CallEntered();
            received->setText(QStringLiteral("GA%1").arg(i));
        },
        [&] {
            form1.CompleteContact();
            statisticsWindow->repaint();
        });
    report("completing a contact with the statistics window open and painted (goal p99 <= 5 ms)", followed);
    statisticsWindow->hide();
    // Datagrams to this machine, where nothing listens: each contact's goes
    // out on the sender's thread.
    form1.iniStore().setUdp({{{QStringLiteral("127.0.0.1"), 12060}}});
    const std::vector<double> broadcast = timed(
        300,
        [&](int i) {
            call->setText(QStringLiteral("RC%1B").arg(i));
            form1.CallEntered();
            received->setText(QStringLiteral("GA%1").arg(i));
        },
        [&] { form1.CompleteContact(); });
    report("completing a contact with the UDP datagrams on (goal p99 <= 5 ms)", broadcast);
    std::printf("shown: %s\n", qPrintable(line->text()));
    return 0;
}
