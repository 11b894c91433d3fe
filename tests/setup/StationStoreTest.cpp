// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/IniStore.h"
#include "setup/StationStore.h"
#include "tests/support/WorkDir.h"

#include <gtest/gtest.h>

using namespace setup;

// Every reader sees an edit at once; a line that did not change is not said,
// and the sub-tour times follow their text.
TEST(StationStoreTest, ChangesAreSaidOnceAndTheTimesFollowTheirText)
{
    StationStore store;
    QList<int> said;
    QObject::connect(&store, &StationStore::changed, [&](int line) { said << line; });
    QStringList lines(kTemplateLineCount);
    lines[CallSign] = QStringLiteral("UA9XYZ");
    lines[SubTourTimes] = QStringLiteral("Туры: 10:00, 11:00");
    store.setLines(lines);
    EXPECT_EQ(said, (QList<int> {CallSign, SubTourTimes}));
    store.setField(CallSign, QStringLiteral("UA9XYZ"));
    EXPECT_EQ(said.size(), 2);
    EXPECT_EQ(store.subTourTimeList(), (std::vector<QTime> {QTime(10, 0), QTime(11, 0)}));
    store.setField(SubTourTimes, QStringLiteral("12:00"));
    EXPECT_EQ(store.subTourTimeList(), std::vector<QTime> {QTime(12, 0)});
}

using IniStoreTest = WorkDirTest;

// kvl.ini is written only for a value that differs from the one held, so a
// station that sets nothing gets none; an edit made outside shows at the next
// load, said by its section only.
TEST_F(IniStoreTest, WritesOnlyWhatChangedAndSaysWhichSectionChanged)
{
    IniStore ini;
    QList<IniStore::Section> said;
    QObject::connect(&ini, &IniStore::changed, [&](IniStore::Section s) { said << s; });
    ini.load();
    ini.setRig({});
    ini.setExports({});
    ini.setAssisted(false);
    ini.setMasterPath(QStringLiteral("  "));
    EXPECT_FALSE(QFile::exists(QStringLiteral("kvl.ini")));
    EXPECT_TRUE(said.isEmpty());
    ini.setMasterPath(QStringLiteral(" calls.scp "));
    writeFile(QStringLiteral("kvl.ini"), readFile(QStringLiteral("kvl.ini")) + "[Export]\npower=QRP\n");
    ini.load();
    EXPECT_EQ(said, (QList<IniStore::Section> {IniStore::Section::Master, IniStore::Section::Exports}));
    EXPECT_EQ(ini.masterPath(), QStringLiteral("calls.scp"));
    EXPECT_EQ(ini.exports().power, QStringLiteral("QRP"));
    ini.setAssisted(true);
    EXPECT_EQ(readExportOptions(), (ExportOptions {QString(), QStringLiteral("QRP"), true}));
}
