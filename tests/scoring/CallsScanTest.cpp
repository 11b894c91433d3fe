// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileNames.h"
#include "log/Contact.h"
#include "log/RecordFile.h"
#include "log/ContactLog.h"
#include "scoring/CallRules.h"
#include "scoring/CallsScan.h"
#include "scoring/MasterMatch.h"
#include "tests/support/WorkDir.h"

#include <vector>

using namespace scoring;

namespace {

struct Contact
{
    const char* call;
    const char* bandMode;
    const char* received = "32001";
    const char* time = "10:00";
    const char* sent = "15001";
};

QByteArray recordsOf(const std::vector<Contact>& contacts)
{
    QByteArray bytes;
    for (const Contact& c : contacts) {
        logbook::Contact r;
        r.fields = {QString::fromLatin1(c.time), QString::fromLatin1(c.bandMode), QString(),
                    QString::fromLatin1(c.call), QString::fromLatin1(c.sent), QString::fromLatin1(c.received),
                    QStringLiteral("1")};
        bytes += r.encode();
    }
    return bytes;
}

using Marks = std::array<bool, logbook::kBandCount>;
constexpr int k20m = 3;

Marks marksOn(std::initializer_list<int> bands)
{
    Marks m {};
    for (int b : bands)
        m[size_t(b)] = true;
    return m;
}

class CallsScanTest : public WorkDirTest
{
protected:
    // The current row follows the log, as it does while logging.
    CallsScanResult scan(const std::vector<Contact>& log, const QString& typed, int subTourStart = 0,
                         bool callsLineShown = true)
    {
        writeFile(logbook::kLogFileName, recordsOf(log));
        m_input.typed = typed;
        m_input.subTourStart = subTourStart;
        m_input.currentRow = int(log.size()) + 1;
        m_input.callsLineShown = callsLineShown;
        return StringOfCalls(m_input, m_file);
    }

    CallsScanInput m_input = [] {
        CallsScanInput input;
        input.modeCaption = QStringLiteral("SSB");
        input.currentBandMode = QStringLiteral("20SSB");
        return input;
    }();
    logbook::RecordFile m_file {logbook::kLogFileName, logbook::Contact::Size};
};

} // namespace

TEST_F(CallsScanTest, APrefixIsListedWithoutMarkOrWarning)
{
    const CallsScanResult r = scan({{"QA9ZZ", "20SSB"}}, QStringLiteral("QA9"));
    EXPECT_EQ(r.subTourLine, QStringLiteral("QA9ZZ "));
    EXPECT_EQ(r.logLine, QStringLiteral("QA9ZZ "));
    EXPECT_EQ(r.marks, Marks {});
    EXPECT_EQ(r.dupeCall, QString());
    EXPECT_EQ(r.dupeWarning, QString());
    EXPECT_FALSE(r.error);
}

TEST_F(CallsScanTest, TheFullCallOnTheSameBandAndModeIsARepeat)
{
    const CallsScanResult r = scan({{"UA1AA", "20SSB"}, {"QA9ZZ", "20SSB", "37012", "10:07", "15002"}},
                                   QStringLiteral("QA9ZZ"));
    EXPECT_EQ(r.marks, marksOn({k20m}));
    EXPECT_EQ(r.dupeCall, QStringLiteral("QA9ZZ"));
    EXPECT_EQ(r.dupeWarning, QStringLiteral("Dupe  ! ! !   10:07   20SSB   QA9ZZ   15002   37012"));
    EXPECT_EQ(r.rememberedExchange, QStringLiteral("37012"));
}

