// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ContactLog.h"
#include "scoring/WorkedIndex.h"

#include <gtest/gtest.h>

using logbook::Mode;
using scoring::SpotMark;

namespace {

// UA1AA on 80 CW in the first sub-tour, UA2BB on 80 CW and UA3CC on 40 SSB in
// the second, which begins at record 1; UA3CC logged at 10:20.
void fill(logbook::ContactLog& log)
{
    const char* rows[][3] = {{"10:00", "80CW", "UA1AA"}, {"10:15", "80CW", "UA2BB"}, {"10:20", "40SSB", "UA3CC"}};
    int row = 0;
    for (const auto& r : rows) {
        ++row;
        log.setCell(row, logbook::Time, QLatin1String(r[0]));
        log.setCell(row, logbook::BandMode, QLatin1String(r[1]));
        log.setCell(row, logbook::Call, QLatin1String(r[2]));
    }
}

} // namespace

// The band map's marks by the repeat rule of the current sub-tour: a station
// worked only in an earlier one is new again; the scope and the gap are the
// contest's.
TEST(WorkedIndex, MarksFollowTheSubTourTheScopeAndTheGap)
{
    logbook::ContactLog log;
    fill(log);
    const scoring::RepeatRule bandAndMode;
    const scoring::RepeatRule band {scoring::RepeatScope::Band, {}};
    const scoring::RepeatRule tenMinutes {scoring::RepeatScope::BandAndMode, {10, false}};
    const struct
    {
        const char* call;
        logbook::BandAndMode spot;
        scoring::RepeatRule rule;
        SpotMark mark;
    } cases[] = {
        {"UA1AA", {1, Mode::CW}, bandAndMode, SpotMark::Again},
        {"UA1AA", {2, Mode::CW}, bandAndMode, SpotMark::New},
        {"UA2BB", {1, Mode::CW}, bandAndMode, SpotMark::Repeat},
        {"UA2BB", {1, Mode::SSB}, bandAndMode, SpotMark::New},
        {"UA2BB", {1, Mode::SSB}, band, SpotMark::Repeat},
        {"UA9ZZ", {1, Mode::CW}, bandAndMode, SpotMark::New},
        {"UA3CC", {1, Mode::CW}, tenMinutes, SpotMark::Repeat}, // 10:25: five minutes after it
        {"UA2BB", {2, Mode::CW}, tenMinutes, SpotMark::New},    // ten minutes after it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.call) + " " + logbook::bandModeWord(c.spot.band, c.spot.mode).toStdString());
        const scoring::WorkedIndex index(log, 4, 1, c.rule, QTime(10, 25));
        EXPECT_EQ(index.mark(QLatin1String(c.call), c.spot), c.mark);
    }
}
