#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/prctl.h>
#include <csignal>

// A PulseAudio server of the test's own, with one null sink: a voice call
// really plays on a machine without a sound card or a desktop's sound server.
// Qt's audio reads PULSE_SERVER at its first use, so the server is started
// before anything in the process touches sound, once for the whole binary.
class PrivatePulse
{
public:
    static constexpr int kStartWaitMs = 10000;

    PrivatePulse()
    {
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }
    ~PrivatePulse()
    {
        m_process.kill();
        m_process.waitForFinished(kStartWaitMs);
    }

    static bool installed() { return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty(); }

    // True once the server takes connections on its socket.
    bool start()
    {
        const QString socket = m_dir.filePath(QStringLiteral("pulse.sock"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path()); // its cookie and state stay in here
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        m_process.setProcessEnvironment(env);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice()); // its warnings of running as root and without D-Bus
        m_process.start(QStringLiteral("pulseaudio"),
                        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--load=module-null-sink"),
                         QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket)});
        if (!m_process.waitForStarted(kStartWaitMs)
            || !QTest::qWaitFor([&] { return QFileInfo(socket).exists(); }, kStartWaitMs))
            return false;
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        return true;
    }

private:
    QTemporaryDir m_dir {QDir::tempPath() + QStringLiteral("/kvl-pulse-XXXXXX")};
    QProcess m_process;
};
