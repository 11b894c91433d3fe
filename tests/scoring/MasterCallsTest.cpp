// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/MasterCallsLoader.h"
#include "scoring/MasterFile.h"
#include "scoring/MasterMatch.h"
#include "tests/support/WorkDir.h"

#include <QSignalSpy>
#include <QTest>
#include <cstdio>

using namespace scoring;

namespace {

const QByteArray kMaster = "# contest calls\r\nUA9XX\r\nra3abc\r\n\r\nUA9XX\r\n  R9ABC/P \r\nUA 9ZZ\r\nUA9-X\r\nDL1ABC\n"
                           "K1ABC\nUA9XXA\nRA3AB\n9A2ABCD\n";

std::vector<MasterCall> match(const QString& typed, const WorkedCalls& worked = {})
{
    return matchMaster(parseMasterCalls(kMaster), typed, worked, 40);
}

QStringList calls(const std::vector<MasterCall>& line, bool correction)
{
    QStringList out;
    for (const MasterCall& c : line) {
        if (c.correction == correction)
            out << c.call;
    }
    return out;
}

} // namespace

TEST(MasterCallsTest, TheFileGivesEachCallOnceInItsOrderSkippingWhatIsNone)
{
    const MasterIndex index = parseMasterCalls(kMaster);
    QStringList all;
    for (int i = 0; i < index.size(); ++i)
        all << QString::fromLatin1(index.call(i));
    EXPECT_EQ(all, QStringList({"UA9XX", "RA3ABC", "R9ABC/P", "DL1ABC", "K1ABC", "UA9XXA", "RA3AB", "9A2ABCD"}));
}

TEST(MasterCallsTest, AFragmentAnywhereFindsTheCallsInFileOrder)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"UA", {"UA9XX", "UA9XXA"}},
        {"ABC", {"RA3ABC", "R9ABC/P", "DL1ABC", "K1ABC", "9A2ABCD"}},
        {"C/P", {"R9ABC/P"}},
        {"XXA", {"UA9XXA"}},
        {"3AB", {"RA3ABC", "RA3AB"}},
        {"Q", {}},
        {"QQQ", {}},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(calls(match(QLatin1String(typed)), false), expected) << typed;
}

TEST(MasterCallsTest, ACallTheFileLacksShowsTheCallsOneCharacterAway)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"UA9XY", {"UA9XX"}},           // changed
        {"UA9XXB", {"UA9XX", "UA9XXA"}}, // added
        {"DL1AC", {"DL1ABC"}},          // dropped
        {"K1ABD", {"K1ABC"}},
        {"RA3ABC", {}},                 // in the file
        {"UA", {}},                     // too short to correct
        {"ZZZZZ", {}},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(calls(match(QLatin1String(typed)), true), expected) << typed;
    // A call one character longer that contains the typed one is a partial match.
    EXPECT_EQ(calls(match(QStringLiteral("UA9X")), false), QStringList({"UA9XX", "UA9XXA"}));
    EXPECT_EQ(calls(match(QStringLiteral("UA9X")), true), QStringList());
}

TEST(MasterCallsTest, RepeatsAndLoggedCallsAreMarked)
{
    logbook::ContactLog grid;
    const char* const rows[][2] = {{"DL1ABC", "20CW"}, {"K1ABC", "20CW"}, {"RA3ABC", "40CW"}, {"R9ABC/P", "20CW"}};
    for (int row = 1; row <= 4; ++row) {
        grid.setCell(row, logbook::Call, QLatin1String(rows[row - 1][0]));
        grid.setCell(row, logbook::BandMode, QLatin1String(rows[row - 1][1]));
    }
    // Record 0 is before the sub-tour, record 2 on another band-mode; row 4 is being entered.
    const WorkedCalls worked = workedCalls(grid, 4, QStringLiteral("20CW"), 1);
    QMap<QString, MasterMark> marks;
    for (const MasterCall& c : match(QStringLiteral("ABC"), worked))
        marks[c.call] = c.mark;
    EXPECT_EQ(marks.value("K1ABC"), MasterMark::Repeat);
    EXPECT_EQ(marks.value("DL1ABC"), MasterMark::Logged);
    EXPECT_EQ(marks.value("RA3ABC"), MasterMark::Logged);
    EXPECT_EQ(marks.value("R9ABC/P"), MasterMark::None);
}

class MasterLoaderTest : public WorkDirTest
{
protected:
    bool waitFor(const char* call)
    {
        return QTest::qWaitFor([&] { return m_loader.index() && m_loader.index()->contains(call); }, 5000);
    }
    MasterCallsLoader m_loader;
};

TEST_F(MasterLoaderTest, AFileReplacedByRenameIsLoadedAgain)
{
    writeFile("master.scp", "UA9XX\n");
    m_loader.follow({});
    EXPECT_TRUE(m_loader.inUse());
    ASSERT_TRUE(waitFor("UA9XX"));
    writeFile("edited.tmp", "RA3ABC\nK1ABC\n");
    ASSERT_EQ(std::rename("edited.tmp", "master.scp"), 0); // as editors save
    ASSERT_TRUE(waitFor("K1ABC"));
    EXPECT_FALSE(m_loader.index()->contains("UA9XX"));
    ASSERT_TRUE(QFile::remove("master.scp"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_loader.inUse() && !m_loader.index(); }, 5000));
}

TEST_F(MasterLoaderTest, ABadFileIsSaidOnceUntilItChanges)
{
    QSignalSpy failed(&m_loader, &MasterCallsLoader::failed);
    writeFile("MASTER.SCP", QByteArray("UA9XX\n\0\x01", 8));
    m_loader.follow({});
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed.at(0).at(0).toString().contains("MASTER.SCP"));
    // The loader keeps the stamp of what it said: the same file is not read again.
    const MasterLoad said = loadMasterCalls({}, {});
    EXPECT_EQ(said.kind, MasterLoad::Failed);
    EXPECT_EQ(loadMasterCalls({}, said.stamp).kind, MasterLoad::Unchanged);
    QFile big("MASTER.SCP");
    ASSERT_TRUE(big.resize(kMasterMaxBytes + 1)); // sparse
    const MasterLoad oversized = loadMasterCalls({}, said.stamp);
    EXPECT_EQ(oversized.kind, MasterLoad::Failed);
    EXPECT_TRUE(oversized.message.contains("64")) << oversized.message.toStdString();
}
