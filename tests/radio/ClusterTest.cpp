#include "radio/ClusterSettings.h"
#include "tests/support/WorkDir.h"

#include <gtest/gtest.h>

using namespace radio;

using ClusterSettingsTest = WorkDirTest;

TEST_F(ClusterSettingsTest, AreWrittenAndReadBackAndABadPortIsNamed)
{
    for (const ClusterSettings& settings :
         {ClusterSettings {QStringLiteral("dxc.example.org"), 8000, QStringLiteral("UA3AAA"), 15}, ClusterSettings {}}) {
        writeClusterSettings(settings);
        const ClusterSettingsRead read = readClusterSettings();
        EXPECT_EQ(read.settings, settings) << qPrintable(settings.host);
        EXPECT_EQ(read.problem, QString());
    }
    writeFile(logbook::kIniFileName, "[Cluster]\nhost=dxc.example.org\nport=abc\n");
    const ClusterSettingsRead read = readClusterSettings();
    EXPECT_EQ(read.settings.host, QStringLiteral("dxc.example.org"));
    EXPECT_EQ(read.settings.port, kDefaultClusterPort);
    EXPECT_EQ(read.problem, QStringLiteral("kvl.ini, [Cluster] port: «abc» — не номер порта; взят 7300"));
}