TEST_F(CallsScanTest, MarksFollowTheModePanelOnEveryBand)
{
    const std::vector<Contact> log = {{"QA9ZZ", "20CW"}, {"QA9ZZ", "160SSB"}, {"QA9ZZ", "10CW"}, {"QA9ZZ", "40SSB"}};
    struct Case
    {
        QString caption;
        QString bandMode;
        Marks marks;
        bool repeat;
    };
    const Case cases[] = {
        {QStringLiteral("SSB"), QStringLiteral("20SSB"), marksOn({0, 2}), false},
        {QStringLiteral("CW"), QStringLiteral("40CW"), marksOn({k20m, 5}), false},
        {QStringLiteral("CW"), QStringLiteral("10CW"), marksOn({k20m, 5}), true},
        {QStringLiteral("AM"), QStringLiteral("40SSB"), Marks {}, true},
    };
    for (const Case& c : cases) {
        m_input.modeCaption = c.caption;
        m_input.currentBandMode = c.bandMode;
        const CallsScanResult r = scan(log, QStringLiteral("QA9ZZ"));
        EXPECT_EQ(r.marks, c.marks) << c.bandMode.toStdString();
        EXPECT_EQ(!r.dupeCall.isEmpty(), c.repeat) << c.bandMode.toStdString();
        EXPECT_EQ(r.subTourLine, c.repeat ? QStringLiteral("QA9ZZ ") : QString());
    }
}

TEST_F(CallsScanTest, TheSameCallInTheOtherModeIsOnlyInTheLogLine)
{
    const CallsScanResult r = scan({{"QA9ZZ", "20CW", "12005"}}, QStringLiteral("QA9ZZ"));
    EXPECT_EQ(r.marks, Marks {});
    EXPECT_EQ(r.dupeWarning, QString());
    EXPECT_EQ(r.subTourLine, QString());
    EXPECT_EQ(r.logLine, QStringLiteral("QA9ZZ "));
    EXPECT_EQ(r.rememberedExchange, QStringLiteral("12005"));
}

TEST_F(CallsScanTest, ACallOfThePreviousSubTourIsNoRepeatButLendsItsExchange)
{
    const CallsScanResult r = scan({{"QA9ZZ", "20SSB", "15044"}, {"UA1AA", "20SSB"}}, QStringLiteral("QA9ZZ"), 1);
    EXPECT_EQ(r.marks, Marks {});
    EXPECT_EQ(r.dupeCall, QString());
    EXPECT_EQ(r.subTourLine, QString());
    EXPECT_EQ(r.logLine, QStringLiteral("QA9ZZ "));
    EXPECT_EQ(r.rememberedExchange, QStringLiteral("15044"));
}

TEST_F(CallsScanTest, TheOldestExchangeIsRememberedAndTheNewestRepeatWarned)
{
    const CallsScanResult r = scan({{"QA9ZZ", "20SSB", "11001", "10:01"}, {"QA9ZZ", "40SSB", "22002", "10:02"},
                                    {"QA9ZZ", "20SSB", "33003", "10:03"}},
                                   QStringLiteral("QA9ZZ"));
    EXPECT_EQ(r.rememberedExchange, QStringLiteral("11001"));
    EXPECT_TRUE(r.dupeWarning.contains(QStringLiteral("10:03"))) << r.dupeWarning.toStdString();
    EXPECT_EQ(r.logLine, QStringLiteral("QA9ZZ "));
}

