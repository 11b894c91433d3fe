// SPDX-License-Identifier: GPL-3.0-or-later
// The rig's own keyer through rigctld's network protocol: a recording relay
// between the program's connection and a real rigctld (whose dummy rig throws
// the text away) shows what reaches the rig.
#include "radio/CatKeyerDevice.h"
#include "radio/HamlibRig.h"
#include "radio/RigPoller.h"
#include "tests/support/Rigctld.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace radio;

namespace {

constexpr int kWaitMs = 5000; // only keeps a broken test from hanging

// Passes every connection on to rigctld and keeps what the program sent.
class RecordingRelay
{
public:
    explicit RecordingRelay(quint16 rigctldPort) : m_rigctldPort(rigctldPort)
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { relay(m_server.nextPendingConnection()); });
    }
    quint16 port() const { return m_server.serverPort(); }
    QByteArray sent;

private:
    void relay(QTcpSocket* program)
    {
        auto* rig = new QTcpSocket(program);
        rig->connectToHost(QHostAddress::LocalHost, m_rigctldPort);
        rig->waitForConnected(kWaitMs);
        QObject::connect(program, &QTcpSocket::readyRead, [this, program, rig] {
            const QByteArray bytes = program->readAll();
            sent += bytes;
            rig->write(bytes);
        });
        QObject::connect(rig, &QTcpSocket::readyRead, [program, rig] { program->write(rig->readAll()); });
        QObject::connect(program, &QTcpSocket::disconnected, program, &QObject::deleteLater);
    }
    QTcpServer m_server;
    quint16 m_rigctldPort;
};

class CatKeyerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty())
            GTEST_SKIP() << "rigctld is not installed (Debian: libhamlib-utils)";
        ASSERT_TRUE(rigctld.start());
        device.setHandlers([this] { ++ended; }, [this](const QString& text) { problems << text; });
        device.open(24);
        poller.start({kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(relay.port()), 0});
        ASSERT_TRUE(QTest::qWaitFor([&] { return poller.answering(); }, kWaitMs));
    }
    bool sentContains(const char* text)
    {
        return QTest::qWaitFor([&] { return relay.sent.contains(text); }, kWaitMs);
    }

    Rigctld rigctld {freePort(), {QStringLiteral("-P"), QStringLiteral("RIG")}};
    RecordingRelay relay {rigctld.port()};
    RigPoller poller;
    CatKeyerDevice device {poller};
    int ended = 0;
    QStringList problems;
};

} // namespace

TEST_F(CatKeyerTest, TheTextTheSpeedAndTheStopReachTheRig)
{
    EXPECT_TRUE(sentContains("L KEYSPD 24")) << relay.sent.constData();
    device.setSpeed(31);
    EXPECT_TRUE(sentContains("L KEYSPD 31")) << relay.sent.constData();
    device.send("CQ TEST UA1ABC");
    EXPECT_TRUE(sentContains("CQ TEST UA1ABC")) << relay.sent.constData();
    device.stop();
    EXPECT_EQ(ended, 1); // Esc ends the message at once
    EXPECT_TRUE(sentContains("stop_morse")) << relay.sent.constData();
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

TEST_F(CatKeyerTest, AStopAskedAsThePollerStopsStillReachesTheRig)
{
    device.send("CQ TEST");
    ASSERT_TRUE(sentContains("CQ TEST"));
    device.stop(); // at exit, right before the rig is let go
    poller.stop();
    EXPECT_TRUE(sentContains("stop_morse")) << relay.sent.constData();
}

TEST_F(CatKeyerTest, TheMessageEndsWhenTheRigsPttGoesOffBeforeItsLength)
{
    device.setSpeed(5); // 5 WPM: the text's own time is far beyond the wait below
    device.send("PARIS PARIS");
    ASSERT_TRUE(sentContains("PARIS PARIS"));
    ASSERT_EQ(rigctld.command(QStringLiteral("T 1")), QByteArray("RPRT 0\n"));
    // Two PTT readings asked after it went on: the first one has been answered.
    const qsizetype mark = relay.sent.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return relay.sent.mid(mark).count("t\n") >= 2; }, kWaitMs));
    ASSERT_EQ(rigctld.command(QStringLiteral("T 0")), QByteArray("RPRT 0\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended == 1; }, kWaitMs));
}

TEST_F(CatKeyerTest, ARigThatDoesNotAnswerIsSaidAndTheMessageEnds)
{
    poller.stop();
    device.send("TEST");
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(problems, QStringList {kCatNotAnswering});
}
