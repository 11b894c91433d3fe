// The poller against a real rigctld serving Hamlib's dummy rig on this
// machine, as an operator shares a rig with other programs.
#include "radio/HamlibRig.h"
#include "radio/RigPoller.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/prctl.h>

using namespace radio;
using logbook::Mode;

namespace {

constexpr int kWaitMs = 5000; // only keeps a broken test from hanging

quint16 freePort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

class Rigctld
{
public:
    explicit Rigctld(quint16 port) : m_port(port)
    {
        // A test that crashes leaves no rigctld behind.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }
    ~Rigctld() { kill(); }

    bool start()
    {
        m_process.start(QStringLiteral("rigctld"), {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                                                    QStringLiteral("127.0.0.1"), QStringLiteral("-t"),
                                                    QString::number(m_port)});
        return m_process.waitForStarted(kWaitMs)
            && QTest::qWaitFor([this] { return command(QStringLiteral("f")).size() > 0; }, kWaitMs);
    }
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(kWaitMs);
    }
    // One command of rigctld's text protocol; its answer, empty without one.
    QByteArray command(const QString& line)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (!socket.waitForConnected(1000))
            return {};
        socket.write(line.toLatin1() + '\n');
        QByteArray answer;
        while (!answer.endsWith('\n') && socket.waitForReadyRead(1000))
            answer += socket.readAll();
        return answer;
    }
    quint16 port() const { return m_port; }

private:
    quint16 m_port;
    QProcess m_process;
};

class RigctldTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty())
            GTEST_SKIP() << "rigctld is not installed (Debian: libhamlib-utils)";
        ASSERT_NE(rigctld.port(), 0);
        ASSERT_TRUE(rigctld.start());
    }
    void tune(const char* hz, const char* mode)
    {
        ASSERT_EQ(rigctld.command(QStringLiteral("F %1").arg(QLatin1String(hz))), QByteArray("RPRT 0\n"));
        ASSERT_EQ(rigctld.command(QStringLiteral("M %1 0").arg(QLatin1String(mode))), QByteArray("RPRT 0\n"));
    }
    RigSettings settings() const
    {
        return {kNetRigctlModel, QStringLiteral("127.0.0.1:%1").arg(rigctld.port()), 0};
    }

    Rigctld rigctld {freePort()};
};

} // namespace

TEST_F(RigctldTest, TheLoggerFollowsTheBandAndModeOfTheRig)
{
    RigPoller poller;
    QSignalSpy bands(&poller, &RigPoller::bandWanted);
    QSignalSpy modes(&poller, &RigPoller::modeWanted);
    QSignalSpy states(&poller, &RigPoller::rigStateChanged);
    poller.start(settings());
    ASSERT_TRUE(states.wait(kWaitMs));

    tune("7010000", "CW");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bands.isEmpty() && modes.size() == 2; }, kWaitMs));
    EXPECT_EQ(bands.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(modes.at(1).at(0).value<Mode>(), Mode::CW);

    tune("14250000", "USB");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bands.isEmpty() && modes.size() == 3; }, kWaitMs));
    EXPECT_EQ(bands.takeFirst().at(0).toInt(), 3);
    EXPECT_EQ(modes.at(2).at(0).value<Mode>(), Mode::SSB);

    tune("10120000", "USB");
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.last().at(0).toLongLong() == 10'120'000; }, kWaitMs));
    EXPECT_TRUE(bands.isEmpty());
    EXPECT_EQ(modes.size(), 3);
}

TEST_F(RigctldTest, ALostRigIsReportedOnceAndFollowedAgainWhenItIsBack)
{
    RigTiming timing;
    timing.retryInterval = 200; // several attempts while the rig is away
    RigPoller poller(hamlibConnection, timing);
    QSignalSpy states(&poller, &RigPoller::rigStateChanged);
    QSignalSpy lost(&poller, &RigPoller::connectionLost);
    QSignalSpy back(&poller, &RigPoller::reconnected);
    poller.start(settings());
    ASSERT_TRUE(states.wait(kWaitMs));

    rigctld.kill();
    ASSERT_TRUE(lost.wait(kWaitMs));
    QTest::qWait(1000);
    EXPECT_EQ(lost.size(), 1);
    EXPECT_TRUE(lost.at(0).at(0).toString().startsWith(QStringLiteral("The rig (model 2 at 127.0.0.1:")));

    ASSERT_TRUE(rigctld.start());
    tune("21010000", "CW");
    ASSERT_TRUE(back.wait(kWaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return states.last().at(0).toLongLong() == 21'010'000; }, kWaitMs));
    EXPECT_EQ(lost.size(), 1);
}
