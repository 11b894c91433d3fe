// SPDX-License-Identifier: GPL-3.0-or-later
// Exit with a rig that accepts the connection and never answers (a listener
// that never replies, standing for rigctld caught in a hung rig): from the
// close of the main window to the end of the process, in a child process per
// run. Prints the median and the worst in ms; the goal is 200 ms.
#include "app/KvlWindows.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "keyer/RealKeyerTime.h"
#include "keyer/SerialPortDevice.h"
#include "keyer/SoundVoicePlayer.h"
#include "radio/RigSettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <ctime>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kRigCallMs = 300; // the window runs this long first: the rig call hangs by then

class SilentDialogs : public Dialogs
{
public:
    void showError(const QString& text) override { std::fprintf(stderr, "error: %s\n", qPrintable(text)); }
    bool confirm(const QString&) override { return false; }
};

double monotonicMs()
{
    timespec t {};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

// Accepts connections into its backlog and never reads or writes.
int silentListener(quint16& port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&a), size) != 0 || ::listen(s, 16) != 0
        || ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) != 0)
        return -1;
    port = ntohs(a.sin_port);
    return s;
}

// The child: the program as main starts it, closed after kRigCallMs; writes
// the moment of the close to `report`, then ends as main ends.
int runProgram(int argc, char** argv, int report)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SystemClock clock;
    SilentDialogs dialogs;
    keyer::SerialPortDevice portDevice;
    keyer::RealKeyerTime keyerTime;
    keyer::SoundVoicePlayer player1;
    keyer::SoundVoicePlayer player2;
    KvlWindows windows = createWindows({clock, dialogs, portDevice, keyerTime, player1, player2});
    QObject::connect(windows.main.get(), &TForm1::closed, &app, &QCoreApplication::quit);
    windows.main->show();
    QTimer::singleShot(kRigCallMs, [&windows, report] {
        const double closing = monotonicMs();
        windows.main->close();
        const double closed[2] = {closing, monotonicMs()};
        (void)!::write(report, closed, sizeof closed);
    });
    return finishKvl(windows, app.exec());
}

void writeFolder(quint16 port)
{
    QStringList lines(105, QString());
    lines[15] = QStringLiteral("15");
    lines[19] = QStringLiteral("None");
    lines[20] = QStringLiteral("Others");
    QFile data(QStringLiteral("Mydata.kvl"));
    if (data.open(QIODevice::WriteOnly))
        data.write(lines.join(QStringLiteral("\r\n")).toLatin1());
    radio::writeRigSettings({radio::kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(port), 0});
}

void print(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("exit with a rig that never answers, %-24s median %6.1f ms, max %6.1f ms (%d runs)\n", what,
                ms[ms.size() / 2], ms.back(), int(ms.size()));
}

} // namespace

int main(int argc, char** argv)
{
    quint16 port = 0;
    const int listener = silentListener(port);
    QTemporaryDir dir;
    if (listener < 0 || !dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    writeFolder(port);
    std::vector<double> windowMs;
    std::vector<double> processMs;
    for (int run = 0; run < kRuns; ++run) {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0)
            return 1;
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeEnds[0]);
            std::exit(runProgram(argc, argv, pipeEnds[1]));
        }
        ::close(pipeEnds[1]);
        double closed[2] = {0, 0};
        const bool reported = ::read(pipeEnds[0], closed, sizeof closed) == sizeof closed;
        int status = 0;
        ::waitpid(child, &status, 0);
        const double ended = monotonicMs();
        ::close(pipeEnds[0]);
        if (!reported || !WIFEXITED(status))
            return 1;
        windowMs.push_back(closed[1] - closed[0]);
        processMs.push_back(ended - closed[0]);
    }
    print("window closed:", windowMs);
    print("process ended:", processMs);
    ::close(listener);
    return 0;
}
