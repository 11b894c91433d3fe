// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A real rigctld serving Hamlib's dummy rig on a free localhost port, as an
// operator shares a rig with other programs.
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>

inline constexpr int kRigctldWaitMs = 5000; // only keeps a broken test from hanging

inline quint16 freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

class Rigctld
{
public:
    // `extra`: more options, such as {"-P", "RIG"} for a rig whose PTT goes through CAT.
    explicit Rigctld(quint16 port, QStringList extra = {}) : m_port(port), m_extra(std::move(extra))
    {
        // A test that crashes leaves no rigctld behind.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }
    ~Rigctld() { kill(); }

    bool start()
    {
        m_process.start(QStringLiteral("rigctld"), QStringList {QStringLiteral("-m"), QStringLiteral("1"),
                                                                QStringLiteral("-T"), QStringLiteral("127.0.0.1"),
                                                                QStringLiteral("-t"), QString::number(m_port)}
                                                       + m_extra);
        return m_process.waitForStarted(kRigctldWaitMs)
            && QTest::qWaitFor([this] { return command(QStringLiteral("f")).size() > 0; }, kRigctldWaitMs);
    }
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(kRigctldWaitMs);
    }
    // One command of rigctld's text protocol; its answer, empty without one.
    QByteArray command(const QString& line)
    {
        // A loaded machine may keep a freshly started rigctld from answering
        // in time; the commands of the tests are safe to send again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, m_port);
            if (!socket.waitForConnected(1000))
                continue;
            socket.write(line.toLatin1() + '\n');
            QByteArray answer;
            while (!answer.endsWith('\n') && socket.waitForReadyRead(2000))
                answer += socket.readAll();
            if (!answer.isEmpty())
                return answer;
        }
        return {};
    }
    quint16 port() const { return m_port; }

private:
    quint16 m_port;
    QStringList m_extra;
    QProcess m_process;
};

