// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ExportText.h"
#include "scoring/Exports.h"
#include "setup/StationSettings.h"
#include "tests/scoring/AdifReader.h"
#include "tests/support/BuiltInContests.h"
#include "tests/support/FakeSettings.h"
#include "tests/support/WorkDir.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>

using namespace scoring;
using logbook::Contact;

namespace {

const QString kRa = QStringLiteral("Чемпионат РА");
const QString kAsia = QStringLiteral("Чемпионат Азиатской части РФ");
const QString kOthers = QStringLiteral("Others");
const QDateTime kCreated(QDate(2024, 2, 2), QTime(3, 4, 5), Qt::UTC);

FakeSettings station(const QString& call, const QString& variant, const QString& date)
{
    FakeSettings s;
    s.lines[setup::Surname] = QStringLiteral("Щукин");
    s.lines[setup::FirstName] = QStringLiteral("Юрий");
    s.lines[setup::Patronymic] = QStringLiteral("Ильич");
    s.lines[setup::CallSign] = call;
    s.lines[setup::EmailPhone] = QStringLiteral("+7 913 000-00-00, ua9xyz@example.ru");
    s.lines[setup::HomeAddress] =
        QStringLiteral("630000, Новосибирская область, г. Новосибирск, ул. Красный проспект, д. 100, кв. 25");
    s.lines[setup::ContestDate] = date;
    s.lines[setup::ContestVariant] = variant;
    s.lines[setup::Locator] = QStringLiteral("NO14");
    s.lines[setup::RadioClub] = QStringLiteral("Радиоклуб «Сибирь»");
    return s;
}

Contact row(const char* time, const char* bandMode, const char* change, const char* call, const char* sent,
              const char* received, const char* points)
{
    Contact r;
    r.fields = {QString::fromUtf8(time), QString::fromUtf8(bandMode), QString::fromUtf8(change),
                QString::fromUtf8(call), QString::fromUtf8(sent),     QString::fromUtf8(received),
                QString::fromUtf8(points)};
    return r;
}

struct GoldenCase
{
    const char* golden;
    FakeSettings settings;
    QVector<Contact> rows;
    const char* fileStem;
    int contacts;
};

QVector<GoldenCase> goldenCases()
{
    FakeSettings portable = station(QStringLiteral("UA9XX/P"), kRa, QStringLiteral("01.02.2024"));
    portable.lines[setup::EmailPhone] = QStringLiteral("+7 913 000-00-00");
    portable.lines[setup::Locator] = QStringLiteral("NO14AB");
    FakeSettings cyrillic = station(QStringLiteral("UA9XYZ"), kOthers, QStringLiteral("01.02.2024"));
    cyrillic.lines[setup::Locator] = QStringLiteral("NO1");
    return {
        {"mixed", station(QStringLiteral("UA9XYZ"), kRa, QStringLiteral("01.02.2024")),
         {row("10:00", "160SSB", "1", "UA9ABC", "15001", "GA1234", "1+"),
          row("10:05", "160CW", "1", "RA9AB", "15002", "NS005", "1"),
          row("10:20", "80SSB", "2", "UA0A", "15003", "GA15777", "1+"),
          row("10:31", "80CW", "2", "R9X", "15004", "", "1"),
          row("11:02", "20SSB", "3", "RW9A", "15005", "32012", "1"),
          row("11:40", "10CW", "4", "UA9BBB", "15006", "TU017", "1")},
         "UA9XYZ", 6},
        {"midnight", station(QStringLiteral("UA9XYZ"), kAsia, QStringLiteral("2024-12-31")),
         {row("23:58", "40CW", "", "UA9ABC", "15001", "32001", "2"),
          row("23:59", "40CW", "", "RA9AB", "15002", "33002", "3"),
          row("00:01", "40CW", "", "RW9C", "15003", "34003", "4"),
          row("00:01", "20CW", "", "RK9D", "15004", "55004", "5"),
          row("00:30", "20CW", "", "UA0QQ", "15005", "17005", "3")},
         "UA9XYZ", 5},
        {"deleted", station(QStringLiteral("UA9XYZ"), kOthers, QStringLiteral("5.3.24")),
         {row("12:00", "40CW", "1", "UA9ABC", "15001", "32001", "0"), Contact(),
          row("12:02", "20CW", "2", "RW9C", "15003", "GA003", "1+")},
         "UA9XYZ", 2},
        {"portable", portable,
         {row("09:00", "15SSB", "1", "UA9ABC", "15001", "NS001", "1"),
          row("09:01", "15SSB", "1", "RA3AAA", "15002", "MO002", "1+")},
         "UA9XX_P", 2},
        {"cyrillic", cyrillic,
         {row("14:00", "20SSB", "1", "UA9ABC", "15001", "ГА12", "1"),
          row("14:01", "20SSB", "1", "RA9AB", "15002", "Щука 5", "1"),
          row("14:02", "20CW", "1", "RW9C", "15003", "№7", "1")},
         "UA9XYZ", 3},
        {"empty", station(QStringLiteral("UA9XYZ"), kRa, QStringLiteral("01.02.2024")), {}, "UA9XYZ", 0},
    };
}

// A log kept before stamps, its time cells in UTC: the golden files read as the log does.
ExportLog legacy(const QVector<Contact>& rows)
{
    return {rows, QTimeZone::utc()};
}

QByteArray golden(const QString& name)
{
    QFile f(QStringLiteral(KVL_TEST_DATA "/export/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

// Line by line first, so that a difference shows where it is.
void expectSameText(const QByteArray& actual, const QByteArray& expected, const QString& what)
{
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < qMax(a.size(), e.size()); ++i)
        EXPECT_EQ(a.value(i, "<none>"), e.value(i, "<none>")) << what.toStdString() << " line " << i;
    EXPECT_EQ(actual, expected) << what.toStdString();
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every QSO: line against the Cabrillo 3.0 template: freq mo date time
// call-sent exch-sent call-rcvd exch-rcvd, single spaces between tokens.
void expectCabrilloShape(const QByteArray& bytes, const GoldenCase& c)
{
    static const QRegularExpression qso(QStringLiteral(
        "^QSO: (1800|3500|7000|14000|21000|28000) (PH|CW) \\d{4}-\\d{2}-\\d{2} ([01]\\d|2[0-3])[0-5]\\d( [!-~]+){4}$"));
    const QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.first(), QStringLiteral("START-OF-LOG: 3.0"));
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("END-OF-LOG:"));
    EXPECT_TRUE(lines.last().isEmpty()) << "the last line ends";
    int qsoLines = 0;
    for (const QString& line : lines) {
        if (!line.startsWith(QStringLiteral("QSO:")))
            continue;
        ++qsoLines;
        EXPECT_TRUE(qso.match(line).hasMatch()) << c.golden << ": " << line.toStdString();
        EXPECT_EQ(line.split(QLatin1Char(' '))[5], c.settings.callSign()) << line.toStdString();
    }
    EXPECT_EQ(qsoLines, c.contacts) << c.golden;
}

void expectAdifReadsBack(const QByteArray& bytes, const GoldenCase& c)
{
    const adifreader::AdifFile file = adifreader::readAdif(bytes);
    ASSERT_TRUE(file.error.isEmpty()) << c.golden << ": " << file.error.toStdString();
    EXPECT_TRUE(file.header.contains("ADIF_VER") && file.header.contains("PROGRAMID")
                && file.header.contains("CREATED_TIMESTAMP"));
    ASSERT_EQ(file.records.size(), c.contacts) << c.golden;
    int record = 0;
    for (const Contact& r : c.rows) {
        if (r == Contact())
            continue;
        const adifreader::Fields& f = file.records[record++];
        EXPECT_EQ(f.value("CALL"), r.fields[logbook::Call].toLatin1());
        EXPECT_EQ(f.value("STATION_CALLSIGN"), c.settings.callSign().toLatin1());
        for (const char* name : {"QSO_DATE", "TIME_ON", "BAND", "MODE", "STX_STRING", "CONTEST_ID"})
            EXPECT_TRUE(f.contains(name)) << c.golden << " record " << record << " lacks " << name;
    }
}

using ExportsTest = WorkDirTest;

} // namespace

TEST_F(ExportsTest, WritesBothFormatsAsTheGoldenFilesAndAnIndependentReaderAcceptsThem)
{
    for (const GoldenCase& c : goldenCases()) {
        SCOPED_TRACE(c.golden);
        const ExportResult result =
            CreateExports(legacy(c.rows), c.settings, builtInContest(c.settings.contestVariant()), {}, kCreated);
        const QString stem = QString::fromLatin1(c.fileStem);
        EXPECT_EQ(result.written, QStringList({stem + QStringLiteral(".cbr"), stem + QStringLiteral(".adi")}));
        EXPECT_TRUE(result.messages.isEmpty()) << result.messages.join(QLatin1Char('\n')).toStdString();
        const QByteArray cbr = readFile(stem + QStringLiteral(".cbr"));
        const QByteArray adi = readFile(stem + QStringLiteral(".adi"));
        EXPECT_TRUE(isAscii(cbr) && isAscii(adi));
        expectSameText(cbr, golden(QString::fromLatin1(c.golden) + QStringLiteral(".cbr")), stem + ".cbr");
        expectSameText(adi, golden(QString::fromLatin1(c.golden) + QStringLiteral(".adi")), stem + ".adi");
        expectCabrilloShape(cbr, c);
        expectAdifReadsBack(adi, c);
    }
}

TEST_F(ExportsTest, AnEmptyDateWritesNothingAndABadOneSaysSoOnce)
{
    const QVector<Contact> rows = goldenCases().first().rows;
    for (const char* date : {"", "   ", "32.01.2024", "2024/02/01"}) {
        const FakeSettings s = station(QStringLiteral("UA9XYZ"), kRa, QString::fromLatin1(date));
        const ExportResult result = CreateExports(legacy(rows), s, builtInContest(kRa), {}, kCreated);
        EXPECT_TRUE(result.written.isEmpty()) << date;
        EXPECT_TRUE(QDir().entryList(QDir::Files).isEmpty()) << date;
        if (QString::fromLatin1(date).trimmed().isEmpty()) {
            EXPECT_TRUE(result.messages.isEmpty()) << date;
            writeFile(QStringLiteral("UA9XYZ.adi"), "an earlier exit's"); // now it would be taken for this log's
            const QStringList said = CreateExports(legacy(rows), s, builtInContest(kRa), {}, kCreated).messages;
            QFile::remove(QStringLiteral("UA9XYZ.adi"));
            ASSERT_EQ(said.size(), 1) << date;
            EXPECT_TRUE(said[0].contains(QStringLiteral("UA9XYZ.adi")) && said[0].contains(QStringLiteral("\"Дата\"")));
            continue;
        }
        ASSERT_EQ(result.messages.size(), 1) << date;
        EXPECT_TRUE(result.messages[0].contains(QStringLiteral("\"Дата\"")));
        EXPECT_TRUE(result.messages[0].contains(QStringLiteral("дд.мм.гггг, д.м.гггг, дд.мм.гг или гггг-мм-дд")));
    }
}

TEST_F(ExportsTest, AFailedFileIsNamedAndTheOtherIsStillWritten)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("UA9XYZ.cbr")));
    const GoldenCase c = goldenCases().first();
    const ExportResult result = CreateExports(legacy(c.rows), c.settings, builtInContest(kRa), {}, kCreated);
    EXPECT_EQ(result.written, QStringList {QStringLiteral("UA9XYZ.adi")});
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_TRUE(result.messages[0].startsWith(QStringLiteral("Cannot create file UA9XYZ.cbr: ")));
    EXPECT_EQ(readFile(QStringLiteral("UA9XYZ.adi")), golden(QStringLiteral("mixed.adi")));
}

