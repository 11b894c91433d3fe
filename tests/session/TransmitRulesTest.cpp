// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/TransmitRules.h"
#include "tests/support/FakeSettings.h"

#include <gtest/gtest.h>

using logbook::Mode;
using namespace session;

// What each key puts on the air by mode and by what is on the air already:
// one transmitter, keyed by a macro or a voice call, never both.
TEST(TransmitRulesTest, EachKeyByModeAndWhatIsOnTheAir)
{
    FakeSettings settings;
    settings.lines[setup::kFMacroLines[0]] = QStringLiteral("CQ TEST");
    settings.lines[setup::kCtrlMacroLines[0]] = QStringLiteral("AGN");
    settings.lines[setup::kCtrlMacroLines[3]] = QStringLiteral("QRZ");
    settings.lines[setup::EnterMacro] = QStringLiteral("TU");
    settings.lines[setup::SpaceBarMacro] = QStringLiteral("<C>");
    const TransmitState ssb {Mode::SSB, true, false, false, false};
    const TransmitState cw {Mode::CW, true, false, false, false};
    const auto with = [](TransmitState s, auto change) {
        change(s);
        return s;
    };
    const struct
    {
        const char* name;
        TransmitKey key;
        int index;
        TransmitState state;
        const char* macro; // none: nullptr
        int voiceCall;
    } cases[] = {
        {"F1 in SSB plays CQ1", TransmitKey::Function, 0, ssb, nullptr, 1},
        {"F2 in SSB with no port plays CQ2", TransmitKey::Function, 1, with(ssb, [](auto& s) { s.portSet = false; }), nullptr, 2},
        {"F2 in SSB while CW goes out plays nothing", TransmitKey::Function, 1, with(ssb, [](auto& s) { s.cwSending = true; }), nullptr, 0},
        {"F3 in SSB", TransmitKey::Function, 2, ssb, nullptr, 0},
        {"Ctrl+F1 in SSB", TransmitKey::CtrlFunction, 0, ssb, nullptr, 0},
        {"Enter in SSB", TransmitKey::Enter, 0, ssb, nullptr, 0},
        {"F1 in CW sends its macro", TransmitKey::Function, 0, cw, "CQ TEST", 0},
        {"F1 in CW with Ctrl held sends the Ctrl bank's", TransmitKey::Function, 0, with(cw, [](auto& s) { s.ctrlLayer = true; }), "AGN", 0},
        {"Ctrl+F4 in CW", TransmitKey::CtrlFunction, 3, cw, "QRZ", 0},
        {"Enter in CW", TransmitKey::Enter, 0, cw, "TU", 0},
        {"the space bar in CW", TransmitKey::SpaceBar, 0, cw, "<C>", 0},
        {"F1 in CW with no port", TransmitKey::Function, 0, with(cw, [](auto& s) { s.portSet = false; }), nullptr, 0},
        {"F1 in CW while a message goes out", TransmitKey::Function, 0, with(cw, [](auto& s) { s.cwSending = true; }), nullptr, 0},
        {"Enter in CW while a voice call plays", TransmitKey::Enter, 0, with(cw, [](auto& s) { s.voicePlaying = true; }), nullptr, 0},
        {"F1 in SSB while a call is recorded", TransmitKey::Function, 0, with(ssb, [](auto& s) { s.recording = true; }), nullptr, 0},
    };
    for (const auto& c : cases) {
        const Transmit t = transmitFor(c.key, c.index, c.state, settings);
        EXPECT_EQ(t.macro, c.macro ? std::optional<QString>(QLatin1String(c.macro)) : std::nullopt) << c.name;
        EXPECT_EQ(t.voiceCall, c.voiceCall) << c.name;
    }
}

// F10 sends on its release wherever the focus is; the other F-keys on their
// press, from an entry field only; other modifiers send nothing.
TEST(TransmitRulesTest, WhichFunctionKeyChordsSendAndWhen)
{
    const std::optional<TransmitKey> plain = TransmitKey::Function, ctrl = TransmitKey::CtrlFunction, none;
    const struct
    {
        int index;
        FunctionChord chord;
        bool pressed, entryFocused;
        std::optional<TransmitKey> key;
    } cases[] = {
        {0, FunctionChord::Plain, true, true, plain},   {11, FunctionChord::Ctrl, true, true, ctrl},
        {0, FunctionChord::Plain, false, true, none},   {0, FunctionChord::Plain, true, false, none},
        {9, FunctionChord::Plain, true, true, none},    {9, FunctionChord::Ctrl, false, false, ctrl},
        {9, FunctionChord::Plain, false, true, plain},  {3, FunctionChord::Other, true, true, none},
        {-1, FunctionChord::Plain, true, true, none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(functionKey(c.index, c.chord, c.pressed, c.entryFocused), c.key)
            << c.index << " " << int(c.chord) << c.pressed << c.entryFocused;
}

// The buttons show the two voice calls in SSB, whatever bank is held, and in
// CW the captions of the bank held.
TEST(TransmitRulesTest, TheCaptionsFollowTheModeAndTheBankHeld)
{
    FakeSettings settings;
    settings.lines[setup::kFCaptionLines[0]] = QStringLiteral("CQ");
    settings.lines[setup::kCtrlCaptionLines[0]] = QStringLiteral("AGN");
    settings.lines[setup::kFCaptionLines[2]] = QStringLiteral("TU");
    const struct
    {
        Mode mode;
        bool ctrlLayer;
        int index;
        const char* caption;
    } cases[] = {
        {Mode::SSB, false, 0, "CQ1"}, {Mode::SSB, true, 1, "CQ2"}, {Mode::SSB, false, 2, ""},
        {Mode::CW, false, 0, "CQ"},   {Mode::CW, true, 0, "AGN"},  {Mode::CW, false, 2, "TU"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(macroCaption(c.index, c.mode, c.ctrlLayer, settings), QLatin1String(c.caption))
            << int(c.mode) << c.ctrlLayer << c.index;
}

TEST(TransmitRulesTest, ABandOrModeChangeStopsWhatIsOnTheAir)
{
    Changes band, mode, counters;
    band.band = true;
    mode.mode = true;
    counters.counters = true;
    EXPECT_TRUE(stopsTransmission(band));
    EXPECT_TRUE(stopsTransmission(mode));
    EXPECT_FALSE(stopsTransmission(counters));
}
