// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KvlError.h"
#include "log/ContactLog.h"
#include "scoring/Points.h"
#include "tests/support/BuiltInContests.h"

#include <gtest/gtest.h>

using namespace scoring;
using logbook::QsoField;

namespace {

const QString kAsia = QStringLiteral("Чемпионат Азиатской части РФ");

struct Case
{
    QString sent;
    QString received;
    QString cell;
    QString expected;
};

} // namespace

TEST(PointsTest, RaScoresOnePlusForGaOnly)
{
    const Case cases[] = {
        {QStringLiteral("15001"), QStringLiteral("GA123"), QString(), QStringLiteral("1+")},
        {QStringLiteral("15001"), QStringLiteral("GA"), QStringLiteral("0"), QStringLiteral("1+")},
        {QStringLiteral("15001"), QStringLiteral("ga123"), QString(), QStringLiteral("1")},
        {QStringLiteral("15001"), QStringLiteral("G"), QStringLiteral("1+"), QStringLiteral("1")},
        {QStringLiteral("15001"), QString(), QStringLiteral("7"), QStringLiteral("1")},
        {QStringLiteral("15001"), QStringLiteral("AGA"), QString(), QStringLiteral("1")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointsCalculateRA(c.sent, c.received, c.cell), c.expected) << c.received.toStdString();
    }
}

TEST(PointsTest, OthersScoresZero)
{
    for (const QString& received : {QStringLiteral("GA123"), QString(), QStringLiteral("32012")}) {
        EXPECT_EQ(PointsCalculateOthers(QStringLiteral("15001"), received, QStringLiteral("1+")), QStringLiteral("0"));
        EXPECT_EQ(scoreCompletedContact(builtInContest(QStringLiteral("Others")), QStringLiteral("160SSB"), QString(),
                                        received, QString()).cell,
                  QStringLiteral("0"));
    }
}