TEST_F(ExportsTest, ContactsWithoutATimeOrBandAreLeftOutAndListed)
{
    QVector<Contact> rows = goldenCases().first().rows;
    rows[1].fields[logbook::BandMode] = QStringLiteral("30CW");
    rows[3].fields[logbook::Time] = QStringLiteral("10.31");
    const GoldenCase c = goldenCases().first();
    const ExportResult result = CreateExports(legacy(rows), c.settings, builtInContest(kRa), {}, kCreated);
    EXPECT_EQ(result.written.size(), 2);
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_TRUE(result.messages[0].startsWith(QStringLiteral("Связи 2, 4 без читаемого времени или диапазона")));
    EXPECT_EQ(adifreader::readAdif(readFile(QStringLiteral("UA9XYZ.adi"))).records.size(), 4);
}

// The same UTC instants, logged under two time zones across local midnight:
// stamped, unstamped (dated from "Дата") or mixed, both zones give the same files.
TEST_F(ExportsTest, LogsKeptInMoscowAndNovosibirskTimeGiveTheSameUtcFiles)
{
    const QDateTime instants[] = {QDateTime({2024, 2, 1}, {20, 50, 10}, QTimeZone::utc()),
                                  QDateTime({2024, 2, 1}, {21, 10}, QTimeZone::utc()),
                                  QDateTime({2024, 2, 2}, {2, 14}, QTimeZone::utc())};
    QMap<int, QByteArray> files; // by the first stamped row
    for (const char* zoneName : {"Europe/Moscow", "Asia/Novosibirsk"}) {
        const QTimeZone zone(zoneName);
        ASSERT_TRUE(zone.isValid()) << zoneName;
        for (const int firstStamped : {0, 1, 3}) {
            ExportLog log {{}, zone};
            for (int i = 0; i < 3; ++i) {
                const QDateTime local = instants[i].toTimeZone(zone);
                log.rows << row(qPrintable(local.toString(QStringLiteral("hh:mm"))), "20CW", "", "UA9ABC", "1", "2", "1");
                if (i >= firstStamped)
                    log.rows.back().stamp = logbook::ContactStamp::at(local, 14025600, 1, true);
            }
            const QString date = instants[0].toTimeZone(zone).date().toString(QStringLiteral("dd.MM.yyyy"));
            CreateExports(log, station(QStringLiteral("UA9XYZ"), kRa, date), builtInContest(kRa), {}, kCreated);
            const QByteArray both = readFile(QStringLiteral("UA9XYZ.cbr")) + readFile(QStringLiteral("UA9XYZ.adi"));
            if (files.contains(firstStamped)) {
                EXPECT_EQ(both, files[firstStamped]) << zoneName << " " << firstStamped;
            }
            files[firstStamped] = both;
        }
    }
    EXPECT_TRUE(files[3].contains("QSO: 14000 CW 2024-02-01 2110 ") && files[3].contains("2024-02-02 0214 "));
    EXPECT_TRUE(files[3].contains("<QSO_DATE:8>20240202 <TIME_ON:4>0214 <BAND:3>20m <MODE:2>CW <STX"));
    EXPECT_TRUE(files[0].contains("QSO: 14025 CW 2024-02-01 2050 ") && files[0].contains("<FREQ:7>14.0256 "));
    EXPECT_TRUE(files[1].contains("QSO: 14000 CW 2024-02-01 2050 ") && files[1].contains("QSO: 14025 CW 2024-02-01 2110 "));
}

