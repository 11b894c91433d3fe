// SPDX-License-Identifier: GPL-3.0-or-later
// Kills a logging main window at random moments and checks after every kill
// that each contact it reported complete is on disk, that the state agrees with
// the log, and that the next start-up brings all of it back, a received
// exchange longer than the record holds whole.
#include "log/ContactStamp.h"
#include "log/Contact.h"
#include "log/StateRecord.h"
#include "tests/support/WorkDir.h"

#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <cstdio>
#include <numeric>

namespace {

struct Expectation
{
    QMap<int, QString> contacts;   // row -> call, reported complete and not since deleted
    QMap<int, QString> received;   // row -> its received exchange, spaces as '_'
    QMap<int, QString> uncertain;  // in flight when killed: either way is fine
};

class CrashTest : public WorkDirTest
{
protected:
    Expectation expected;
    int lost = 0;

    QStringList runChild(quint32 seed, int lifetimeMs)
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(KVL_CRASH_CHILD), {path(), QString::number(seed)});
        EXPECT_TRUE(child.waitForStarted(10000));
        QByteArray out;
        // Logging starts once the start-up has reported the whole grid.
        while (!(out.contains("GRID") && out.indexOf('\n', out.indexOf("GRID")) > 0) && child.waitForReadyRead(20000))
            out += child.readAllStandardOutput();
        if (lifetimeMs > 0)
            child.waitForFinished(lifetimeMs); // logging meanwhile; it never ends by itself
        child.kill();
        child.waitForFinished(10000);
        out += child.readAllStandardOutput();
        out.truncate(out.lastIndexOf('\n') + 1); // a line the kill cut short
        return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // What the child reported, applied to the expectations; the last line may
    // be cut short by the kill and is ignored.
    void follow(const QStringList& lines, bool checkGrid)
    {
        for (const QString& line : lines) {
            const QStringList w = line.split(QLatin1Char(' '));
            ASSERT_FALSE(w.first() == QLatin1String("ERROR")) << line.toStdString();
            if (w.first() == QLatin1String("GRID") && checkGrid)
                checkGridLine(w);
            if (w.first() == QLatin1String("START"))
                forgetPast(w.value(1).toInt());
            const int row = w.value(1).toInt();
            if (w.first() == QLatin1String("DONE") && w.size() == 4) {
                expected.contacts[row] = w[2];
                expected.received[row] = w[3];
            }
            if (w.first() == QLatin1String("DELETING"))
                expected.uncertain[row] = expected.contacts.take(row);
            if (w.first() == QLatin1String("DELETED"))
                expected.uncertain.remove(row);
            if (w.first() == QLatin1String("RESTORING"))
                expected.uncertain[row] = QString();
            if (w.first() == QLatin1String("RESTORED"))
                expected.uncertain.remove(row);
        }
    }

    void forgetPast(int nextRow)
    {
        for (auto it = expected.uncertain.begin(); it != expected.uncertain.end();)
            it = it.key() >= nextRow ? expected.uncertain.erase(it) : std::next(it);
    }

    void checkGridLine(const QStringList& words)
    {
        QMap<int, QString> grid; // row -> call:received
        for (int i = 1; i < words.size(); ++i) {
            const int colon = words[i].indexOf(QLatin1Char(':'));
            grid[words[i].left(colon).toInt()] = words[i].mid(colon + 1);
        }
        for (auto it = expected.contacts.cbegin(); it != expected.contacts.cend(); ++it) {
            if (grid.value(it.key()) != it.value() + QLatin1Char(':') + expected.received.value(it.key())) {
                ++lost;
                ADD_FAILURE() << "row " << it.key() << " " << it.value().toStdString() << " "
                              << expected.received.value(it.key()).toStdString() << " not in the grid";
            }
        }
    }

    // Every completed contact has its stamp beside it, whole and in step.
    void checkStamps(const QByteArray& log)
    {
        const QByteArray stamps = readFile(QStringLiteral("system.kvx"));
        for (auto it = expected.contacts.cbegin(); it != expected.contacts.cend(); ++it) {
            if (log.size() < it.key() * logbook::Contact::Size)
                continue; // a lost record, counted already
            const qsizetype at = qsizetype(it.key() - 1) * logbook::ContactStamp::Size;
            const auto stamp = stamps.size() >= at + logbook::ContactStamp::Size
                ? logbook::ContactStamp::decode(stamps.constData() + at) : std::nullopt;
            const auto record = logbook::Contact::decode(log.constData() + (it.key() - 1) * logbook::Contact::Size);
            if (!stamp || !stamp->matches(record.fields[logbook::Time])) {
                ++lost;
                ADD_FAILURE() << "row " << it.key() << " has no stamp in step with it";
            }
        }
    }

