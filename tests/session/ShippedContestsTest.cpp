// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ContestSession.h"
#include "tests/session/ShippedContestLogs.h"
#include "tests/support/FakeSettings.h"
#include "tests/support/Fakes.h"
#include "tests/support/WorkDir.h"

#include <QDir>

using session::ContestSession;

// Each shipped contest, logged contact by contact as its published rules were
// read by hand: what is taken and refused, what is sent, the points, the
// multipliers and the claimed score.
class ShippedContestsTest : public WorkDirTest
{
protected:
    FakeSettings settings;
    FakeClock clock;

    const scoring::ContestDescription& described(const scoring::ContestCatalogue& catalogue, const QString& file)
    {
        for (const scoring::CatalogueEntry& entry : catalogue.contests) {
            if (entry.file.endsWith(QLatin1Char('/') + file))
                return entry.description;
        }
        ADD_FAILURE() << "no description " << file.toStdString();
        static const scoring::ContestDescription none;
        return none;
    }

    // What refused the contact, by its reason; Refusal::None where it was logged.
    Refusal enter(ContestSession& session, const ShippedQso& q)
    {
        for (int band = 0; band < logbook::kBandCount; ++band) {
            if (logbook::bandText(band) == QString::number(q.band))
                session.selectBand(band);
        }
        session.selectMode(*logbook::modeFromText(QLatin1String(q.mode)));
        if (q.sent) {
            EXPECT_EQ(session.contacts().cell(session.currentRow(), logbook::Sent), QLatin1String(q.sent));
        }
        const QString call = QLatin1String(q.call);
        const scoring::CallsScanResult scan = session.scanCalls(call);
        const ContestSession::CallEntry entry = session.enterCall(call, QString());
        QString reason = entry.warning;
        if (entry.received) {
            const session::Changes changes = session.completeContact(QLatin1String(q.received), clock.current());
            if (changes.contactLogged) {
                EXPECT_EQ(changes.warning, std::optional<QString>(QString())); // an earlier refusal's text goes
                return Refusal::None;
            }
            reason = changes.warning.value_or(session.lastScan().dupeWarning);
        } else if (entry.refused && reason.isEmpty()) {
            reason = scan.dupeWarning;
        }
        if (reason.startsWith(QLatin1String("Dupe")))
            return Refusal::Repeat;
        if (reason.startsWith(QStringLiteral("Рано")))
            return Refusal::TooSoon;
        if (reason.contains(QStringLiteral(" нет ")) || reason.contains(QStringLiteral("только")))
            return Refusal::NotAllowed;
        return reason.isEmpty() ? Refusal::None : Refusal::Exchange;
    }
};

TEST_F(ShippedContestsTest, EachLogsByItsPublishedRules)
{
    const QStringList folders = {scoring::kBuiltInContests, QStringLiteral(KVL_SOURCE_DIR "/contests")};
    const scoring::ContestCatalogue catalogue = scoring::loadContestCatalogue(folders);
    EXPECT_TRUE(catalogue.errors.isEmpty()) << catalogue.errors.join(u'\n').toStdString(); // every shipped file reads well
    int logNumber = 0;
    for (const ShippedContestLog& log : kShippedContestLogs) {
        SCOPED_TRACE(log.file);
        const QString folder = QStringLiteral("log%1").arg(++logNumber);
        ASSERT_TRUE(QDir().mkdir(folder) && QDir::setCurrent(folder));
        const scoring::ContestDescription& contest = described(catalogue, QLatin1String(log.file));
        settings.lines[setup::ContestVariant] = contest.name;
        settings.lines[setup::Locator] = QLatin1String(log.locator);
        clock.utcOffset = 0;
        clock.date = QDate::fromString(QLatin1String(log.date), Qt::ISODate);
        clock.time = QTime(0, 0);
        ContestSession session(settings, clock, folders);
        session.setStationExchanges(
            {{contest.cabrillo, {QLatin1String(log.group), QLatin1String(log.code), QLatin1String(log.zone)}}});
        session.start(QLatin1String(log.coordinates));
        for (const ShippedQso& q : log.qsos) {
            SCOPED_TRACE(std::string(q.utc) + " " + q.call + " " + q.received);
            const QTime utc = QTime::fromString(QLatin1String(q.utc), QStringLiteral("hh:mm"));
            if (utc < clock.time) // a time earlier than the one before is on the next day
                clock.date = clock.date.addDays(1);
            clock.time = utc;
            session.clockReading(clock.current());
            if (q.newSubTour)
                session.offerSubTour();
            const int row = session.currentRow();
            EXPECT_EQ(enter(session, q), q.refusal);
            if (q.refusal == Refusal::None && q.points) {
                EXPECT_EQ(session.contacts().cell(row, logbook::Points), QString::fromUtf8(q.points));
            }
        }
        const session::StatusFigures figures = session.status(clock.current());
        EXPECT_EQ(figures.multipliers.value_or(0), log.multipliers);
        EXPECT_EQ(figures.score, log.claimedScore);
        ASSERT_TRUE(QDir::setCurrent(QStringLiteral("..")));
    }
}
