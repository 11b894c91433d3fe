// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileNames.h"
#include "common/KvlError.h"
#include "log/BandTable.h"
#include "log/ContactExtras.h"
#include "log/ContactLog.h"
#include "log/Logbook.h"
#include "tests/support/WorkDir.h"

#include <QDir>
#include <QTimeZone>
#include <optional>

using namespace logbook;

namespace {

Contact contact(int n)
{
    Contact r;
    r.fields = {QStringLiteral("10:%1").arg(n, 2, 10, QLatin1Char('0')), QStringLiteral("20CW"), QString(),
                QStringLiteral("UA%1AA").arg(n), sentExchange(QStringLiteral("15"), n), QStringLiteral("32%1").arg(n),
                QStringLiteral("1")};
    return r;
}

QByteArray stateBytes(qint32 nextRow)
{
    StateRecord s;
    s.nextRow = nextRow;
    s.bandChangeCount = 2;
    s.bandMode = QStringLiteral("40CW");
    s.subTourStart = 1;
    s.bandCounters = {0, 0, 3, 0, 0, 0};
    s.callsLineFlag = 1;
    return s.encode();
}

Contact withReceived(int n, const QString& received)
{
    Contact r = contact(n);
    r.fields[Received] = received;
    return r;
}

// A start in the folder, as the program's: the state, then the log.
struct Start
{
    ContactLog grid;
    Logbook log {grid};
    Start() { log.readState(); log.readLog(); }
};

QByteArray logBytes(int records)
{
    QByteArray bytes;
    for (int i = 1; i <= records; ++i)
        bytes += contact(i).encode();
    return bytes;
}

} // namespace

class LogbookTest : public WorkDirTest
{
protected:
    ContactLog grid;
    Logbook log {grid};
};

TEST_F(LogbookTest, WithoutFilesTheStartCreatesThemEmptyWithFreshValues)
{
    writeFile(kExtrasFileName, QByteArray(ContactExtras::Size, '\1')); // of a log that is gone
    EXPECT_FALSE(log.readState());
    EXPECT_EQ(log.state().bandChangeCount, -1);
    EXPECT_EQ(log.state().callsLineFlag, 1);
    EXPECT_EQ(log.currentRow(), 1);
    EXPECT_FALSE(log.readLog());
    EXPECT_EQ(readFile(kStateFileName).size(), 0);
    EXPECT_TRUE(QFile::exists(kLogFileName));
    EXPECT_EQ(readFile(kLogFileName).size(), 0);
    EXPECT_FALSE(QFile::exists(kExtrasFileName));
}

TEST_F(LogbookTest, ThreeContactsLoadIntoTheirRows)
{
    writeFile(kStateFileName, stateBytes(4));
    writeFile(kLogFileName, logBytes(3));
    EXPECT_TRUE(log.readState());
    EXPECT_FALSE(log.readLog());
    EXPECT_EQ(log.currentRow(), 4);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(grid.contact(r), contact(r)) << r;
    EXPECT_EQ(grid.contact(4), Contact {});
    EXPECT_EQ(log.state().bandMode, QStringLiteral("40CW"));
}

