// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Multipliers.h"

#include <gtest/gtest.h>

using namespace scoring;
using logbook::Mode;

namespace {

std::vector<Multiplier> multipliers(const char* words)
{
    const MultipliersRead read = readMultipliers(QString::fromLatin1(words));
    EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    return read.multipliers;
}

CountedContact contact(int band, Mode mode, int subTour, const char* call, const char* received)
{
    return {{band, mode}, subTour, QString::fromLatin1(call), QString::fromLatin1(received).split(QLatin1Char(' '))};
}

// What each contact brings, in log order.
std::vector<int> brought(MultiplierTally tally, const std::vector<CountedContact>& contacts)
{
    std::vector<int> counts;
    for (const CountedContact& c : contacts)
        counts.push_back(tally.add(c));
    return counts;
}

} // namespace

// Short logs written from the published rules. Vladimir Test: each district
// and each locator field once per band and mode. Wake-Up!: each station once
// per band over the whole contest.
TEST(MultipliersTest, EachIsCountedOnceInItsScope)
{
    const CodeLists lists = {{QStringLiteral("vl"), {QStringLiteral("VL01"), QStringLiteral("VL02")}}};
    const ExchangeForm vladimir = readExchangeForm(QStringLiteral("serial code:vl|locator4")).form;
    EXPECT_EQ(brought({multipliers("code:vl locator-field"), MultiplierScope::BandAndMode, vladimir, lists},
                      {contact(1, Mode::CW, 1, "RA3VAA", "001 VL01"), contact(1, Mode::CW, 1, "UA3AB", "002 KO85"),
                       contact(1, Mode::CW, 2, "UA3AC", "003 KO86"), // KO again
                       contact(1, Mode::SSB, 2, "RA3VAB", "004 VL01"), contact(0, Mode::CW, 3, "UA1AA", "005 LO01")}),
              (std::vector<int> {1, 1, 0, 1, 1}));

    const ExchangeForm wakeUp = readExchangeForm(QStringLiteral("rst serial suffix")).form;
    EXPECT_EQ(brought({multipliers("call"), MultiplierScope::Band, wakeUp, {}},
                      {contact(2, Mode::CW, 1, "UA3AAA", "579 001 QRP"), contact(2, Mode::CW, 1, "UA3BBB", "599 002 AAA"),
                       contact(3, Mode::CW, 1, "UA3AAA", "599 003 BBB"), contact(2, Mode::CW, 2, "UA3AAA", "599 004 AAA")}),
              (std::vector<int> {1, 1, 1, 0}));

    EXPECT_TRUE(readMultipliers(QStringLiteral("call district")).error.startsWith(QStringLiteral("множитель «district»")));
}
