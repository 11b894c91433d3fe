// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/BandTable.h"
#include "radio/RigModes.h"
#include "radio/RigTracker.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace radio;
using logbook::Mode;

TEST(ContestBand, OfAFrequency)
{
    const std::pair<qint64, int> cases[] = {
        {1'799'999, -1}, {1'800'000, 0}, {2'000'000, 0}, {2'000'001, -1}, {3'500'000, 1},   {3'800'000, 1},
        {3'800'001, -1}, {7'010'000, 2}, {7'200'000, 2}, {10'120'000, -1}, {14'000'000, 3}, {14'250'000, 3},
        {14'350'001, -1}, {21'450'000, 4}, {27'999'999, -1}, {28'000'000, 5}, {29'700'000, 5}, {0, -1}, {-7'010'000, -1},
    };
    for (const auto& [hz, band] : cases)
        EXPECT_EQ(logbook::contestBandOfFrequency(hz).value_or(-1), band) << hz;
}

TEST(RigMode, GivesTheLoggersMode)
{
    const std::pair<const char*, std::optional<Mode>> cases[] = {
        {"CW", Mode::CW},      {"CWR", Mode::CW},      {"CWN", Mode::CW},    {"USB", Mode::SSB},
        {"LSB", Mode::SSB},    {"AM", Mode::SSB},      {"FM", Mode::SSB},    {"PKTUSB", Mode::SSB},
        {"FM-D", Mode::SSB},   {"RTTY", std::nullopt}, {"D-STAR", std::nullopt}, {"cw", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [name, mode] : cases)
        EXPECT_EQ(logModeOfRigMode(QString::fromLatin1(name)), mode) << name;
}

namespace {

// One attempt: a reading, or a failure when `failure` is set.
struct Step
{
    Millis at;
    double hz;
    const char* mode;
    const char* failure;
    const char* events;
    Millis next;
};

QString eventText(const RigEvents& e)
{
    QStringList parts;
    if (!e.lost.isEmpty())
        parts << QStringLiteral("lost: ") + e.lost;
    if (e.reconnected)
        parts << QStringLiteral("reconnected");
    if (!e.notice.isEmpty())
        parts << QStringLiteral("notice: ") + e.notice;
    if (e.frequencyHz)
        parts << QStringLiteral("state %1 %2").arg(*e.frequencyHz).arg(e.mode);
    if (e.band)
        parts << QStringLiteral("band %1").arg(*e.band);
    if (e.logMode)
        parts << QStringLiteral("mode ") + logbook::modeText(*e.logMode);
    return parts.join(QStringLiteral(", "));
}

void play(RigTracker& tracker, const std::vector<Step>& steps)
{
    for (const Step& s : steps) {
        const RigEvents events = s.failure ? tracker.failed(QString::fromLatin1(s.failure), s.at)
                                           : tracker.answered({s.hz, QString::fromLatin1(s.mode)}, s.at);
        EXPECT_EQ(eventText(events), QString::fromUtf8(s.events)) << "at " << s.at;
        EXPECT_EQ(tracker.nextAttempt(), s.next) << "at " << s.at;
    }
}

const char* const kLost = "lost: Трансивер не отвечает: IO error (модель 2, localhost:4532). Полоса и вид работы — "
                          "вручную, пока он не ответит";

} // namespace

TEST(RigTracker, EveryChangeInsideTheContestBandsNamesItsBandAndModeAndNothingOutside)
{
    RigTracker tracker(QStringLiteral("модель 2, localhost:4532"));
    play(tracker, {
        {0, 145e6, "FM", nullptr, "state 145000000 FM", 250},
        {250, 7.010e6, "CW", nullptr, "state 7010000 CW, band 2, mode CW", 500},
        {500, 7.010e6, "CW", nullptr, "", 750}, // unchanged: the logger's own choice stands
        {750, 7.020e6, "CWR", nullptr, "state 7020000 CWR, band 2, mode CW", 1000},
        {1000, 10.120e6, "USB", nullptr, "state 10120000 USB", 1250},
        {1250, 14.080e6, "RTTY", nullptr, "state 14080000 RTTY, band 3", 1500},
        {1500, 14.200e6, "LSB", nullptr, "state 14200000 LSB, band 3, mode SSB", 1750},
    });
}

TEST(RigTracker, ASettingRefusedOrNotReachedInTimeGivesTheRigsBandWithItsReason)
{
    RigTracker tracker(QStringLiteral("модель 2, localhost:4532"));
    play(tracker, {{0, 7.010e6, "CW", nullptr, "state 7010000 CW, band 2, mode CW", 250}});
    EXPECT_EQ(eventText(tracker.refused(QStringLiteral("Protocol error"))),
              QString::fromUtf8("notice: трансивер не принял настройку (Protocol error): полоса — по трансиверу, "
                                "band 2, mode CW"));
    tracker.tuned(3, 250);
    play(tracker, {
        {250, 7.010e6, "CW", nullptr, "", 500},
        {1250, 7.010e6, "CW", nullptr, "notice: трансивер не перешёл на 20 м: полоса — по трансиверу, band 2, mode CW",
         1500},
        {1500, 7.010e6, "CW", nullptr, "", 1750},
    });
    tracker.tuned(3, 1750);
    play(tracker, {
        {2000, 14.010e6, "CW", nullptr, "state 14010000 CW, band 3, mode CW", 2250},
        {3000, 14.010e6, "CW", nullptr, "", 3250}, // reached: nothing more
    });
}

TEST(RigTracker, ReportsALossOnceAndFollowsTheRigAgainWhenItAnswers)
{
    RigTracker tracker(QStringLiteral("модель 2, localhost:4532"));
    play(tracker, {
        {0, 7.010e6, "CW", nullptr, "state 7010000 CW, band 2, mode CW", 250},
        {250, 0, "", "IO error", "", 500}, // one failed reading is tried again at once
        {500, 7.010e6, "CW", nullptr, "", 750},
        {750, 0, "", "IO error", "", 1000},
        {1000, 0, "", "IO error", kLost, 3000},
        {3000, 0, "", "Connection refused", "", 5000},
        {5000, 0, "", "Connection refused", "", 7000},
        {7000, 7.010e6, "CW", nullptr, "reconnected, notice: трансивер снова отвечает: полоса и вид работы — по нему, "
                                       "state 7010000 CW, band 2, mode CW", 7250},
        {7250, 0, "", "IO error", "", 7500},
        {7500, 0, "", "IO error", kLost, 9500},
    });
    EXPECT_FALSE(tracker.connected());
}

TEST(RigTracker, ARigThatNeverAnswersOrAnswersGarbageIsLost)
{
    const std::vector<std::vector<Step>> scripts = {
        {{0, 0, "", "IO error", kLost, 2000}, {2000, 0, "", "IO error", "", 4000}},
        {{0, -5, "CW", nullptr, "lost: Трансивер не отвечает: отвечает -5 Гц, это не частота (модель 2, "
                                "localhost:4532). Полоса и вид работы — вручную, пока он не ответит", 2000}},
        {{0, 7.01e6, "CW", nullptr, "state 7010000 CW, band 2, mode CW", 250},
         {250, std::nan(""), "CW", nullptr, "", 500},
         {500, 1e15, "CW", nullptr, "lost: Трансивер не отвечает: отвечает 1e+15 Гц, это не частота "
                                    "(модель 2, localhost:4532). Полоса и вид работы — вручную, пока он не ответит", 2500}},
    };
    for (const auto& script : scripts) {
        RigTracker tracker(QStringLiteral("модель 2, localhost:4532"));
        play(tracker, script);
    }
}