TEST(PointsTest, AsiaScoresTheCoordinatesDistance)
{
    const Case cases[] = {
        {QStringLiteral("15007"), QStringLiteral("32012"), QString(), QStringLiteral("5")},
        {QStringLiteral("15007"), QStringLiteral("37012"), QString(), QStringLiteral("4")},
        {QStringLiteral("15007"), QStringLiteral("1100012"), QString(), QStringLiteral("95")},
        {QStringLiteral("15007"), QStringLiteral("15012"), QStringLiteral("9"), QStringLiteral("0")},
        {QStringLiteral("32012"), QStringLiteral("15007"), QString(), QStringLiteral("5")},
        {QStringLiteral("99001"), QStringLiteral("05002"), QString(), QStringLiteral("13")},
        // A received exchange without coordinates scores 0.
        {QStringLiteral("15007"), QString(), QStringLiteral("4"), QStringLiteral("0")},
        {QStringLiteral("15007"), QStringLiteral("15"), QStringLiteral("4"), QStringLiteral("0")},
        {QStringLiteral("15007"), QStringLiteral("1012"), QStringLiteral("4"), QStringLiteral("0")},
        // One character of station coordinates leaves the cell untouched.
        {QStringLiteral("5007"), QStringLiteral("32012"), QStringLiteral("old"), QStringLiteral("old")},
        {QStringLiteral("007"), QStringLiteral("32012"), QString(), QString()},
        // Coordinates are cut to ten characters: the differing tails do not count.
        {QStringLiteral("1234567890999001"), QStringLiteral("1234567890555002"), QString(), QStringLiteral("0")},
        // From the 1000th contact the serial's first digit joins the coordinates.
        {QStringLiteral("151000"), QStringLiteral("15012"), QString(), QStringLiteral("46")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointsCalculateASIA(c.sent, c.received, c.cell), c.expected)
            << c.sent.toStdString() << " / " << c.received.toStdString();
}

// A description's points: the built-in rules by name, a figure, the band ×
// mode table (nothing for a band-mode it leaves out), or the judges' (a dash).
TEST(PointsTest, ADescriptionScoresByItsRule)
{
    using logbook::Mode;
    ContestDescription d;
    d.pointsTable[{1, Mode::CW}] = 15;
    const struct
    {
        PointsKind kind;
        int fixed;
        logbook::BandAndMode contact;
        const char* sent;
        const char* received;
        const char* points;
    } cases[] = {
        {PointsKind::GaPrefix, 0, {1, Mode::CW}, "59001", "GA12", "1+"},
        {PointsKind::Coordinates, 0, {1, Mode::CW}, "15007", "32012", "5"},
        {PointsKind::Table, 0, {1, Mode::CW}, "599001", "599002", "15"},
        {PointsKind::Table, 0, {0, Mode::CW}, "599001", "599002", "0"},
        {PointsKind::Fixed, 3, {0, Mode::SSB}, "001", "002", "3"},
        {PointsKind::None, 0, {0, Mode::SSB}, "001", "002", "—"},
    };
    for (const auto& c : cases) {
        d.points = c.kind;
        d.fixedPoints = c.fixed;
        EXPECT_EQ(descriptionPoints(d, c.contact, QLatin1String(c.sent), QLatin1String(c.received), QStringLiteral("7")),
                  QString::fromUtf8(c.points))
            << int(c.kind);
    }
}

TEST(PointsTest, AsiaCoordinatesThatAreNoNumberFailWithTheirText)
{
    struct Failure
    {
        QString sent;
        QString received;
        QString named;
    };
    const Failure cases[] = {
        {QStringLiteral("15007"), QStringLiteral("3A012"), QStringLiteral("'A'")},
        {QStringLiteral("A5007"), QStringLiteral("32012"), QStringLiteral("'A'")},
        {QStringLiteral("15007"), QStringLiteral("3 2012"), QStringLiteral("' 2'")},
        {QStringLiteral("1-007"), QStringLiteral("32012"), QStringLiteral("'-'")},
    };
    for (const Failure& c : cases) {
        try {
            PointsCalculateASIA(c.sent, c.received, QString());
            ADD_FAILURE() << "no error for " << c.received.toStdString();
        } catch (const KvlError& e) {
            EXPECT_TRUE(e.message().contains(c.named)) << e.message().toStdString();
        }
    }
}

TEST(PointsTest, ACompletedContactWithoutPointsIsStillLoggedWithAnEmptyCell)
{
    const ContactScore failed = scoreCompletedContact(builtInContest(kAsia), QStringLiteral("80CW"), QStringLiteral("15007"), QStringLiteral("3A012"),
                                                      QStringLiteral("stale"));
    EXPECT_EQ(failed.cell, QString());
    ASSERT_TRUE(failed.error);
    EXPECT_TRUE(failed.error->contains(QStringLiteral("'A'")));

    const ContactScore scored = scoreCompletedContact(builtInContest(kAsia), QStringLiteral("80CW"), QStringLiteral("15007"), QStringLiteral("32012"), QString());
    EXPECT_EQ(scored.cell, QStringLiteral("5"));
    EXPECT_FALSE(scored.error);

    const ContactScore noVariant = scoreCompletedContact(nullptr, QStringLiteral("80CW"), QStringLiteral("15007"), QStringLiteral("GA012"),
                                                         QStringLiteral("kept"));
    EXPECT_EQ(noVariant.cell, QStringLiteral("kept"));
    EXPECT_FALSE(noVariant.error);
}

TEST(PointsTest, RescoringSkipsRowsThatCannotBeScoredAndStopsBeforeTheCurrentRow)
{
    logbook::ContactLog grid;
    const QString rows[][3] = {
        {QStringLiteral("15001"), QStringLiteral("32001"), QStringLiteral("1")},
        {QStringLiteral("15002"), QStringLiteral("XX002"), QStringLiteral("7")},
        {QStringLiteral("15003"), QStringLiteral("37003"), QString()},
        {QStringLiteral("15004"), QStringLiteral("32004"), QString()}, // the current row
    };
    for (int r = 0; r < 4; ++r) {
        grid.setCell(r + 1, QsoField::Sent, rows[r][0]);
        grid.setCell(r + 1, QsoField::Received, rows[r][1]);
        grid.setCell(r + 1, QsoField::Points, rows[r][2]);
    }
    EXPECT_EQ(rescoreLog(grid, 4, builtInContest(kAsia)), 1);
    EXPECT_EQ(grid.cell(1, QsoField::Points), QStringLiteral("5"));
    EXPECT_EQ(grid.cell(2, QsoField::Points), QStringLiteral("7"));
    EXPECT_EQ(grid.cell(3, QsoField::Points), QStringLiteral("4"));
    EXPECT_EQ(grid.cell(4, QsoField::Points), QString());

    EXPECT_EQ(rescoreLog(grid, 4, builtInContest(QStringLiteral("Others"))), 0);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(grid.cell(r, QsoField::Points), QStringLiteral("0"));
    EXPECT_EQ(rescoreLog(grid, 4, nullptr), 0);
    EXPECT_EQ(grid.cell(1, QsoField::Points), QStringLiteral("0"));
    EXPECT_EQ(grid.cell(0, QsoField::Points), QString()); // row 0 is no contact, never scored
}
