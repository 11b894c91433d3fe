#include "log/SubTourState.h"
#include "tests/session/SessionFixture.h"

#include <QFile>

namespace {
const QString kEnter = QStringLiteral("⏎");
}

// Typed at speed, as the window hands it on: a call, Enter, what the received
// field then holds with the typed text after it, Enter. A repeat and a text
// without a letter are refused and empty the field; a call without a digit is
// taken at the second Enter.
TEST_F(ContestSessionTest, TypedAheadOnlyCallsAreTakenAndNothingElseIsLogged)
{
    log(QStringLiteral("UA1AA"), QStringLiteral("GA001"));
    QString call;
    std::optional<QString> received;
    QStringList warnings;
    for (const QString& key : QStringLiteral("UA1AA ⏎ 003 ⏎ UA2BB ⏎ 004 ⏎ 123 ⏎ RAEM ⏎ ⏎ 5 ⏎").split(u' ')) {
        if (key != kEnter && received) {
            received->append(key);
        } else if (key != kEnter) {
            contest->scanCalls(call = key);
        } else if (received) {
            EXPECT_TRUE(contest->completeContact(*std::exchange(received, std::nullopt), QDateTime(QDate(2024, 2, 1), QTime(10, 1))).currentRow);
        } else {
            const ContestSession::CallEntry entry = contest->enterCall(call, QString());
            warnings << entry.warning;
            received = entry.received;
        }
    }
    EXPECT_EQ(contest->currentRow(), 4);
    EXPECT_EQ(stored(1).fields[Call] + stored(1).fields[Received], QStringLiteral("UA2BB004"));
    EXPECT_EQ(stored(2).fields[Call] + stored(2).fields[Received], QStringLiteral("RAEM5"));
    EXPECT_TRUE(warnings[0].isEmpty()); // the repeat is said by its own warning
    EXPECT_TRUE(warnings[1].contains(QStringLiteral("003")) && warnings[3].contains(QStringLiteral("123")));
    EXPECT_TRUE(warnings[4].contains(QStringLiteral("RAEM")) && warnings[5].isEmpty());

    settings.lines[setup::ContestVariant].clear();
    EXPECT_EQ(contest->enterCall(QStringLiteral("UA3CC"), QString()).warning, QStringLiteral("Выберите вид соревнований"));
}

// The edit stands, and the contact it made a repeat counts no points and on no
// band, for as long as it is one: through edits, a deletion and a restart.
TEST_F(ContestSessionTest, AGridEditIntoARepeatIsMarkedAndTheMarkFollows)
{
    contest->selectBand(1);
    log(QStringLiteral("RK1TKH"), QStringLiteral("GA1"));
    log(QStringLiteral("RT4AS"), QStringLiteral("GA2"));
    const auto expectCounted = [&](bool repeat, int counted, const char* when) {
        EXPECT_EQ(contest->grid().isRepeat(2), repeat) << when;
        EXPECT_EQ(contest->grid().cell(2, Points), repeat ? QStringLiteral("0") : QStringLiteral("1+")) << when;
        EXPECT_EQ(storedState().bandCounters[1], counted) << when;
        const session::StatusFigures figures = contest->status(QDateTime(QDate(2024, 2, 1), QTime(10, 5)));
        EXPECT_EQ(figures.contacts, counted) << when;
        EXPECT_EQ(figures.subTourContacts, counted) << when;
    };
    EXPECT_TRUE(edit(2, Call, QStringLiteral("RK1TKH")).counters);
    EXPECT_EQ(stored(1).fields[Call], QStringLiteral("RK1TKH"));
    expectCounted(true, 1, "edited into a repeat");
    edit(2, BandMode, QStringLiteral("80CW"));
    expectCounted(false, 2, "moved to another mode");
    edit(2, BandMode, QStringLiteral("80SSB"));
    contest->deleteOrRestore();
    EXPECT_EQ(storedState().bandCounters[1], 1);
    contest->deleteOrRestore();
    expectCounted(true, 1, "restored");
    restart();
    expectCounted(true, 1, "after a restart");
    edit(1, Call, QStringLiteral("UA1AA"));
    expectCounted(false, 2, "the first contact edited away");
}