TEST_F(CallsScanTest, PresenceIsASubstringTestOnTheCallAndABlank)
{
    struct Case
    {
        std::vector<Contact> log;
        QString typed;
        QString line;
    };
    const Case cases[] = {
        {{{"QQA9Z", "20SSB"}, {"QA9Z", "20SSB"}}, QStringLiteral("Q"), QStringLiteral("QQA9Z ")},
        {{{"QA9ZZ", "20SSB"}, {"QA9Z", "20SSB"}}, QStringLiteral("QA9"), QStringLiteral("QA9ZZ QA9Z ")},
        {{{"QA9A", "20SSB"}, {"QA9B", "20SSB"}, {"QA9A", "20SSB"}}, QStringLiteral("QA9"), QStringLiteral("QA9A QA9B ")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scan(c.log, c.typed).subTourLine, c.line) << c.typed.toStdString();
    // The log line lists newest first.
    EXPECT_EQ(scan({{"QA9A", "20SSB"}, {"QA9B", "20CW"}, {"QA9C", "20SSB"}}, QStringLiteral("QA9")).logLine,
              QStringLiteral("QA9C QA9B QA9A "));
}

TEST_F(CallsScanTest, ComparisonsAreExactAndCaseSensitive)
{
    const std::vector<Contact> log = {{"QA9ZZ", "20SSB"}, {"QA9?", "20SSB"}};
    for (const QString& typed : {QStringLiteral("qa9zz"), QStringLiteral("QA9ZZZ"), QStringLiteral("A9ZZ"),
                                QStringLiteral("QA9\u4e2d")}) {
        const CallsScanResult r = scan(log, typed);
        EXPECT_EQ(r.subTourLine, QString()) << typed.toStdString();
        EXPECT_EQ(r.logLine, QString()) << typed.toStdString();
        EXPECT_EQ(r.dupeCall, QString());
    }
}

TEST_F(CallsScanTest, WithTheLogLineHiddenNothingIsRemembered)
{
    const CallsScanResult r = scan({{"QA9ZZ", "20SSB", "15044"}}, QStringLiteral("QA9ZZ"), 0, false);
    EXPECT_EQ(r.rememberedExchange, QString());
    EXPECT_EQ(r.logLine, QString());
    EXPECT_EQ(r.subTourLine, QStringLiteral("QA9ZZ "));
    EXPECT_EQ(r.dupeCall, QStringLiteral("QA9ZZ"));
}

TEST_F(CallsScanTest, AnEmptyCallFindsNothing)
{
    const CallsScanResult r = scan({{"QA9ZZ", "20SSB"}, {"", "20SSB"}}, QString());
    EXPECT_EQ(r.marks, Marks {});
    EXPECT_EQ(r.subTourLine, QString());
    EXPECT_EQ(r.logLine, QString());
    EXPECT_EQ(r.dupeCall, QString());
    EXPECT_EQ(r.dupeWarning, QString());
    EXPECT_EQ(r.rememberedExchange, QString());
}

TEST_F(CallsScanTest, ShortStringsCutTheDupeCallAndTheExchangeToTen)
{
    const CallsScanResult r = scan({{"QA9ZZZZZZZZ", "20SSB", "12345678901"}}, QStringLiteral("QA9ZZZZZZZZ"));
    EXPECT_EQ(r.dupeCall, QStringLiteral("QA9ZZZZZZZ"));
    EXPECT_EQ(r.rememberedExchange, QStringLiteral("1234567890"));
    EXPECT_TRUE(r.dupeWarning.endsWith(QStringLiteral("QA9ZZZZZZZZ   15001   12345678901")));
}

TEST_F(CallsScanTest, ALineStopsAtFiftyCharacters)
{
    // Eight calls of six characters and a blank fill a line past 50; the
    // repeat and the old exchange behind them are never reached.
    std::vector<Contact> log = {{"QA9", "20SSB", "OLD01"}};
    const char* calls[] = {"QA9AAA", "QA9AAB", "QA9AAC", "QA9AAD", "QA9AAE", "QA9AAF", "QA9AAG", "QA9AAH", "QA9AAI"};
    for (const char* call : calls)
        log.push_back({call, "20SSB"});
    log.push_back({"QA9", "20SSB", "NEW01"});
    const CallsScanResult r = scan(log, QStringLiteral("QA9"), 1);
    EXPECT_EQ(r.subTourLine, QStringLiteral("QA9AAA QA9AAB QA9AAC QA9AAD QA9AAE QA9AAF QA9AAG QA9AAH "));
    EXPECT_EQ(r.dupeCall, QString());
    EXPECT_EQ(r.logLine, QStringLiteral("QA9 QA9AAI QA9AAH QA9AAG QA9AAF QA9AAE QA9AAD QA9AAC "));
    EXPECT_EQ(r.rememberedExchange, QStringLiteral("NEW01"));
}

TEST_F(CallsScanTest, TheScanReachesTheCurrentRowIndexAndSkipsWhatTheFileLacks)
{
    writeFile(logbook::kLogFileName, recordsOf({{"QA9A", "20SSB"}, {"QA9B", "20SSB"}, {"QA9C", "20SSB"}, {"QA9D", "20SSB"}}));
    m_input.typed = QStringLiteral("QA9");
    m_input.currentRow = 2; // record 2 is a leftover past the live ones, yet scanned
    EXPECT_EQ(StringOfCalls(m_input, m_file).subTourLine, QStringLiteral("QA9A QA9B QA9C "));
    EXPECT_EQ(StringOfCalls(m_input, m_file).logLine, QStringLiteral("QA9C QA9B QA9A "));
    m_input.currentRow = 40;
    EXPECT_EQ(StringOfCalls(m_input, m_file).logLine, QStringLiteral("QA9D QA9C QA9B QA9A "));
    m_input.subTourStart = 5;
    const CallsScanResult r = StringOfCalls(m_input, m_file);
    EXPECT_EQ(r.subTourLine, QString());
    EXPECT_FALSE(r.error);
}

TEST_F(CallsScanTest, APartialLastRecordIsNotRead)
{
    const QByteArray whole = recordsOf({{"QA9A", "20SSB"}, {"QA9B", "20SSB"}});
    writeFile(logbook::kLogFileName, whole + recordsOf({{"QA9C", "20SSB"}}).left(40));
    m_input.typed = QStringLiteral("QA9");
    m_input.currentRow = 3;
    const CallsScanResult r = StringOfCalls(m_input, m_file);
    EXPECT_EQ(r.subTourLine, QStringLiteral("QA9A QA9B "));
    EXPECT_FALSE(r.error);
}

TEST_F(CallsScanTest, AnUnreadableLogFileClearsTheFindingsAndSaysWhy)
{
    m_input.typed = QStringLiteral("QA9ZZ");
    const CallsScanResult r = StringOfCalls(m_input, m_file);
    ASSERT_TRUE(r.error);
    EXPECT_TRUE(r.error->contains(logbook::kLogFileName)) << r.error->toStdString();
    EXPECT_EQ(r.marks, Marks {});
    EXPECT_EQ(r.dupeCall, QString());
    EXPECT_EQ(r.dupeWarning, QString());
    EXPECT_EQ(r.rememberedExchange, QString());
}

TEST_F(CallsScanTest, TheLogFileNameMatchesWithoutRegardToCase)
{
    writeFile(QStringLiteral("System.KVL"), recordsOf({{"QA9ZZ", "20SSB"}}));
    m_input.typed = QStringLiteral("QA9");
    m_input.currentRow = 2;
    EXPECT_EQ(StringOfCalls(m_input, m_file).subTourLine, QStringLiteral("QA9ZZ "));
}

TEST_F(CallsScanTest, ExactlyFiftyCharactersAlreadyStopTheLine)
{
    // Five calls of nine characters and a blank make exactly 50.
    std::vector<Contact> log;
    for (const char* call : {"QA9AAAAAA", "QA9AAAAAB", "QA9AAAAAC", "QA9AAAAAD", "QA9AAAAAE", "QA9AAAAAF"})
        log.push_back({call, "20SSB"});
    const CallsScanResult r = scan(log, QStringLiteral("QA9"));
    EXPECT_EQ(r.subTourLine, QStringLiteral("QA9AAAAAA QA9AAAAAB QA9AAAAAC QA9AAAAAD QA9AAAAAE "));
    EXPECT_EQ(r.logLine, QStringLiteral("QA9AAAAAF QA9AAAAAE QA9AAAAAD QA9AAAAAC QA9AAAAAB "));
}

TEST_F(CallsScanTest, WhileANewSubTourIsPendingNoEarlierRecordCounts)
{
    // Records 0 and 1 are logged; the contact being entered is record 2.
    struct Case
    {
        int subTourStart;
        bool pending;
        bool callsLineShown;
        bool repeat;
    };
    const Case cases[] = {{0, false, true, true}, {0, true, true, false}, {1, true, false, false}, {2, false, true, false}};
    for (const Case& c : cases) {
        m_input.newSubTourPending = c.pending;
        const CallsScanResult r = scan({{"UA1AA", "20SSB"}, {"RA3AA", "20SSB"}}, QStringLiteral("RA3AA"), c.subTourStart, c.callsLineShown);
        EXPECT_EQ(r.dupeCall.isEmpty(), !c.repeat) << c.subTourStart << c.pending;
        EXPECT_EQ(r.marks[k20m], c.repeat) << c.subTourStart << c.pending;
        EXPECT_EQ(r.subTourLine, c.repeat ? QStringLiteral("RA3AA ") : QString()) << c.subTourStart << c.pending;
        EXPECT_EQ(r.logLine, c.callsLineShown ? QStringLiteral("RA3AA ") : QString());
    }
}

// The repeat rule by its shapes, from the contests' published rules: once per
// band and mode (Vladimir Test) or once per band (Wake-Up!) in a sub-tour,
// and Кубок Находки's "не менее 5 минут или ... как минимум одну радиосвязь с
// любым другим корреспондентом" between any two contacts with one station.
// The live warning, the marks of the logged contacts and the master line
// apply it alike.
TEST_F(CallsScanTest, RepeatsAndGapsByTheContestsRule)
{
    const RepeatScope bandMode = RepeatScope::BandAndMode;
    const RepeatScope band = RepeatScope::Band;
    const RepeatGap none, fiveOrContact {5, true}, contact {std::nullopt, true}, five {5, false};
    struct Case
    {
        std::vector<Contact> log; // the last is the contact being entered
        RepeatScope scope;
        RepeatGap gap;
        int subTourStart; // record index; the entered contact is in the last sub-tour
        bool refused;
    };
    const Case cases[] = {
        {{{"UA3AA", "80CW"}, {"UA3AA", "80CW"}}, bandMode, none, 0, true},
        {{{"UA3AA", "80CW"}, {"UA3AA", "80SSB"}}, bandMode, none, 0, false},
        {{{"UA3AA", "40CW"}, {"UA3AA", "40SSB"}}, band, none, 0, true},
        {{{"UA3AA", "40CW"}, {"UA3AA", "20CW"}}, band, none, 0, false},
        {{{"UA3AA", "80CW"}, {"UA3AA", "80CW"}}, bandMode, none, 1, false}, // a new sub-tour
        {{{"UA3AA", "80CW", "", "10:00"}, {"UA3AA", "80SSB", "", "10:04"}}, bandMode, fiveOrContact, 0, true},
        {{{"UA3AA", "80CW", "", "10:00"}, {"UA3AA", "80SSB", "", "10:05"}}, bandMode, fiveOrContact, 0, false},
        {{{"UA3AA", "80CW"}, {"RA9AA", "80CW"}, {"UA3AA", "80SSB"}}, bandMode, fiveOrContact, 0, false},
        {{{"UA3AA", "80CW", "", "23:58"}, {"UA3AA", "80SSB", "", "00:02"}}, bandMode, fiveOrContact, 0, true},
        {{{"UA3AA", "80CW", "", "10:29"}, {"UA3AA", "80CW", "", "10:31"}}, bandMode, fiveOrContact, 1, true},
        {{{"UA3AA", "80CW", "", "10:00"}, {"UA3AA", "80SSB", "", "10:30"}}, bandMode, contact, 0, true},
        {{{"UA3AA", "80CW"}, {"RA9AA", "80CW"}, {"UA3AA", "80SSB", "", "10:02"}}, bandMode, five, 0, true},
    };
    for (const Case& c : cases) {
        const Contact& entered = c.log.back();
        SCOPED_TRACE(std::string(entered.bandMode) + " " + entered.time + " " + std::to_string(&c - cases));
        const std::optional<QTime> now = logbook::parseContactTime(QString::fromLatin1(entered.time));
        m_input = {QString(), 0, 1, QStringLiteral("SSB"), QString::fromLatin1(entered.bandMode), true, false,
                   c.scope, c.gap, now};
        const CallsScanResult live = scan({c.log.begin(), c.log.end() - 1}, QString::fromLatin1(entered.call), c.subTourStart);
        EXPECT_EQ(!live.dupeCall.isEmpty(), c.refused) << live.dupeWarning.toStdString();

        QVector<logbook::Contact> rows;
        QVector<std::optional<int>> subTours;
        logbook::ContactLog grid;
        for (const Contact& row : c.log) {
            rows << logbook::Contact::decode(recordsOf({row}).constData());
            subTours << int(rows.size() > c.subTourStart);
            grid.setContact(int(rows.size()), rows.back());
        }
        EXPECT_EQ(repeatedContacts(rows, subTours, {c.scope, c.gap}).back(), c.refused);
        const WorkedCalls master = workedCalls(grid, int(rows.size()), m_input.currentBandMode, c.subTourStart,
                                               {c.scope, c.gap}, now);
        EXPECT_EQ(master.repeats.contains(QString::fromLatin1(entered.call)), c.refused);
    }
}