    void checkFiles()
    {
        const QByteArray stateBytes = readFile(QStringLiteral("cfg.kvl"));
        ASSERT_EQ(stateBytes.size(), logbook::StateRecord::Size);
        const logbook::StateRecord state = logbook::StateRecord::decode(stateBytes.constData());
        const QByteArray log = readFile(QStringLiteral("system.kvl"));
        EXPECT_GE(log.size() / logbook::Contact::Size, state.nextRow - 1);
        const int counted = std::accumulate(state.bandCounters.begin(), state.bandCounters.end(), 0);
        EXPECT_EQ(counted, state.nextRow - 1) << "the counters disagree with the log";
        for (auto it = expected.contacts.cbegin(); it != expected.contacts.cend(); ++it) {
            const int row = it.key();
            const bool present = row < state.nextRow && log.size() >= row * logbook::Contact::Size
                && logbook::Contact::decode(log.constData() + (row - 1) * logbook::Contact::Size).fields[logbook::Call]
                    == it.value();
            if (!present) {
                ++lost;
                const QString found = log.size() >= row * logbook::Contact::Size
                    ? logbook::Contact::decode(log.constData() + (row - 1) * logbook::Contact::Size).fields[logbook::Call]
                    : QStringLiteral("(past the end)");
                ADD_FAILURE() << "row " << row << " " << it.value().toStdString() << " lost: next row " << state.nextRow
                              << ", record holds " << found.toStdString();
            }
        }
        checkStamps(log);
        for (int row = 1; row < state.nextRow; ++row) {
            const auto record = logbook::Contact::decode(log.constData() + (row - 1) * logbook::Contact::Size);
            if (!expected.uncertain.contains(row)) {
                EXPECT_FALSE(record.fields[logbook::Call].isEmpty()) << "an empty contact inside the log at row " << row;
            }
        }
    }
};

} // namespace

TEST_F(CrashTest, NoReportedContactIsLostWhenTheProgramIsKilled)
{
    const quint32 seed = qEnvironmentVariableIsSet("KVL_CRASH_SEED")
        ? quint32(qEnvironmentVariableIntValue("KVL_CRASH_SEED"))
        : QRandomGenerator::global()->generate();
    const int kills = qEnvironmentVariableIsSet("KVL_CRASH_KILLS") ? qEnvironmentVariableIntValue("KVL_CRASH_KILLS") : 50;
    std::printf("crash test seed %u (set KVL_CRASH_SEED to repeat), %d kills\n", seed, kills);
    QRandomGenerator rng(seed);
    int survived = 0;
    for (int kill = 0; kill < kills && !HasFatalFailure(); ++kill) {
        follow(runChild(rng.generate(), int(rng.bounded(20, 400))), kill > 0);
        checkFiles();
        ++survived;
    }
    follow(runChild(rng.generate(), 0), true); // the last start-up brings everything back
    std::printf("kills survived: %d\ncontacts lost: %d\ncontacts checked: %lld\n", survived, lost,
                static_cast<long long>(expected.contacts.size()));
    EXPECT_EQ(lost, 0);
}

namespace {

// Reads the child's output until it holds `count` lines starting with `word`.
bool readUntil(QProcess& child, QByteArray& out, const QByteArray& word, int count)
{
    while (out.count("\n" + word) + int(out.startsWith(word)) < count) {
        if (!child.waitForReadyRead(20000))
            return false;
        out += child.readAllStandardOutput();
    }
    return true;
}

} // namespace

// The lock of a killed child is taken over by every restart of the test
// above; here a second copy meets a live one.
TEST_F(CrashTest, ASecondCopyInTheFolderSaysSoAndTheFirstLogsOn)
{
    QProcess first;
    first.start(QStringLiteral(KVL_CRASH_CHILD), {path(), QStringLiteral("1")});
    QByteArray firstOut;
    ASSERT_TRUE(readUntil(first, firstOut, "DONE", 1)) << firstOut.toStdString();

    QProcess second;
    second.start(QStringLiteral(KVL_CRASH_CHILD), {path(), QStringLiteral("2")});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 3);
    const QString said = QString::fromUtf8(second.readAllStandardOutput());
    EXPECT_TRUE(said.startsWith(QStringLiteral("ERROR KVL уже запущен"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QString::number(first.processId()))) << said.toStdString();

    const int done = int(firstOut.count("DONE"));
    EXPECT_TRUE(readUntil(first, firstOut, "DONE", done + 3)) << firstOut.toStdString();
    first.kill();
    first.waitForFinished(10000);
}
