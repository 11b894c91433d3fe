// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Cabrillo.h"
#include "scoring/ContestDate.h"
#include "scoring/ExportText.h"
#include "tests/support/BuiltInContests.h"

#include <gtest/gtest.h>

using namespace scoring;
using logbook::Contact;

namespace {

Contact contact(const char* time, const char* bandMode = "20SSB")
{
    Contact r;
    r.fields[logbook::Time] = QString::fromLatin1(time);
    r.fields[logbook::BandMode] = QString::fromLatin1(bandMode);
    r.fields[logbook::Call] = QStringLiteral("UA9ABC");
    return r;
}

} // namespace

TEST(ContestDate, TakesTheFourFormatsAndRefusesTheRest)
{
    struct Case
    {
        const char* text;
        QDate expected; // invalid: refused
    };
    const Case cases[] = {
        {"01.02.2024", QDate(2024, 2, 1)}, {"1.2.2024", QDate(2024, 2, 1)},   {"31.12.2024", QDate(2024, 12, 31)},
        {"01.02.24", QDate(2024, 2, 1)},   {"2024-02-01", QDate(2024, 2, 1)}, {" 29.02.2024 ", QDate(2024, 2, 29)},
        {"29.02.2023", QDate()},           {"32.01.2024", QDate()},           {"01.13.2024", QDate()},
        {"2024-2-1", QDate()},             {"01/02/2024", QDate()},           {"01.02.202", QDate()},
        {"1 февраля", QDate()},            {"01.02.2024г", QDate()},          {"2024-02-30", QDate()},
    };
    for (const Case& c : cases) {
        const std::optional<QDate> date = parseContestDate(QString::fromUtf8(c.text));
        EXPECT_EQ(date.value_or(QDate()), c.expected) << c.text;
    }
    EXPECT_TRUE(contestDateRefusal(QStringLiteral("32.01")).contains(QStringLiteral("\"Дата\"")));
}

TEST(ContestDate, AnEarlierTimeThanTheOneBeforeIsTheNextDay)
{
    const QVector<Contact> rows = {contact("23:58"), contact("23:58"), Contact(), contact("00:01"),
                                     contact("9:30"),  contact("00:00"), contact("00:01")};
    const DatedLog log = datedContacts({rows, QTimeZone::utc()}, QDate(2024, 12, 31));
    const QVector<int> expectedRows = {1, 2, 4, 5, 6, 7};
    const QVector<QDate> expectedDates = {QDate(2024, 12, 31), QDate(2024, 12, 31), QDate(2025, 1, 1),
                                          QDate(2025, 1, 1),   QDate(2025, 1, 2),   QDate(2025, 1, 2)};
    ASSERT_EQ(log.contacts.size(), expectedRows.size());
    for (int i = 0; i < expectedRows.size(); ++i) {
        EXPECT_EQ(log.contacts[i].row, expectedRows[i]) << i;
        EXPECT_EQ(log.contacts[i].utc.date(), expectedDates[i]) << i;
    }
    EXPECT_EQ(log.contacts[3].utc.time(), QTime(9, 30));
    EXPECT_TRUE(log.unreadableRows.isEmpty());
}

TEST(ContestDate, RowsWithoutATimeOrBandAreSetAsideAndDoNotMoveTheDay)
{
    const QVector<Contact> rows = {contact("22:00"), contact("24:00"), contact("", "20CW"), contact("01:00", "30CW"),
                                     contact("23:00")};
    const DatedLog log = datedContacts({rows, QTimeZone::utc()}, QDate(2024, 2, 1));
    EXPECT_EQ(log.unreadableRows, (QVector<int> {2, 3, 4}));
    ASSERT_EQ(log.contacts.size(), 2);
    EXPECT_EQ(log.contacts[1].utc.date(), QDate(2024, 2, 1));
}

TEST(ExportText, TransliteratesToAscii)
{
    const char* cases[][2] = {
        {"UA9XX/P 15001", "UA9XX/P 15001"},
        {"Щукин Юрий Ильич", "Shchukin Iurii Ilich"},
        {"ЖУКОВ Жуков", "ZHUKOV Zhukov"},
        {"Ёлка ХЦЧШЪЫЭЯ", "Elka KHTSCHSHIEYEIA"},
        {"«Сибирь» — №1", "\"Sibir\" - N1"},
        {"é\t😀", "? ?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(asciiText(QString::fromUtf8(c[0])), QString::fromLatin1(c[1])) << c[0];
}

TEST(ExportText, ContestNamesAndLocators)
{
    EXPECT_EQ(exportContestName(builtInContest(QStringLiteral("Чемпионат РА"))), QStringLiteral("RUS-RA-CHAMP"));
    EXPECT_EQ(exportContestName(nullptr), QStringLiteral("OTHER"));
    for (const char* good : {"NO14", "NO14AB", "no14ab", "AA00", "RR99XX"})
        EXPECT_TRUE(isGridLocator(QString::fromLatin1(good))) << good;
    for (const char* bad : {"", "NO1", "NO14A", "SO14", "NO14AY", "1O14", "NO14AB12", "NO14\n"})
        EXPECT_FALSE(isGridLocator(QString::fromLatin1(bad))) << bad;
}
