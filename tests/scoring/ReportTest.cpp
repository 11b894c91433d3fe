// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Cp1251.h"
#include "log/ContactLog.h"
#include "scoring/Report.h"
#include "setup/StationSettings.h"
#include "tests/support/BuiltInContests.h"
#include "tests/support/FakeSettings.h"
#include "tests/support/WorkDir.h"

#include <QDir>

using namespace scoring;
using logbook::Contact;

namespace {

const QString kRa = QStringLiteral("Чемпионат РА");
const QString kAsia = QStringLiteral("Чемпионат Азиатской части РФ");

FakeSettings station(const QString& callSign, const QString& variant)
{
    FakeSettings s;
    s.lines[setup::Surname] = QStringLiteral("Иванов");
    s.lines[setup::FirstName] = QStringLiteral("Иван");
    s.lines[setup::Patronymic] = QStringLiteral("Иванович");
    s.lines[setup::BirthYear] = QStringLiteral("1970");
    s.lines[setup::CallSign] = callSign;
    s.lines[setup::SportsRank] = QStringLiteral("КМС");
    s.lines[setup::EmailPhone] = QStringLiteral("ua9xyz@example.ru");
    s.lines[setup::HomeAddress] = QStringLiteral("Новосибирск, ул. Ленина, 1");
    s.lines[setup::Transceiver] = QStringLiteral("FT-1000");
    const QStringList antennas = {QStringLiteral("DIPOLE"),   QStringLiteral("INV V"),    QStringLiteral("DELTA"),
                                  QStringLiteral("YAGI 3EL"), QStringLiteral("YAGI 4EL"), QStringLiteral("YAGI 5EL")};
    for (int b = 0; b < antennas.size(); ++b)
        s.lines[setup::Antenna160 + b] = antennas[b];
    s.lines[setup::Coordinates] = QStringLiteral("15");
    s.lines[setup::Computer] = QStringLiteral("PC");
    s.lines[setup::StationCategory] = QStringLiteral("A");
    s.lines[setup::ContestDate] = QStringLiteral("01.02.2024");
    s.lines[setup::ContestVariant] = variant;
    s.lines[setup::Locator] = QStringLiteral("NO14");
    s.lines[setup::RegionName] = QStringLiteral("Новосибирская обл.");
    s.lines[setup::RegionCode] = QStringLiteral("NS");
    s.lines[setup::RadioClub] = QStringLiteral("Радиоклуб 1");
    return s;
}

Contact row(const char* time, const char* bandMode, const char* change, const char* call, const char* sent,
              const char* received, const char* points)
{
    Contact r;
    r.fields = {QString::fromLatin1(time), QString::fromLatin1(bandMode), QString::fromLatin1(change),
                QString::fromLatin1(call),  QString::fromLatin1(sent),     QString::fromLatin1(received),
                QString::fromLatin1(points)};
    return r;
}

const QVector<Contact> kRa10 = {
    row("10:00", "160SSB", "1", "UA9ABC", "15001", "GA1234", "1+"),
    row("10:01", "160SSB", "1", "RA9ABCDEFGH", "15002", "14005", "1"),
    row("10:02", "80SSB", "2", "UA0A", "15003", "GA15777", "1+"),
    row("10:03", "80SSB", "2", "R9X", "15004", "12345678901", "1"),
    row("10:04", "40SSB", "3", "UA9ABC", "15005", "GA22", "1+"),
    row("10:05", "40SSB", "3", "UA1AAA", "15006", "17", "1"),
    row("10:06", "20SSB", "4", "RW9A", "15007", "", "1"),
    row("10:07", "20SSB", "4", "UA9ABC", "15008", "32012", "1"),
    row("10:08", "15SSB", "10", "RK9AAA", "15009", "32013", "1"),
    row("10:09", "10SSB", "10", "UA9BBB", "15010", "32014", "1"),
};
const QVector<Contact> kRa5 = {kRa10[1], kRa10[3], kRa10[5], kRa10[6], kRa10[7]};
const QVector<Contact> kAsiaRows = {
    row("11:00", "20CW", "", "UA9ABC", "15001", "32001", "2"),
    row("11:01", "20CW", "", "RA9AB", "15002", "33002", "3"),
    row("11:02", "20CW", "", "RW9C", "15003", "AB003", ""),
    row("11:03", "20CW", "", "RK9D", "15004", "55004", "5"),
};
const QVector<Contact> kOthersRows = {
    row("12:00", "40CW", "1", "UA9ABC", "15001", "32001", "0"),
    row("12:01", "40CW", "1", "RA9AB", "15002", "33002", "5"),
    row("12:02", "20CW", "2", "RW9C", "15003", "GA003", "1+"),
};

QByteArray golden(const QString& name)
{
    QFile f(QStringLiteral(KVL_TEST_DATA "/report/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

// Both texts as lines, so a difference shows where it is.
void expectSameText(const QByteArray& actual, const QByteArray& expected, const QString& what)
{
    const QStringList a = logbook::cp1251::decode(actual).split(QStringLiteral("\r\n"));
    const QStringList e = logbook::cp1251::decode(expected).split(QStringLiteral("\r\n"));
    for (int i = 0; i < qMax(a.size(), e.size()); ++i)
        EXPECT_EQ(a.value(i, QStringLiteral("<none>")), e.value(i, QStringLiteral("<none>")))
            << what.toStdString() << " line " << i;
    EXPECT_EQ(actual, expected) << what.toStdString();
}

class ReportTest : public WorkDirTest
{
protected:
    void expectGoldenReport(const QVector<Contact>& rows, const QString& mode, const FakeSettings& settings,
                            const QString& golden_)
    {
        const ReportFileNames names = CreateReport(rows, mode, settings, builtInContest(settings.contestVariant())).names;
        expectSameText(readFile(names.log), golden(golden_ + QStringLiteral(".log")), names.log);
        expectSameText(readFile(names.sum), golden(golden_ + QStringLiteral(".sum")), names.sum);
    }
};

} // namespace

TEST_F(ReportTest, MatchesTheGoldenFiles)
{
    struct Case
    {
        const QVector<Contact>* rows;
        QString variant;
        QString mode;
        QString golden;
    };
    const QVector<Contact> none;
    const Case cases[] = {
        {&kRa10, kRa, QStringLiteral("ssb"), QStringLiteral("ra10")},
        {&kRa5, kRa, QStringLiteral("ssb"), QStringLiteral("ra5")},
        {&kAsiaRows, kAsia, QStringLiteral("cw"), QStringLiteral("asia")},
        {&kOthersRows, QStringLiteral("Others"), QStringLiteral("cw"), QStringLiteral("others")},
    };
    for (const Case& c : cases)
        expectGoldenReport(*c.rows, c.mode, station(QStringLiteral("UA9XYZ"), c.variant), c.golden);
    EXPECT_TRUE(QFile::exists(QStringLiteral("UA9XYZ.log")));
}

TEST_F(ReportTest, NoContactsAndNoCallSignWriteDotLogAndDotSum)
{
    expectGoldenReport({}, QStringLiteral("ssb"), station(QString(), kRa), QStringLiteral("empty"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(".log")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(".sum")));
}

TEST_F(ReportTest, EachWriteReplacesBothFiles)
{
    CreateReport(kRa10, QStringLiteral("ssb"), station(QStringLiteral("UA9XYZ"), kRa), builtInContest(kRa));
    expectGoldenReport(kRa5, QStringLiteral("ssb"), station(QStringLiteral("UA9XYZ"), kRa), QStringLiteral("ra5"));
}

TEST_F(ReportTest, AnExistingFileOfAnotherCaseIsReplaced)
{
    writeFile(QStringLiteral("ua9xyz.log"), "old");
    CreateReport(kRa5, QStringLiteral("ssb"), station(QStringLiteral("UA9XYZ"), kRa), builtInContest(kRa));
    EXPECT_EQ(readFile(QStringLiteral("ua9xyz.log")), golden(QStringLiteral("ra5.log")));
    EXPECT_EQ(QDir().entryList({QStringLiteral("*.log")}, QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(ReportTest, TotalsFollowTheVariant)
{
    struct Case
    {
        QVector<Contact> rows;
        QString variant;
        int contacts;
        int plusCount;
        qint64 claimed;
    };
    const Case cases[] = {
        {{}, QStringLiteral("Others"), 0, 0, 0},
        {{}, kRa, 0, 1, 0},
        {{}, kAsia, 0, 0, 0},
        {kRa10, kRa, 10, 3, 30},
        {kRa5, kRa, 5, 1, 5},
        {kRa10, QStringLiteral("Others"), 10, 3, 0},
        {kRa10, QString(), 10, 3, 0},
        {kAsiaRows, kAsia, 4, 0, 10},
        {kOthersRows, kAsia, 3, 1, 5}, // "1+" is no integer: it counts 0
        {{row("", "", "", "R1A", "", "", "-3"), row("", "", "", "R2A", "", "", " 4"), row("", "", "", "R3A", "", "", "12")},
         kAsia, 3, 0, 9},
        // A row without a call is no contact, whatever its points cell holds.
        {{row("", "", "", "R1A", "", "", "1+"), row("10:01", "20SSB", "", " ", "", "", "1+"), row("", "", "", "R3A", "", "", "1+")},
         kRa, 2, 2, 4},
    };
    for (const Case& c : cases) {
        const ReportTotals t = reportTotals(c.rows, builtInContest(c.variant));
        EXPECT_EQ(t.contacts, c.contacts) << c.variant.toStdString();
        EXPECT_EQ(t.plusCount, c.plusCount) << c.variant.toStdString() << " " << c.contacts;
        EXPECT_EQ(t.claimedScore, c.claimed) << c.variant.toStdString() << " " << c.contacts;
    }
}

// A contest of multipliers fills the paper form's points and "coordinates"
// lines with its points and multipliers, a repeat bringing none.
TEST_F(ReportTest, TheSummarySheetOfAContestOfMultipliers)
{
    ContestDescription contest;
    contest.multipliers = {{MultiplierKind::Call, {}}};
    contest.claim = ClaimKind::SumTimesMultipliers;
    QVector<Contact> rows = {row("", "", "", "R1A", "", "", "10"), row("", "", "", "R2A", "", "", "15"),
                             row("", "", "", "R1A", "", "", "0")};
    rows[0].multipliers = 2;
    rows[1].multipliers = 1;
    rows[2].repeat = true;
    rows[2].multipliers = 1; // a stale mark on a repeat counts nothing
    const QStringList sheet = summarySheetText(station(QStringLiteral("UA9XYZ"), QString()), reportTotals(rows, &contest),
                                               QString())
                                  .split(QStringLiteral("\r\n"));
    EXPECT_TRUE(sheet[37].endsWith(QStringLiteral(" 25"))) << sheet[37].toStdString();
    EXPECT_TRUE(sheet[38].endsWith(QStringLiteral(" 3"))) << sheet[38].toStdString();
    EXPECT_TRUE(sheet[41].endsWith(QStringLiteral(" 75"))) << sheet[41].toStdString();
}

TEST_F(ReportTest, BandChangesReachedIsTheHighestCount)
{
    struct Case
    {
        QStringList cells;
        QString expected;
    };
    const Case cases[] = {
        {{}, QString()},
        {{QString(), QString()}, QString()},
        {{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2")}, QStringLiteral("3")},
        {{QStringLiteral("9"), QStringLiteral("10")}, QStringLiteral("10")},
        {{QStringLiteral("x"), QStringLiteral("2"), QString()}, QStringLiteral("2")},
    };
    for (const Case& c : cases) {
        QVector<Contact> rows;
        for (const QString& cell : c.cells) {
            Contact r;
            r.fields[logbook::QsoField::BandChange] = cell;
            rows.append(r);
        }
        EXPECT_EQ(bandChangesReached(rows), c.expected) << c.cells.join(QLatin1Char(',')).toStdString();
    }
}

TEST_F(ReportTest, ContactLinesPadTheirColumns)
{
    struct Case
    {
        Contact row;
        QString line;
    };
    const Case cases[] = {
        {row("10:00", "20CW", "", "UA9ABC", "15001", "32001", "5"),
         QStringLiteral("10:00  20CW           UA9ABC      15001     32001       5")},
        {row("10:00", "160SSB", "123", "RA9ABCDEFGH", "151234567", "12345678901", "1+"),
         QStringLiteral("10:00  160SSB  123     RA9ABCDEFGH 151234567  12345678901 1+")},
        {row("10:00", "10SSB", "7", "RA9ABCDEFGHIJ", "1", "123456789012345", ""),
         QStringLiteral("10:00  10SSB   7      RA9ABCDEFGHIJ1         123456789012345")},
    };
    for (const Case& c : cases) {
        const QStringList lines = reportLogText({c.row}, kRa, QStringLiteral("cw"), QStringLiteral("X"), {})
                                      .split(QStringLiteral("\r\n"));
        ASSERT_GT(lines.size(), 8);
        EXPECT_EQ(lines[8].toStdString(), c.line.toStdString());
    }
}

TEST_F(ReportTest, LoggedRowsAreTheGridRowsBeforeTheCurrentRow)
{
    logbook::ContactLog grid;
    grid.setContact(1, kRa10[0]);
    grid.setContact(2, kRa10[1]);
    grid.setContact(3, kRa10[2]);
    const QVector<Contact> rows = loggedRows(grid, 3);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], kRa10[0]);
    EXPECT_EQ(rows[1], kRa10[1]);
    EXPECT_TRUE(loggedRows(grid, 1).isEmpty());
}

TEST_F(ReportTest, EachFileIsTriedOnItsOwnAndAFailureNamesIt)
{
    QDir().mkdir(QStringLiteral("UA9DIR.log"));
    const QStringList failures =
        CreateReport(kRa5, QStringLiteral("ssb"), station(QStringLiteral("UA9DIR"), kRa), builtInContest(kRa)).failures;
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].startsWith(QStringLiteral("Cannot create file UA9DIR.log: "))) << failures[0].toStdString();
    EXPECT_TRUE(QFile::exists(QStringLiteral("UA9DIR.sum")));
}

TEST_F(ReportTest, PortableCallsNameTheFilesWithASafeStemAndKeepTheCallInside)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("UA9XX/P"), QStringLiteral("UA9XX_P")},
        {QStringLiteral("R9AA/9"), QStringLiteral("R9AA_9")},
        {QStringLiteral("A\\B:C*D?E\"F<G>H|I\tJ"), QStringLiteral("A_B_C_D_E_F_G_H_I_J")},
        {QString(), QString()},
    };
    for (const auto& [call, stem] : cases) {
        const ReportFileNames names =
            CreateReport(kRa5, QStringLiteral("ssb"), station(call, kRa), builtInContest(kRa)).names;
        EXPECT_EQ(names.log, stem + QStringLiteral(".log"));
        EXPECT_EQ(names.sum, stem + QStringLiteral(".sum"));
        const QString log = logbook::cp1251::decode(readFile(names.log));
        EXPECT_TRUE(log.contains(QStringLiteral("Позывной: ") + call + QStringLiteral("\r\n"))) << stem.toStdString();
        EXPECT_TRUE(QFile::exists(names.sum) && logbook::cp1251::decode(readFile(names.sum)).contains(call))
            << stem.toStdString();
    }
}