// The received field keeps what stays from contact to contact: a base file's
// entry first, else the earlier exchange without its serial.
TEST_F(ContestSessionTest, ThePreFillNeverCarriesAnOldSerial)
{
    const struct
    {
        const char* variant;
        const char* baseFile;
        const char* base;
        const char* earlier;
        const char* preFilled;
    } cases[] = {
        {"Чемпионат Азиатской части РФ", "", "", "431010", "431"},
        {"Чемпионат Азиатской части РФ", "", "", "4311001", "4311"}, // as the points read it
        {"Чемпионат Азиатской части РФ", "Asia.kvl", "UA9AAA=15;", "431010", "15"},
        {"Чемпионат РА", "", "", "ABC012", "ABC"},
        {"Чемпионат РА", "RA.kvl", "9A=XYZ;", "ABC012", "XYZ"},
        {"Others", "", "", "599", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.earlier);
        for (const char* file : {"system.kvl", "cfg.kvl", "Asia.kvl", "RA.kvl"})
            QFile::remove(QString::fromLatin1(file));
        if (*c.baseFile)
            writeFile(QString::fromLatin1(c.baseFile), c.base);
        settings.lines[setup::ContestVariant] = QString::fromUtf8(c.variant);
        restart();
        contest->loadAsiaBase();
        contest->loadRaBase();
        contest->selectBand(3);
        log(QStringLiteral("UA9AAA"), QString::fromLatin1(c.earlier));
        contest->selectBand(2); // where the station is new
        contest->scanCalls(QStringLiteral("UA9AAA"));
        EXPECT_EQ(contest->enterCall(QStringLiteral("UA9AAA"), QString()).received, QString::fromLatin1(c.preFilled));
    }
}

// A state lost, emptied or cut short goes on with the band and mode of the
// last contact, and says so.
TEST_F(ContestSessionTest, ALostStateSelectsTheLastContactsBandAndMode)
{
    contest->selectBand(2);
    contest->toggleMode();
    log(QStringLiteral("RA3AA"), QStringLiteral("1"));
    contest->selectBand(4);
    const std::optional<QByteArray> states[] = {std::nullopt, QByteArray(), QByteArray("\x01garbage"),
                                                QByteArray(StateRecord::Size, '\xff')};
    for (const std::optional<QByteArray>& state : states) {
        QFile::remove(QStringLiteral("cfg.kvl"));
        if (state)
            writeFile(QStringLiteral("cfg.kvl"), *state);
        contest = std::make_unique<ContestSession>(settings);
        const Changes started = contest->start(QStringLiteral("15"));
        EXPECT_EQ(contest->selectedBand(), 2) << (state ? state->toHex().toStdString() : "missing");
        EXPECT_EQ(contest->mode(), Mode::CW);
        EXPECT_TRUE(started.mode && started.band); // for the mode panel and the call field
        ASSERT_TRUE(started.notice);
        EXPECT_TRUE(started.notice->contains(QStringLiteral("40CW"))) << started.notice->toStdString();
    }
}

// Local clock readings: the sub-tour times are the clock's.
TEST_F(ContestSessionTest, ADueSubTourOutlivesAnEditAndARestart)
{
    settings.lines[setup::SubTourTimes] = QStringLiteral("10:00 12:00");
    const auto at = [](int h, int m) { return QDateTime(QDate(2024, 2, 1), QTime(h, m)); };
    logAt(QStringLiteral("RA3AA"), QStringLiteral("GA1"), at(9, 58));
    EXPECT_FALSE(contest->subTourDue(at(9, 59)));
    ASSERT_TRUE(contest->subTourDue(at(10, 1)));
    contest->offerSubTour();
    edit(1, Received, QStringLiteral("GA5")); // the log is written after the sub-tour's time
    restart();
    EXPECT_TRUE(contest->subTourPending());
    EXPECT_TRUE(logAt(QStringLiteral("RA3AA"), QStringLiteral("GA2"), at(10, 6)).currentRow); // no repeat: a new sub-tour
    EXPECT_EQ(contest->status(at(10, 7)).subTour, 2);
    restart();
    EXPECT_FALSE(contest->subTourPending());
    EXPECT_FALSE(contest->subTourDue(at(10, 8))); // begun already
    EXPECT_TRUE(contest->subTourDue(at(12, 30))); // passed while the program was closed

    writeFile(QStringLiteral("cfg.kvx"), "garbage");
    contest = std::make_unique<ContestSession>(settings);
    const Changes started = contest->start(QStringLiteral("15"));
    ASSERT_TRUE(started.notice);
    EXPECT_TRUE(started.notice->contains(QStringLiteral("cfg.kvx")));
}
