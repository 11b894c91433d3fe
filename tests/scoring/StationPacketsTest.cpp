// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/StationPackets.h"

#include <QTimeZone>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

using namespace scoring;
using logbook::Mode;

namespace {

std::map<QString, QString> childrenOf(const QByteArray& packet)
{
    std::map<QString, QString> fields;
    QXmlStreamReader xml(packet);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement())
            fields[xml.name().toString()] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    EXPECT_FALSE(xml.hasError()) << packet.constData();
    return fields;
}

} // namespace

TEST(StationPackets, AnExchangeSplitsIntoReportSerialAndTheRest)
{
    struct Case
    {
        const char* exchange;
        Mode mode;
        const char* report;
        const char* number;
        const char* rest;
    };
    const Case cases[] = {
        {"59001", Mode::SSB, "59", "001", ""},
        {"599002", Mode::CW, "599", "002", ""},
        {"599 003 KO85", Mode::CW, "599", "003", "KO85"},
        {"59 MO 014", Mode::SSB, "59", "014", "MO"},
        {"15105", Mode::SSB, "15", "105", ""},    // a report first, as typed
        {"MO0015", Mode::SSB, "", "0015", "MO"},  // a code run into its serial
        {"025 VL11", Mode::SSB, "", "025", "VL11"},
        {"KO85", Mode::CW, "", "", "KO85"},       // a locator's digits are no serial
        {"001", Mode::CW, "", "001", ""},          // no report begins with 0
        {"", Mode::SSB, "", "", ""},
    };
    for (const Case& c : cases) {
        const ExchangeParts parts = splitExchange(QLatin1String(c.exchange), c.mode);
        EXPECT_EQ(parts.report, QLatin1String(c.report)) << c.exchange;
        EXPECT_EQ(parts.number, QLatin1String(c.number)) << c.exchange;
        EXPECT_EQ(parts.rest, QLatin1String(c.rest)) << c.exchange;
    }
}

// Tens of hertz, megahertz and UTC, as the tools reading them take them;
// a repeat is no claimed contact.
TEST(StationPackets, AContactGoesOutInTheToolsUnits)
{
    PacketContact c;
    c.id = contactId(QStringLiteral("abc"), 7);
    c.utc = QDateTime(QDate(2025, 3, 1), QTime(21, 4, 5), QTimeZone(3 * 3600));
    c.bandMode = {0, Mode::SSB};
    c.frequencyHz = 1'843'217;
    c.call = QStringLiteral(" ua9xx ");
    c.received = QStringLiteral("57 <&> 012");
    c.points = 3;
    c.repeat = true;
    const auto fields = childrenOf(contactInfoPacket(c, {QStringLiteral("PC"), QStringLiteral("R3VAA"), {}, {}}));
    EXPECT_EQ(fields.at(QStringLiteral("rxfreq")), QStringLiteral("184321"));
    EXPECT_EQ(fields.at(QStringLiteral("band")), QStringLiteral("1.8"));
    EXPECT_EQ(fields.at(QStringLiteral("mode")), QStringLiteral("LSB"));
    EXPECT_EQ(fields.at(QStringLiteral("timestamp")), QStringLiteral("2025-03-01 18:04:05"));
    EXPECT_EQ(fields.at(QStringLiteral("call")), QStringLiteral("ua9xx"));
    EXPECT_EQ(fields.at(QStringLiteral("exchange1")), QStringLiteral("<&>"));
    EXPECT_EQ(fields.at(QStringLiteral("points")), QStringLiteral("0"));
    EXPECT_EQ(fields.at(QStringLiteral("IsClaimedQso")), QStringLiteral("0"));
    EXPECT_EQ(c.id, contactId(QStringLiteral("abc"), 7));
    EXPECT_NE(c.id, contactId(QStringLiteral("abd"), 7));
    EXPECT_NE(c.id, contactId(QStringLiteral("abc"), 8));
}

TEST(StationPackets, TheScoreCountsNoRepeatAndSumsByBandAndMode)
{
    const auto contact = [](const char* bandMode, const char* points, bool repeat, int multipliers) {
        logbook::Contact c;
        c.fields = {QStringLiteral("10:00"), QLatin1String(bandMode), {}, QStringLiteral("UA1A"), {}, {}, QLatin1String(points)};
        c.repeat = repeat;
        c.multipliers = multipliers;
        return c;
    };
    const QVector<logbook::Contact> rows = {contact("80CW", "2", false, 1), contact("80CW", "3", false, 0),
                                            contact("80CW", "5", true, 0), contact("20SSB", "1+", false, 1)};
    const ScoreState score = scoreState(rows, nullptr);
    ASSERT_EQ(score.lines.size(), 2);
    EXPECT_EQ(score.lines[0].bandMode.band, 1);
    EXPECT_EQ(score.lines[0].contacts, 2);
    EXPECT_EQ(score.lines[0].points, 5);
    EXPECT_EQ(score.lines[0].multipliers, 1);
    EXPECT_EQ(score.lines[1].points, 1);
    EXPECT_EQ(score.totals.points, 6);
    const auto fields = childrenOf(scorePacket(score, {{}, QStringLiteral("R3VAA"), QStringLiteral("OTHER"), {}},
                                               QDateTime(QDate(2025, 3, 1), QTime(18, 0), QTimeZone::utc())));
    EXPECT_EQ(fields.at(QStringLiteral("call")), QStringLiteral("R3VAA"));
    EXPECT_EQ(fields.at(QStringLiteral("timestamp")), QStringLiteral("2025-03-01 18:00:00"));
}