TEST_F(ExportsTest, TheCabrilloHeaderAsContestRobotsReadIt)
{
    FakeSettings s = station(QStringLiteral("UA9XYZ  "), kRa, QStringLiteral("01.02.2024"));
    s.lines[setup::HomeAddress] = QStringLiteral("1, 2, 3, 4, 5, 6, 7,, 8");
    const QVector<Contact> rows = {row("10:00", "20SSB", "", "UA9ABC", "15001", "GA1", "1+"),
                                     row("10:01", "20CW", "", "", "15002", "", "1+"), // no call: no contact
                                     row("10:02", "20CW", "", "RA9AB", "15003", "GA3", "1")};
    CreateExports(legacy(rows), s, builtInContest(kRa), {QStringLiteral("RDXC"), QStringLiteral("LOW")}, kCreated);
    const QString cbr = QString::fromLatin1(readFile(QStringLiteral("UA9XYZ.cbr")));
    for (const QString& line : {QStringLiteral("CALLSIGN: UA9XYZ"), QStringLiteral("CONTEST: RDXC"),
                                QStringLiteral("CATEGORY-OPERATOR: SINGLE-OP"), QStringLiteral("CATEGORY-BAND: 20M"),
                                QStringLiteral("CATEGORY-MODE: MIXED"), QStringLiteral("CATEGORY-TRANSMITTER: ONE"),
                                QStringLiteral("CATEGORY-ASSISTED: NON-ASSISTED"), QStringLiteral("CATEGORY-POWER: LOW"),
                                QStringLiteral("CLAIMED-SCORE: 2"), QStringLiteral("ADDRESS: 6, 7, 8"),
                                QStringLiteral("CREATED-BY: KVL ") + programVersion()})
        EXPECT_TRUE(cbr.contains(QStringLiteral("\r\n") + line + QStringLiteral("\r\n"))) << line.toStdString();
    EXPECT_EQ(cbr.count(QStringLiteral("ADDRESS: ")), 6);
    EXPECT_EQ(cbr.count(QStringLiteral("QSO: ")), 2);
    CreateExports(legacy(rows), s, builtInContest(kRa), {QString(), QString(), true}, kCreated);
    EXPECT_TRUE(readFile(QStringLiteral("UA9XYZ.cbr")).contains("\r\nCATEGORY-ASSISTED: ASSISTED\r\n"));
}

