#include "KvlError.h"
#include "StationDataFile.h"
#include "WorkDir.h"

using namespace setup;

class StationDataFileTest : public WorkDirTest
{
};

TEST_F(StationDataFileTest, AMissingFileIsReportedByName)
{
    try {
        readStationData(kStationDataFileName);
        FAIL();
    } catch (const KvlError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot open file Mydata.kvl"));
    }
}

TEST_F(StationDataFileTest, LinesRoundTrip)
{
    QStringList lines(105, QString());
    lines[4] = QStringLiteral("UA9XYZ");
    lines[20] = QStringLiteral("Чемпионат РА");
    lines[104] = QStringLiteral("last");
    writeStationData(kStationDataFileName, lines);
    EXPECT_EQ(readStationData(kStationDataFileName), lines);
}
