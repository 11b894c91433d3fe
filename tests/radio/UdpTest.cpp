// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio/UdpSender.h"
#include "radio/UdpSettings.h"
#include "tests/support/WorkDir.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace radio;

namespace {
constexpr int kWaitMs = 5000; // only keeps a broken test from hanging

// A network that refuses every datagram while `refusing` holds.
class RefusingSink : public DatagramSink
{
public:
    explicit RefusingSink(std::atomic<bool>& refusing) : m_refusing(refusing) {}
    QString send(const QByteArray&, const UdpDestination&) override
    {
        return m_refusing ? QStringLiteral("Network is unreachable") : QString();
    }

private:
    std::atomic<bool>& m_refusing;
};
} // namespace

TEST(UdpSettings, DestinationsAreReadAsWrittenAndTheRestIsNamed)
{
    struct Case
    {
        const char* text;
        const char* read; // as written back
        const char* refused;
    };
    const Case cases[] = {
        {"127.0.0.1:12060,127.0.0.1:12070", "127.0.0.1:12060,127.0.0.1:12070", ""},
        {" 127.0.0.1:12060 ;  logger.local:9000 ", "127.0.0.1:12060,logger.local:9000", ""},
        {"localhost", "localhost:12060", ""}, // no port: the usual one
        {"[::1]:12060, 127.0.0.1:12060, 127.0.0.1:12060", "[::1]:12060,127.0.0.1:12060", ""},
        {"127.0.0.1:0 host:70000 a/b:1 127.0.0.1:12060", "127.0.0.1:12060", "127.0.0.1:0 host:70000 a/b:1"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const UdpDestinationsRead read = parseUdpDestinations(QString::fromUtf8(c.text));
        EXPECT_EQ(udpDestinationsText(read.destinations), QLatin1String(c.read)) << c.text;
        EXPECT_EQ(read.refused.join(QLatin1Char(' ')), QLatin1String(c.refused)) << c.text;
    }
}

class UdpSettingsFile : public WorkDirTest
{
};

// QSettings reads a bare comma-separated value as a list, a quoted one as text.
TEST_F(UdpSettingsFile, BothFormsOfTheListAreReadAndAWrittenListReadsBack)
{
    for (const char* line : {"destinations=127.0.0.1:12060,127.0.0.1:12070",
                             "destinations=\"127.0.0.1:12060,127.0.0.1:12070\""}) {
        writeFile(QStringLiteral("kvl.ini"), QByteArray("[Udp]\n") + line + "\n");
        const UdpSettingsRead read = readUdpSettings();
        EXPECT_EQ(udpDestinationsText(read.settings.destinations), QStringLiteral("127.0.0.1:12060,127.0.0.1:12070")) << line;
        EXPECT_TRUE(read.problem.isEmpty()) << line;
        writeUdpSettings(read.settings);
        EXPECT_EQ(readUdpSettings().settings, read.settings) << line;
    }
    writeFile(QStringLiteral("kvl.ini"), "[Udp]\ndestinations=nowhere:port\n");
    EXPECT_TRUE(readUdpSettings().problem.contains(QStringLiteral("nowhere:port")));
}

TEST(UdpSender, ATroubleIsSaidOnceAndClearedWhenDatagramsGoAgain)
{
    std::atomic<bool> refusing {true};
    UdpSender sender([&refusing] { return std::make_unique<RefusingSink>(refusing); });
    QSignalSpy said(&sender, &UdpSender::troubleChanged);
    sender.send("before any destination"); // nowhere to go: nothing tried
    sender.setDestinations({{QStringLiteral("127.0.0.1"), 12060}});
    for (int i = 0; i < 5; ++i)
        sender.send("refused");
    ASSERT_TRUE(said.wait(kWaitMs));
    EXPECT_EQ(said.at(0).at(0).toString(), QStringLiteral("UDP: не отправлено на 127.0.0.1:12060 — Network is unreachable"));
    refusing = false;
    sender.send("taken");
    // The all-clear comes after every refused datagram was tried, in order.
    ASSERT_TRUE(QTest::qWaitFor([&] { return said.size() > 1 && said.last().at(0).toString().isEmpty(); }, kWaitMs));
    EXPECT_EQ(said.size(), 2);
}