// A contest that names its exchange has its fields as the QSO: line's
// columns, a missing one "-", words past the last field joined to it.
TEST_F(ExportsTest, TheQsoLinesCarryTheExchangesFieldsInOrder)
{
    ContestDescription cfo;
    cfo.cabrillo = QStringLiteral("CFO");
    cfo.sent = cfo.received = readExchangeForm(QStringLiteral("rst serial locator4")).form;
    const QVector<Contact> rows = {row("10:00", "80SSB", "", "UA3AAA", "59 001 KO85", "59 007 KO73", "1"),
                                   row("10:02", "80SSB", "", "RA3BB", "59 002 KO85", "59 8", "1"),
                                   row("10:04", "80SSB", "", "RA3CC", "59 003 KO85", "59 9 KO 82", "1")};
    CreateExports(legacy(rows), station(QStringLiteral("UA3XYZ"), kRa, QStringLiteral("01.02.2024")), &cfo, {},
                  kCreated);
    const QString cbr = QString::fromLatin1(readFile(QStringLiteral("UA3XYZ.cbr")));
    for (const char* line : {" UA3XYZ 59 001 KO85 UA3AAA 59 007 KO73\r\n", " UA3XYZ 59 002 KO85 RA3BB 59 8 -\r\n",
                             " UA3XYZ 59 003 KO85 RA3CC 59 9 KO82\r\n"})
        EXPECT_TRUE(cbr.contains(QLatin1String(line))) << line;
}
