// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KvlError.h"
#include "log/RecordFile.h"
#include "tests/support/WorkDir.h"

#include <QDir>

using logbook::RecordFile;

class RecordFileTest : public WorkDirTest
{
};

TEST_F(RecordFileTest, WritingAMissingFileFailsNamingIt)
{
    const RecordFile file(QStringLiteral("system.kvl"), 4);
    try {
        file.write(0, "abcd");
        FAIL() << "no error";
    } catch (const KvlError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("system.kvl"))) << e.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("system.kvl")));
}

TEST_F(RecordFileTest, WritesAppendOverwriteAndFillGapsWithZeros)
{
    const RecordFile file(QStringLiteral("f.kvl"), 4);
    file.createEmpty();
    file.write(0, "AAAA");
    file.write(1, "BBBB");
    file.write(0, "CCCC");
    file.write(4, "DDDD");
    EXPECT_EQ(readFile(QStringLiteral("f.kvl")), QByteArray("CCCCBBBB") + QByteArray(8, '\0') + "DDDD");
    EXPECT_EQ(file.recordCount(), 5);
}

TEST_F(RecordFileTest, ReadsStopAtTheLastWholeRecord)
{
    writeFile(QStringLiteral("f.kvl"), "AAAABBBBCC");
    const RecordFile file(QStringLiteral("f.kvl"), 4);
    struct Case
    {
        qint64 first, count;
        QByteArray expected;
    };
    const Case cases[] = {{0, 10, "AAAABBBB"}, {1, 1, "BBBB"}, {2, 5, ""}, {7, 1, ""}, {0, 0, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(file.read(c.first, c.count), c.expected) << c.first << " " << c.count;
    EXPECT_EQ(file.recordCount(), 2);
}

TEST_F(RecordFileTest, NamesMatchWithoutRegardToCase)
{
    writeFile(QStringLiteral("SYSTEM.KVL"), "AAAA");
    const RecordFile file(QStringLiteral("system.kvl"), 4);
    EXPECT_TRUE(file.exists());
    file.write(1, "BBBB");
    EXPECT_EQ(readFile(QStringLiteral("SYSTEM.KVL")), QByteArray("AAAABBBB"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("system.kvl")) && QFile::exists(QStringLiteral("SYSTEM.KVL"))
                 && QDir().entryList(QDir::Files).size() > 1);
}

TEST_F(RecordFileTest, AFolderInThePlaceOfTheFileIsAnError)
{
    QDir().mkdir(QStringLiteral("system.kvl"));
    const RecordFile file(QStringLiteral("system.kvl"), 4);
    EXPECT_THROW(file.write(0, "AAAA"), KvlError);
    EXPECT_THROW(file.read(0, 1), KvlError);
}

TEST_F(RecordFileTest, RemovingAMissingFileIsNotAnError)
{
    const RecordFile file(QStringLiteral("f.kvl"), 4);
    EXPECT_NO_THROW(file.remove());
    file.createEmpty();
    file.remove();
    EXPECT_FALSE(file.exists());
}
