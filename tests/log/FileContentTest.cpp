// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileContent.h"
#include "common/FolderLock.h"
#include "common/IniSettings.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/WorkDir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <sys/stat.h>

using namespace logbook;

namespace {

// What stands in a file's place but is none: every reader and writer refuses
// it at once (the test's own time limit catches a hang) and leaves it as it is.
QStringList noFiles()
{
    EXPECT_EQ(::mkfifo("fifo", 0600), 0);
    EXPECT_TRUE(QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("zero")));
    EXPECT_TRUE(QDir().mkdir(QStringLiteral("folder")));
    return {QStringLiteral("fifo"), QStringLiteral("zero"), QStringLiteral("folder")};
}

} // namespace

class FileContentTest : public WorkDirTest
{
};

TEST_F(FileContentTest, WhatIsNoFileIsRefusedAtOnceNamedAndLeftAsItIs)
{
    for (const QString& name : noFiles()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(name);
        EXPECT_TRUE(errorOf([&] { openRegular(file, QIODevice::ReadWrite | QIODevice::ExistingOnly); }).contains(name));
        EXPECT_TRUE(errorOf([&] { writeWholeFile(name, "x"); }).contains(name));
        IniSettings ini(name);
        EXPECT_FALSE(ini.readable());
        EXPECT_FALSE(ini.refusal().isEmpty());
        ini.setValue(QStringLiteral("Rig/model"), 2);
        EXPECT_THROW(ini.save(), KvlError);
        EXPECT_FALSE(QFileInfo(name).isFile());
    }
}

TEST_F(FileContentTest, AReadNeverPassesItsBound)
{
    // Huge and sparse: refused by its size, before anything is read.
    writeFile(QStringLiteral("huge"), {});
    ASSERT_TRUE(QFile(QStringLiteral("huge")).resize(qint64(2) << 30));
    EXPECT_FALSE(IniSettings(QStringLiteral("huge")).readable());
    // A file whose size says nothing (size 0, yet text) is held to the bound while read.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/maps"), QStringLiteral("grows")));
    ASSERT_EQ(QFileInfo(QStringLiteral("grows")).size(), 0);
    EXPECT_THROW(readWholeFile(QStringLiteral("grows"), 16), FileTooLarge);
}

// A second process in the folder is refused while the first holds the lock,
// also once kvl.lock is deleted; the first one's end frees it.
TEST_F(FileContentTest, TheFolderLockHoldsAcrossProcessesWithoutItsFile)
{
    if (qEnvironmentVariableIsSet("KVL_LOCK_PROBE")) {
        ASSERT_TRUE(QDir::setCurrent(qEnvironmentVariable("KVL_LOCK_PROBE")));
        FolderLock probe;
        const std::optional<QString> refusal = probe.take();
        std::printf("%s\n", refusal ? qPrintable(*refusal) : "taken");
        return;
    }
    const auto probe = [this] {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KVL_LOCK_PROBE"), path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=FileContentTest.TheFolderLock*")});
        EXPECT_TRUE(child.waitForFinished(60000));
        return QString::fromLocal8Bit(child.readAllStandardOutput());
    };
    auto first = std::make_unique<FolderLock>();
    ASSERT_FALSE(first->take());
    ASSERT_TRUE(QFile::remove(QStringLiteral("kvl.lock")));
    EXPECT_TRUE(probe().contains(QStringLiteral("KVL уже запущен")));
    first.reset();
    EXPECT_TRUE(probe().contains(QStringLiteral("taken")));
}
