// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/CwDaemonDevice.h"
#include "keyer/CwKeyer.h"
#include "keyer/KeyerSettings.h"
#include "tests/support/LineRecorder.h"
#include "tests/support/VirtualKeyerTime.h"
#include "tests/support/WorkDir.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QTest>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 15000;

// A free UDP port above 1023 on this machine, for the daemon to take.
quint16 freePort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

} // namespace

TEST(KeyerDeviceTest, DevicesGetOnlyWhatTheLinesWouldKey)
{
    EXPECT_EQ(keyer::deviceText(QStringLiteral("ra UA9XX 5NN 0?<\x1b\r\n4"), false), QByteArray("UA9XX5NN0?4"));
    EXPECT_EQ(keyer::deviceText(QStringLiteral("1004"), true), QByteArray("1TT4"));
}

// A device that never says a message has ended holds the next one for the
// text's own time, not the time of as many of the longest character.
TEST(KeyerDeviceTest, ASilentDeviceHoldsTheNextMessageForTheTextsTimeAndTwoSeconds)
{
    const QByteArray paris = "PARISPARISPARISPARISPARISPARISPARISPARISPARISPARIS"; // 10 words
    // 24 WPM (a dash of 150 ms, a dot of 50): PARIS is 50 dots with its word
    // gap of 7, 46 with a character's gap of 3 instead, as a device gets it.
    EXPECT_EQ(keyer::deviceAllowanceMs(paris, 150, 30), 10 * 46 * 50 + 30 + 2000);
}

TEST_F(WorkDirTest, TheKeyerChoiceGoesToKvlIniAndComesBack)
{
    EXPECT_EQ(keyer::readKeyerSettings().settings, keyer::KeyerSettings {}); // no file: DTR/RTS
    const keyer::KeyerSettings chosen {keyer::KeyerKind::WinKeyer, QStringLiteral("ttyUSB1"), QStringLiteral("127.0.0.1:7000"),
                                       keyer::VoicePtt::CatData};
    keyer::writeKeyerSettings(chosen);
    EXPECT_EQ(keyer::readKeyerSettings().settings, chosen);
    writeFile(QStringLiteral("kvl.ini"), "[Keyer]\ntype=paddle\nvoiceptt=foot\n");
    const keyer::KeyerSettingsRead bad = keyer::readKeyerSettings();
    EXPECT_EQ(bad.settings.kind, keyer::KeyerKind::Dtr);
    EXPECT_EQ(bad.settings.voicePtt, keyer::VoicePtt::None);
    EXPECT_TRUE(bad.problem.contains(QStringLiteral("'paddle'"))) << qPrintable(bad.problem);
    EXPECT_TRUE(bad.problem.contains(QStringLiteral("'foot'"))) << qPrintable(bad.problem);
}

// Debian's cwdaemon, started here on a port of its own, without sound or a keying device.
class CwDaemonTest : public ::testing::Test
{
protected:
    keyer::VirtualKeyerTime time;
    keyer::LineRecorder lines {time};
    keyer::CwKeyer keyer {lines, time};
    QProcess daemon;
    quint16 port = freePort();
    std::unique_ptr<keyer::CwDaemonDevice> device;
    QStringList problems;

    void SetUp() override
    {
        daemon.start(QStringLiteral("cwdaemon"), {QStringLiteral("-n"), QStringLiteral("-x"), QStringLiteral("n"),
                                                  QStringLiteral("-d"), QStringLiteral("null"), QStringLiteral("-p"),
                                                  QString::number(port)});
        ASSERT_TRUE(daemon.waitForStarted()) << qPrintable(daemon.errorString());
        ASSERT_TRUE(daemonAnswers());
        device = std::make_unique<keyer::CwDaemonDevice>(QStringLiteral("127.0.0.1:%1").arg(port));
        keyer.setDevice(device.get(), [this](const QString& text) { problems << text; });
        device->open(keyer::wordsPerMinute(keyer.DashTime()));
        keyer.ReadTxDelay(QStringLiteral("80"));
    }
    void TearDown() override
    {
        keyer.setDevice(nullptr);
        daemon.kill();
        daemon.waitForFinished();
    }
    // The daemon binds its port a moment after it starts.
    bool daemonAnswers()
    {
        QUdpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        return QTest::qWaitFor([&] {
            probe.write("\x1bhup");
            probe.write("E");
            return probe.waitForReadyRead(200) && probe.receiveDatagram().data() == "hup\r\n";
        }, kWaitMs);
    }
    bool messageEnds() { return QTest::qWaitFor([&] { return !keyer.Sending(); }, kWaitMs); }
};

TEST_F(CwDaemonTest, AMacroGoesOutAndItsReplyEndsIt)
{
    keyer.setDashTime(75); // 48 WPM, sent to the daemon at once
    for (const char* text : {"UA9XX 5NN", "TU"}) { // each message its own reply
        keyer.setSendBuffer(QLatin1String(text));
        keyer.CwOut();
        EXPECT_TRUE(keyer.Sending());
        ASSERT_TRUE(messageEnds()) << text;
    }
    // Had the reply not come, the message would have outlasted its text and said so.
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(QLatin1Char('\n')));
    EXPECT_TRUE(lines.edges().empty()); // the daemon keys, not the lines
}

TEST_F(CwDaemonTest, EscAbortsAndTheDaemonSaysBreak)
{
    keyer.setDashTime(600); // 6 WPM: a minute of text
    keyer.setSendBuffer(QStringLiteral("PARIS PARIS PARIS PARIS PARIS"));
    keyer.CwOut();
    keyer.keyHooks(Qt::Key_Escape, Qt::NoModifier);
    ASSERT_TRUE(messageEnds()); // a stop not answered by "break" would be said
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(QLatin1Char('\n')));
}

TEST_F(CwDaemonTest, ADaemonThatIsGoneIsSaidOnce)
{
    daemon.kill();
    daemon.waitForFinished();
    for (int i = 0; i < 2; ++i) {
        keyer.setSendBuffer(QStringLiteral("E"));
        keyer.CwOut();
        ASSERT_TRUE(messageEnds());
    }
    problems.removeAll(QString()); // the trouble's text taken back
    EXPECT_EQ(problems.size(), 1) << qPrintable(problems.join(QLatin1Char('\n')));
}