TEST_F(LogbookTest, DamagedStateAndLogFilesStillStart)
{
    struct Case
    {
        const char* what;
        QByteArray state;
        QByteArray log;
        int currentRow;
        int rowsFilled;
    };
    const Case cases[] = {
        // A state that cannot be trusted: the log goes on after its last contact.
        {"empty state", QByteArray(), logBytes(2), 3, 2},
        {"truncated state", stateBytes(3).left(30), logBytes(2), 3, 2},
        {"zero next row", stateBytes(0), logBytes(2), 3, 2},
        {"negative next row", stateBytes(-7), logBytes(2), 3, 2},
        {"empty state and log", QByteArray(), QByteArray(), 1, 0},
        {"trailing deleted contact", QByteArray(), logBytes(2) + Contact {}.encode(), 3, 2},
        {"log shorter than next row", stateBytes(6), logBytes(2), 6, 2},
        {"log longer than next row", stateBytes(2), logBytes(5), 2, 1},
        {"log with a torn last record", stateBytes(4), logBytes(3).left(59 * 2 + 20), 4, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(kStateFileName, c.state);
        writeFile(kLogFileName, c.log);
        ContactLog g;
        Logbook l(g);
        ASSERT_NO_THROW(l.readState());
        ASSERT_NO_THROW(l.readLog());
        EXPECT_EQ(l.currentRow(), c.currentRow);
        for (int r = 1; r < c.currentRow; ++r)
            EXPECT_EQ(g.contact(r), r <= c.rowsFilled ? contact(r) : Contact {}) << r;
        EXPECT_EQ(g.contact(c.currentRow), Contact {});
    }
}

TEST_F(LogbookTest, AnEmptyStateFileHidesTheCallsLine)
{
    writeFile(kStateFileName, QByteArray());
    log.readState();
    EXPECT_FALSE(log.state().callsLineShown());
    EXPECT_EQ(log.state().bandMode, QString());
}

TEST_F(LogbookTest, AnImpossibleNextRowContinuesAfterTheLastRecord)
{
    writeFile(kStateFileName, stateBytes(2'000'000'000));
    writeFile(kLogFileName, logBytes(5));
    log.readState();
    const auto warning = log.readLog();
    ASSERT_TRUE(warning);
    EXPECT_TRUE(warning->contains(kStateFileName));
    EXPECT_EQ(log.currentRow(), 6);
    EXPECT_EQ(grid.contact(5), contact(5));
}

// A long log is trusted at any length; only a next row far past its end is
// damage, and then the log goes on after its last record, however far.
TEST_F(LogbookTest, ALogOfAnyLengthKeepsEveryRecordAndGoesOnAfterIt)
{
    constexpr int kRecords = 100'005;
    const QByteArray records = logBytes(kRecords);
    const std::pair<std::optional<qint32>, int> cases[] = {// a stored next row (none: no state), where the log goes on
        {kRecords + 1, kRecords + 1}, {kRecords + 1 + Logbook::UntrustedGap, kRecords + 1 + Logbook::UntrustedGap},
        {kRecords + 2 + Logbook::UntrustedGap, kRecords + 1}, {std::nullopt, kRecords + 1}};
    for (const auto& [nextRow, currentRow] : cases) {
        SCOPED_TRACE(nextRow.value_or(0));
        writeFile(kLogFileName, records);
        QFile::remove(kStateFileName);
        if (nextRow)
            writeFile(kStateFileName, stateBytes(*nextRow));
        ContactLog g;
        Logbook l(g);
        l.readState();
        l.readLog();
        ASSERT_EQ(l.currentRow(), currentRow);
        g.setContact(l.currentRow(), contact(7));
        l.writeLogFile();
        const QByteArray after = readFile(kLogFileName);
        EXPECT_EQ(after.left(records.size()), records);
        EXPECT_EQ(Contact::decode(after.constData() + qsizetype(currentRow - 1) * Contact::Size), contact(7));
    }
}

TEST_F(LogbookTest, AMissingOrUnreadableStateNeverOverwritesTheLog)
{
    for (const bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "a folder in place of the state" : "no state file");
        QFile::remove(kStateFileName);
        QDir().rmdir(kStateFileName);
        if (folder)
            QDir().mkdir(kStateFileName);
        writeFile(kLogFileName, logBytes(4));
        ContactLog g;
        Logbook l(g);
        EXPECT_EQ(l.readState(), folder);
        const auto warning = l.readLog();
        ASSERT_TRUE(warning);
        EXPECT_TRUE(warning->contains(kStateFileName)) << warning->toStdString();
        EXPECT_EQ(l.currentRow(), 5);
        EXPECT_EQ(g.contact(4), contact(4));
    }
}

TEST_F(LogbookTest, RowsAndStateReachTheirPlacesOnDisk)
{
    log.readState();
    log.readLog();
    for (int r = 1; r <= 3; ++r) {
        grid.setContact(r, contact(r));
        log.writeLogFile();
        log.setCurrentRow(r + 1);
        log.writeCfgFile();
    }
    const QByteArray bytes = readFile(kLogFileName);
    EXPECT_EQ(bytes.size(), 177);
    EXPECT_EQ(Contact::decode(bytes.constData() + 118), contact(3));
    EXPECT_EQ(StateRecord::decode(readFile(kStateFileName).constData()).nextRow, 4);
    EXPECT_EQ(readFile(kStateFileName).size(), 52);

    grid.setContact(7, contact(7)); // an edit far below the log extends the file
    log.writeRow(7);
    EXPECT_EQ(readFile(kLogFileName).size(), 7 * 59);
    EXPECT_EQ(readFile(kLogFileName).mid(3 * 59, 3 * 59), QByteArray(3 * 59, '\0'));
}

TEST_F(LogbookTest, WritesFailWhenTheFilesAreGone)
{
    log.readState();
    log.readLog();
    writeFile(kExtrasFileName, QByteArray());
    log.deleteFiles();
    EXPECT_FALSE(QFile::exists(kLogFileName) || QFile::exists(kExtrasFileName));
    EXPECT_THROW(log.writeLogFile(), KvlError);
    EXPECT_THROW(log.writeCfgFile(), KvlError);
    EXPECT_FALSE(QFile::exists(kLogFileName));
    EXPECT_FALSE(QFile::exists(kStateFileName));
}

TEST_F(LogbookTest, TheGridGrowsPastItsFirst1999Rows)
{
    EXPECT_EQ(grid.rowCount(), 2000);
    log.setCurrentRow(2500);
    EXPECT_GT(grid.rowCount(), 2500);
    grid.setCell(2500, Call, QStringLiteral("UA1AAA"));
    EXPECT_EQ(grid.cell(2500, Call), QStringLiteral("UA1AAA"));
}

// Stamp i stands beside record i; a torn, cleared or stale stamp (its local
// hh:mm not the record's) is no stamp, and never stops a start.
TEST_F(LogbookTest, StampsAreReadWhereWholeAndInStepWithTheirRecords)
{
    writeFile(kStateFileName, stateBytes(5));
    writeFile(kLogFileName, logBytes(4));
    const QTimeZone zone(3 * 3600);
    QByteArray stamps;
    for (int n = 1; n <= 4; ++n)
        stamps += ContactStamp::at(QDateTime(QDate(2024, 2, 1), QTime(10, n == 3 ? 59 : n, 30), zone), 14025000, 1, true)
                      .encode();
    stamps[ContactStamp::Size + 5] = char(stamps[ContactStamp::Size + 5] ^ 1); // a torn second stamp
    writeFile(kStampFileName, stamps.left(stamps.size() - 3));                  // and a fourth cut short
    ASSERT_TRUE(log.readState());
    ASSERT_FALSE(log.readLog());
    EXPECT_EQ(log.stamp(1)->utc(), QDateTime(QDate(2024, 2, 1), QTime(7, 1, 30), QTimeZone::utc()));
    EXPECT_EQ(log.stamp(1)->frequencyHz, 14025000);
    EXPECT_FALSE(log.stamp(2) || log.stamp(3) || log.stamp(4));
    EXPECT_EQ(grid.cell(4, Call), QLatin1String("UA4AA"));
}

TEST_F(LogbookTest, WithoutAStateTheCountersComeFromTheLog)
{
    Contact on40 = contact(3);
    on40.fields[BandMode] = QStringLiteral("40CW");
    on40.fields[BandChange] = QStringLiteral("2");
    writeFile(kLogFileName, logBytes(2) + on40.encode());
    log.readState();
    ASSERT_TRUE(log.readLog());
    EXPECT_EQ(log.state().bandCounters, (std::array<qint32, 6> {0, 0, 1, 2, 0, 0}));
    EXPECT_EQ(log.state().bandChangeCount, 2);
}

// The file comes with the first long exchange; a row's slot is rewritten
// with the row, so that a text cut back to the record's length does not
// bring the long one back. Deleted, the file is made again from memory at
// the next row written.
TEST_F(LogbookTest, LongExchangesComeBackWholeAtTheNextStart)
{
    Start s;
    Contact two = withReceived(2, QStringLiteral("599 003 КО82 ЖЖ"));
    two.fields[Sent] = QStringLiteral("599 1000 QRP");
    const Contact three = withReceived(3, QStringLiteral("599 003 KO8"));
    const std::pair<int, Contact> written[] = {
        {1, contact(1)}, {2, two}, {3, withReceived(3, QStringLiteral("599 003 KO82"))}, {3, three}};
    for (const auto& [row, c] : written) {
        s.log.setCurrentRow(row);
        s.grid.setContact(row, c);
        s.log.writeLogFile();
        EXPECT_EQ(QFile::exists(kExtrasFileName), row > 1);
    }
    ASSERT_TRUE(QFile::remove(kExtrasFileName));
    s.log.setCurrentRow(4);
    s.log.writeLogFile();
    s.log.writeCfgFile();
    EXPECT_TRUE(s.log.takeRemade().join(QString()).contains(kExtrasFileName));
    const Start again;
    EXPECT_EQ(again.grid.contact(2), two);
    EXPECT_EQ(again.grid.contact(3), three);
}

// A slot stands only whole and where the record still holds its text's
// beginning; otherwise the record's own text does.
TEST_F(LogbookTest, TheRecordsTextStandsBesideAStaleOrTornSlot)
{
    ContactExtras extras;
    extras.received = QStringLiteral("599 1000 QRP");
    const QByteArray slot = extras.encode();
    const std::tuple<const char*, QString, QByteArray, QString> cases[] = {// the record's text, the slot, read
        {"in step", "599 1000 QR", slot, "599 1000 QRP"},
        {"record changed without it", "599 1001 QR", slot, "599 1001 QR"},
        {"torn", "599 1000 QR", slot.left(200) + QByteArray(56, '\0'), "599 1000 QR"}};
    for (const auto& [what, record, slotBytes, read] : cases) {
        SCOPED_TRACE(what);
        writeFile(kStateFileName, stateBytes(2));
        writeFile(kLogFileName, withReceived(1, record).encode());
        writeFile(kExtrasFileName, slotBytes);
        EXPECT_EQ(Start().grid.cell(1, Received), read);
    }
}

// A long exchange that fails to be logged leaves no slot; a folder in the
// file's place refuses only a contact that needs a slot.
TEST_F(LogbookTest, AFailedContactLeavesNoSlotBehind)
{
    for (const QString& folder : {kStateFileName, kExtrasFileName}) {
        SCOPED_TRACE(folder.toStdString());
        QDir().rmdir(kStateFileName), QFile::remove(kExtrasFileName);
        ASSERT_TRUE(QDir().mkdir(folder));
        writeFile(kLogFileName, QByteArray());
        Start s;
        EXPECT_THROW(s.log.asOne([&] {
            s.grid.setContact(1, withReceived(1, QStringLiteral("599 003 KO82")));
            s.log.writeLogFile();
            s.log.writeCfgFile();
        }), KvlError);
        EXPECT_EQ(readFile(kLogFileName).size() + readFile(kExtrasFileName).size(), 0);
        s.grid.setContact(1, contact(1));
        EXPECT_NO_THROW(s.log.writeLogFile());
    }
}
