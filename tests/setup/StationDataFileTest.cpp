// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KvlError.h"
#include "setup/ExportOptions.h"
#include "setup/SetupFields.h"
#include "setup/StationLines.h"
#include "setup/StationDataFile.h"
#include "tests/setup/WriteLimits.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/WorkDir.h"

#include <QDir>

using namespace setup;

class StationDataFileTest : public WorkDirTest
{
};

TEST_F(StationDataFileTest, AMissingFileIsReportedByName)
{
    EXPECT_EQ(errorOf([] { readStationData(kStationDataFileName); }), QStringLiteral("Cannot open file Mydata.kvl"));
}

TEST_F(StationDataFileTest, EveryKindOfLineComesBackExactly)
{
    QStringList lines(105, QString());
    lines[0] = QStringLiteral("Иванов Ёжик №1 «кавычки»");
    lines[4] = QStringLiteral("UA9XYZ");
    lines[7] = QStringLiteral("  blanks at both ends  ");
    lines[20] = QStringLiteral("Чемпионат РА");
    lines[25] = QStringLiteral("CQ \\ {TEST} } { \\par \\'c0");
    lines[34] = QStringLiteral("tab\there, emoji 😀, 中文");
    lines[104] = QStringLiteral("{\\rtf1 not a header}");
    writeStationData(kStationDataFileName, lines);
    EXPECT_EQ(readStationData(kStationDataFileName), lines);
}

TEST_F(StationDataFileTest, TheFileIsRtfWithCyrillicAsCodePageEscapes)
{
    writeStationData(kStationDataFileName, {QStringLiteral("Иван"), QString(), QStringLiteral("UA9")});
    const QByteArray bytes = readFile(kStationDataFileName);
    EXPECT_TRUE(bytes.startsWith("{\\rtf1"));
    EXPECT_TRUE(bytes.contains("\\ansicpg1251"));
    EXPECT_TRUE(bytes.contains("\\'c8\\'e2\\'e0\\'ed\\par"));
    EXPECT_EQ(bytes.count("\\par\r\n"), 3); // one paragraph per line
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

TEST_F(StationDataFileTest, TenThousandLinesRoundTrip)
{
    QStringList lines;
    for (int i = 0; i < 10'000; ++i)
        lines << QStringLiteral("строка %1").arg(i);
    writeStationData(kStationDataFileName, lines);
    EXPECT_EQ(readStationData(kStationDataFileName), lines);
}

TEST_F(StationDataFileTest, PlainTextIsReadAsLines)
{
    struct Case
    {
        QByteArray bytes;
        QStringList lines;
    };
    const QString ivan = QStringLiteral("Иван");
    const std::vector<Case> cases = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"", {}},
        {"\xc8\xe2\xe0\xed\r\n", {ivan}},
        {"\xEF\xBB\xBF" + ivan.toUtf8() + "\n", {ivan}},
        {"rtf1 is not at the start\r\n", {"rtf1 is not at the start"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeStationData(c.bytes), c.lines) << c.bytes.toStdString();
}

TEST_F(StationDataFileTest, TheNameIsMatchedWithoutLetterCase)
{
    writeFile(QStringLiteral("MYDATA.KVL"), "plain\r\n");
    EXPECT_EQ(readStationData(kStationDataFileName), QStringList {QStringLiteral("plain")});
    writeStationData(kStationDataFileName, {QStringLiteral("new")});
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList {QStringLiteral("MYDATA.KVL")});
    EXPECT_EQ(readStationData(QStringLiteral("MYDATA.KVL")), QStringList {QStringLiteral("new")});
}

TEST_F(StationDataFileTest, AFailedWriteLeavesNoTraceAndNamesTheFile)
{
    // A folder in the file's place cannot be replaced, whoever runs the test.
    ASSERT_TRUE(QDir().mkdir(kStationDataFileName));
    EXPECT_TRUE(errorOf([] { writeStationData(kStationDataFileName, {QStringLiteral("x")}); })
                    .startsWith(QStringLiteral("Cannot create file Mydata.kvl: ")));
    EXPECT_TRUE(errorOf([] { readStationData(kStationDataFileName); }).startsWith(QStringLiteral("Cannot open file Mydata.kvl: ")));
    EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList {kStationDataFileName});
}

TEST_F(StationDataFileTest, AWriteCutShortKeepsTheOldFile)
{
    writeStationData(kStationDataFileName, {QStringLiteral("old")});
    const QByteArray old = readFile(kStationDataFileName);
    QString error;
    {
        const FileSizeLimit fullDisk(old.size() + 10);
        error = errorOf([] { writeStationData(kStationDataFileName, QStringList(105, QStringLiteral("новое"))); });
    }
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot create file Mydata.kvl: "))) << error.toStdString();
    EXPECT_EQ(readFile(kStationDataFileName), old);
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList {kStationDataFileName});
}

// The export options in kvl.ini: kept beside the rig's section, a power
// Cabrillo does not know read as none, assisted only when it says 1.
TEST_F(StationDataFileTest, ExportOptionsKeepTheRestOfKvlIni)
{
    writeFile(QStringLiteral("KVL.INI"), "[Rig]\nmodel=2\n[Export]\npower=1 kW\nassisted=yes\n");
    EXPECT_EQ(setup::readExportOptions(), setup::ExportOptions {});
    setup::writeExportOptions({QStringLiteral("RDXC"), QStringLiteral("QRP"), true});
    EXPECT_EQ(setup::readExportOptions(), (setup::ExportOptions {QStringLiteral("RDXC"), QStringLiteral("QRP"), true}));
    EXPECT_TRUE(readFile(QStringLiteral("KVL.INI")).contains("model=2"));
}

TEST_F(StationDataFileTest, AFileThatIsNotStationDataIsNamedAndRefused)
{
    const QByteArray cases[] = {
        QByteArray("UA9XX\r\n\0\x01\x02junk", 14),
        "{\\rtf1\\ansi UA9\\'01XX\\par\r\n}",
        QByteArray(kStationDataMaxBytes + 1, 'A'),
    };
    for (const QByteArray& bytes : cases) {
        writeFile(kStationDataFileName, bytes);
        EXPECT_THROW(readStationData(kStationDataFileName), NotStationData) << bytes.left(30).toStdString();
        EXPECT_TRUE(errorOf([] { readStationData(kStationDataFileName); }).contains(kStationDataFileName));
    }
    writeFile(kStationDataFileName, "UA9XX\tRA\r\n");
    EXPECT_EQ(readStationData(kStationDataFileName), QStringList {QStringLiteral("UA9XX\tRA")});
}

// Setup cannot save what the next start would refuse.
TEST_F(StationDataFileTest, EveryFieldTypedFullStillReadsBack)
{
    QStringList lines(kTemplateLineCount, QString());
    for (const SetupField& f : setupFields()) // the widest character: beyond the code page
        lines[f.line] = QString(f.maxLength > 0 ? f.maxLength : kLongestSetupText, QChar(0x4E2D));
    writeStationData(kStationDataFileName, lines);
    EXPECT_EQ(readStationData(kStationDataFileName), lines);
}
