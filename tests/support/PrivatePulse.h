// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>

// A PulseAudio server of the test's own with a null sink, so that a voice
// call really plays on a machine without a sound card, and a sine generator
// of kSineHz as its only source, so that a recording hears a tone. Qt's
// audio reads PULSE_SERVER at its first use and stays with the server it
// met: one server serves a whole test binary (privatePulseRunning).
class PrivatePulse
{
public:
    static constexpr int kSineHz = 440;

    PrivatePulse() { m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); }); }
    ~PrivatePulse()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    // True once the server's socket is there; false where pulseaudio is not installed.
    bool start()
    {
        const QString socket = m_dir.filePath(QStringLiteral("pulse.sock"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path()); // its cookie and state stay in here
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        m_process.setProcessEnvironment(env);
        m_process.setStandardErrorFile(QProcess::nullDevice()); // it warns of root and of no D-Bus
        m_process.start(QStringLiteral("pulseaudio"),
                        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--load=module-null-sink"),
                         QStringLiteral("--load=module-sine-source source_name=sine rate=16000 frequency=%1").arg(kSineHz),
                         QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket)});
        if (!m_process.waitForStarted() || !QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000))
            return false;
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        return true;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

// The binary's one server, started at the first call; false where pulseaudio
// is not installed.
inline bool privatePulseRunning()
{
    static PrivatePulse pulse;
    static const bool running = pulse.start();
    return running;
}
