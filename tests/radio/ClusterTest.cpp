// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/ClusterClient.h"
#include "radio/ClusterLines.h"
#include "radio/ClusterSettings.h"
#include "tests/support/WorkDir.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace radio;
using namespace std::chrono_literals;

namespace {
constexpr int kWaitMs = 10000; // only keeps a broken test from hanging
}

TEST(ClusterLines, SpotLinesOfSeveralNodesAreRead)
{
    struct Case
    {
        const char* line;
        qint64 hz;
        const char* call;
        const char* spotter;
        const char* comment;
        std::optional<QTime> utc;
    };
    const Case cases[] = {
        {"DX de SP5XYZ:     14025.0  ua1aa        CQ TEST                        1234Z", 14025000, "UA1AA", "SP5XYZ",
         "CQ TEST", QTime(12, 34)},
        {"DX de K1TTT-#:    7003.1  UA9XX        CW 12 dB 25 WPM CQ             0005Z", 7003100, "UA9XX", "K1TTT-#",
         "CW 12 dB 25 WPM CQ", QTime(0, 5)},
        {"DX de W3LPL:  3505.0  RA3AAA/P   tnx qso  2359Z FN20", 3505000, "RA3AAA/P", "W3LPL", "tnx qso", QTime(23, 59)},
        {"DX de RA3AAA-2-#:1296123.45 R1ANF\t\t1200Z KO85", 1296123450, "R1ANF", "RA3AAA-2-#", "", QTime(12, 0)},
        {"DX de UA1AA  14025  UA1ZZ  no time here", 14025000, "UA1ZZ", "UA1AA", "no time here", std::nullopt},
        {"DX de UA1AA:  14025  UA1ZZ  up 2 2560Z", 14025000, "UA1ZZ", "UA1AA", "up 2", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<Spot> spot = parseSpotLine(QString::fromLatin1(c.line));
        ASSERT_TRUE(spot) << c.line;
        EXPECT_EQ(spot->frequencyHz, c.hz) << c.line;
        EXPECT_EQ(spot->call, QLatin1String(c.call)) << c.line;
        EXPECT_EQ(spot->spotter, QLatin1String(c.spotter)) << c.line;
        EXPECT_EQ(spot->comment, QLatin1String(c.comment)) << c.line;
        EXPECT_EQ(spot->utc, c.utc) << c.line;
    }
    for (const char* line : {"", "UA1AA de RA3AAA 599 001", "DX de UA1AA: 99.9 UA1ZZ 1234Z",
                             "DX de UA1AA: 300000001 UA1ZZ 1234Z", "DX de UA1AA: abc UA1ZZ", "DX de UA1AA: 14025 ??? 1234Z"})
        EXPECT_FALSE(parseSpotLine(QString::fromLatin1(line))) << line;
}

TEST(ClusterLines, TelnetCommandsAreLeftOutWhereverTheBytesSplit)
{
    // WILL ECHO, a doubled 255, a subnegotiation, CR, NOP, NUL
    static constexpr char kBytes[] = "ab\xff\xfb\x01" "c\xff\xff" "d\xff\xfa\x18\x00x\xff\xf0" "e\r\n\xff\xf1" "f\0\n";
    const QByteArray bytes(kBytes, sizeof kBytes - 1);
    for (int piece : {1, 2, 3, int(bytes.size())}) {
        TelnetLines telnet;
        QList<QByteArray> lines;
        for (int at = 0; at < bytes.size(); at += piece)
            lines += telnet.feed(bytes.mid(at, piece));
        EXPECT_EQ(lines, QList<QByteArray>({"abc\xff" "de", "f"})) << piece;
    }
}

TEST(ClusterLines, ALineOverTheLimitIsCutAndItsRestDropped)
{
    TelnetLines telnet(8);
    EXPECT_EQ(telnet.feed("12345678\n123456789\nok\nlogin: "), QList<QByteArray>({"12345678", "12345678", "ok"}));
    EXPECT_EQ(telnet.pending(), "login: ");
}

TEST(ClusterLines, RussianTextIsReadInEachEncoding)
{
    for (const QByteArray& bytes : {QByteArray("\xcc\xee\xf1\xea\xe2\xe0"), QByteArray("\xed\xcf\xd3\xcb\xd7\xc1"),
                                    QString::fromUtf8("Москва").toUtf8()})
        EXPECT_EQ(decodeClusterText(bytes), QString::fromUtf8("Москва")) << bytes.toHex().constData();
    EXPECT_EQ(decodeClusterText("DX de \xff"), QString::fromUtf8("DX de я"));
}

TEST(ClusterLines, RetriesWaitLongerUpToTheLongest)
{
    const std::pair<int, std::chrono::milliseconds> cases[] = {
        {0, 2000ms}, {1, 2000ms}, {2, 4000ms}, {3, 8000ms}, {5, 32000ms}, {6, 60000ms}, {1000, 60000ms}};
    for (const auto& [failures, delay] : cases)
        EXPECT_EQ(retryDelay(failures, ClusterTiming {}).count(), delay.count()) << failures;
}

using ClusterSettingsTest = WorkDirTest;

TEST_F(ClusterSettingsTest, AreWrittenAndReadBackAndABadPortIsNamed)
{
    for (const ClusterSettings& settings :
         {ClusterSettings {QStringLiteral("dxc.example.org"), 8000, QStringLiteral("UA3AAA"), 15}, ClusterSettings {}}) {
        writeClusterSettings(settings);
        const ClusterSettingsRead read = readClusterSettings();
        EXPECT_EQ(read.settings, settings) << qPrintable(settings.host);
        EXPECT_EQ(read.problem, QString());
    }
    writeFile(logbook::kIniFileName, "[Cluster]\nhost=dxc.example.org\nport=abc\n");
    const ClusterSettingsRead read = readClusterSettings();
    EXPECT_EQ(read.settings.host, QStringLiteral("dxc.example.org"));
    EXPECT_EQ(read.settings.port, kDefaultClusterPort);
    EXPECT_EQ(read.problem, QStringLiteral("kvl.ini, [Cluster] port: «abc» — не номер порта; взят 7300"));
}

TEST(ClusterClient, LogsInReadsSpotsAndLinesAndComesBackAfterALoss)
{
    QTcpServer node;
    ASSERT_TRUE(node.listen(QHostAddress::LocalHost));
    QList<QTcpSocket*> peers;
    QObject::connect(&node, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* peer = node.nextPendingConnection()) {
            peers << peer;
            peer->write("\xff\xfb\x01login: ");
        }
    });
    ClusterClient client(ClusterTiming {10ms, 40ms});
    QSignalSpy spots(&client, &ClusterClient::spotReceived);
    QSignalSpy lines(&client, &ClusterClient::lineReceived);
    QSignalSpy states(&client, &ClusterClient::stateChanged);
    const ClusterSettings settings {QStringLiteral("127.0.0.1"), node.serverPort(), QString(), 30};
    client.follow(settings, QStringLiteral("ua3aaa"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !peers.isEmpty() && peers[0]->canReadLine(); }, kWaitMs));
    EXPECT_EQ(peers[0]->readLine(), "UA3AAA\r\n");
    client.follow(settings, QStringLiteral("ua3aaa")); // the same again keeps the connection
    ASSERT_TRUE(client.send(QStringLiteral("sh/dx")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return peers[0]->canReadLine(); }, kWaitMs));
    EXPECT_EQ(peers[0]->readLine(), "sh/dx\r\n");

    peers[0]->write("DX de SP5XYZ:  14025.0  UA1AA  cq  1234Z\a\r\n%%% ~~~\r\n" + QByteArray(1025, 'x') + "\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines.size() == 3; }, kWaitMs));
    ASSERT_EQ(spots.size(), 1);
    EXPECT_EQ(spots[0][0].value<Spot>().call, QStringLiteral("UA1AA"));
    EXPECT_EQ(spots[0][0].value<Spot>().utc, QTime(12, 34)); // the bell after it left out
    EXPECT_EQ(lines[0][0].toString(), QStringLiteral("login:"));
    EXPECT_EQ(lines[1][0].toString(), QStringLiteral("%%% ~~~"));
    EXPECT_EQ(lines[2][0].toString(), QString(1024, QLatin1Char('x')));

    peers[0]->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return peers.size() == 2 && peers[1]->canReadLine(); }, kWaitMs));
    const QString lost = QStringLiteral("Кластер: нет связи с 127.0.0.1:%1 (").arg(node.serverPort());
    EXPECT_TRUE(std::any_of(states.begin(), states.end(), [&](const QList<QVariant>& s) {
        return s[0].toString().startsWith(lost) && s[0].toString().endsWith(QStringLiteral("), новая попытка через 1 с"));
    }));

    client.follow({}, QStringLiteral("UA3AAA"));
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(states.last()[0].toString(), QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return peers[1]->state() == QAbstractSocket::UnconnectedState; }, kWaitMs));
}
