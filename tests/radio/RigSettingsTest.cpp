// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KvlError.h"
#include "radio/RigSettings.h"
#include "tests/support/WorkDir.h"

using namespace radio;

using RigSettingsTest = WorkDirTest;

TEST_F(RigSettingsTest, NoFileOrNoSectionMeansNoRig)
{
    RigSettingsRead read = readRigSettings();
    EXPECT_FALSE(read.settings.enabled());
    EXPECT_EQ(read.problem, QString());
    writeFile(logbook::kIniFileName, "[Other]\nkey=1\n");
    read = readRigSettings();
    EXPECT_EQ(read.settings, RigSettings());
    EXPECT_EQ(read.problem, QString());
}

TEST_F(RigSettingsTest, AreWrittenBesideOtherSectionsAndReadBack)
{
    writeFile(logbook::kIniFileName, "[Other]\nkey=1\n");
    const RigSettings cases[] = {
        {2, QStringLiteral("127.0.0.1:4532"), 0},
        {3073, QStringLiteral("/dev/serial/by-id/usb-Silicon_Labs_CP2102-if00-port0"), 19200},
        {0, QString(), 0},
    };
    for (const RigSettings& settings : cases) {
        writeRigSettings(settings);
        const RigSettingsRead read = readRigSettings();
        EXPECT_EQ(read.settings, settings) << qPrintable(settings.port);
        EXPECT_EQ(read.problem, QString());
    }
    EXPECT_TRUE(readFile(logbook::kIniFileName).contains("[Other]\nkey=1\n"));
}

TEST_F(RigSettingsTest, ABadValueMeansNoRigAndSaysWhichValue)
{
    const std::pair<const char*, const char*> cases[] = {
        {"model=abc\nport=/dev/ttyUSB0\n", "kvl.ini, [Rig] model: «abc» — не номер модели Hamlib"},
        {"model=-1\n", "kvl.ini, [Rig] model: «-1» — не номер модели Hamlib"},
        {"model=1.5\n", "kvl.ini, [Rig] model: «1.5» — не номер модели Hamlib"},
        {"model=99999999999\n", "kvl.ini, [Rig] model: «99999999999» — не номер модели Hamlib"},
        {"model=2\nspeed=-9600\n", "kvl.ini, [Rig] speed: «-9600» — не скорость в бодах"},
        {"model=2\nspeed=fast, very\n", "kvl.ini, [Rig] speed: «fast,very» — не скорость в бодах"},
    };
    for (const auto& [section, problem] : cases) {
        writeFile(logbook::kIniFileName, QByteArray("[Rig]\n") + section);
        const RigSettingsRead read = readRigSettings();
        EXPECT_FALSE(read.settings.enabled()) << section;
        EXPECT_EQ(read.problem, QString::fromUtf8(problem) +
                                    QStringLiteral(". Трансивер не отслеживается; полоса и вид работы — вручную"))
            << section;
    }
}

TEST_F(RigSettingsTest, AFileThatCannotBeWrittenIsReported)
{
    writeFile(QStringLiteral("Mydata.kvl"), "a file, no folder");
    try {
        writeRigSettings({2, QStringLiteral("localhost:4532"), 0}, QStringLiteral("Mydata.kvl/kvl.ini"));
        ADD_FAILURE() << "wrote into a file";
    } catch (const KvlError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Не удалось записать файл kvl.ini"));
    }
}
