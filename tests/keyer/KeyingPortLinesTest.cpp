// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/KeyingPortLines.h"
#include "tests/support/LineRecorder.h"
#include "tests/support/VirtualKeyerTime.h"

#include <gtest/gtest.h>

using namespace keyer;

// The keyer and the voice PTT switch one port: RTS stays on while either
// holds it, and the voice never keys DTR.
TEST(KeyingPortLinesTest, EachHandHoldsItsOwnPtt)
{
    VirtualKeyerTime time;
    LineRecorder port(time);
    KeyingPortLines lines(port);
    enum Hand { Keyer, Voice };
    const struct
    {
        Hand hand;
        Line line;
        bool on;
        bool dtr, rts; // the port's lines after the step
    } steps[] = {
        {Voice, Line::RTS, true, false, true},   {Keyer, Line::RTS, true, false, true},
        {Keyer, Line::DTR, true, true, true},    {Voice, Line::DTR, false, true, true},
        {Keyer, Line::DTR, false, false, true},  {Voice, Line::RTS, false, false, true},
        {Keyer, Line::RTS, false, false, false}, {Voice, Line::DTR, true, false, false},
    };
    bool dtr = false, rts = false;
    for (const auto& s : steps) {
        KeyingLines& hand = s.hand == Keyer ? lines.keyerHand() : lines.voiceHand();
        s.line == Line::DTR ? hand.setDTR(s.on) : hand.setRTS(s.on);
        for (const Edge& e : port.edges())
            (e.line == Line::DTR ? dtr : rts) = e.on;
        port.clear();
        EXPECT_EQ(dtr, s.dtr) << &s - steps;
        EXPECT_EQ(rts, s.rts) << &s - steps;
    }
}
