// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KvlError.h"
#include "setup/IniStore.h"
#include "setup/StationExchange.h"
#include "tests/support/WorkDir.h"

using namespace setup;

using StationExchangeTest = WorkDirTest;

TEST_F(StationExchangeTest, ValuesRoundTripPerContestAndKeepTheRestOfTheFile)
{
    writeFile(QStringLiteral("KVL.INI"), "[Export]\npower=QRP\n");
    writeStationExchange(QStringLiteral("VLADIMIR-TEST"), {QStringLiteral(" vl "), QStringLiteral("vl01"), QString()});
    writeStationExchange(QStringLiteral("CQ-WW"), {QString(), QString(), QStringLiteral("16")});
    EXPECT_EQ(readStationExchanges(),
              (StationExchanges {{QStringLiteral("CQ-WW"), {QString(), QString(), QStringLiteral("16")}},
                                 {QStringLiteral("VLADIMIR-TEST"), {QStringLiteral("vl"), QStringLiteral("VL01"), QString()}}}));
    EXPECT_EQ(readExportOptions().power, QStringLiteral("QRP"));

    writeStationExchange(QStringLiteral("CQ-WW"), {});
    EXPECT_EQ(readStationExchanges().count(QStringLiteral("CQ-WW")), 0u);
}

TEST_F(StationExchangeTest, BadValuesReadAsEmptyAndABadFileAsNone)
{
    writeFile(QStringLiteral("kvl.ini"), "[Exchange]\nA\\zone=123\nA\\code= ua01 \nB\\zone=x7\nC\\zone= 07\n"
                                         "D\\zone=-1\nE\\group=\n");
    const StationExchanges read = readStationExchanges();
    EXPECT_EQ(read.at(QStringLiteral("A")), (StationExchange {QString(), QStringLiteral("UA01"), QString()}));
    EXPECT_EQ(read.at(QStringLiteral("C")).zone, QStringLiteral("07"));
    for (const char* none : {"B", "D", "E"})
        EXPECT_EQ(read.count(QLatin1String(none)), 0u) << none;

    QFile::remove(QStringLiteral("kvl.ini"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("kvl.ini")));
    EXPECT_TRUE(readStationExchanges().empty());
    try {
        writeStationExchange(QStringLiteral("A"), {QStringLiteral("vl"), QString(), QString()});
        FAIL() << "written into a folder";
    } catch (const KvlError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("kvl.ini"))) << qPrintable(e.message());
    }
}

TEST_F(StationExchangeTest, TheStoreWritesOnlyAChangedContestAndSaysSo)
{
    IniStore ini;
    int said = 0;
    QObject::connect(&ini, &IniStore::changed, [&](IniStore::Section s) { said += s == IniStore::Section::Exchange; });
    ini.load();
    ini.setExchange(QStringLiteral("VLADIMIR-TEST"), {QString(), QStringLiteral(" "), QStringLiteral("zone")});
    EXPECT_FALSE(QFile::exists(QStringLiteral("kvl.ini")));
    ini.setExchange(QStringLiteral("VLADIMIR-TEST"), {QStringLiteral("vl"), QStringLiteral("vl01"), QString()});
    ini.setExchange(QStringLiteral("VLADIMIR-TEST"), {QStringLiteral("vl "), QStringLiteral("VL01"), QString()});
    EXPECT_EQ(said, 1);
    EXPECT_EQ(ini.exchange(QStringLiteral("OTHER")), StationExchange());
    EXPECT_EQ(readStationExchanges(), ini.exchanges());
}
