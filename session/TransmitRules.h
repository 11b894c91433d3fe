// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/BandTable.h"
#include "session/Changes.h"

#include <QString>
#include <optional>

class StationSettings;

// What a key or a click puts on the air: a macro in CW, a voice call in SSB,
// or nothing. One transmitter is keyed by one of them at a time: no voice
// call while a CW message goes out, no macro while a voice call plays.
namespace session {

enum class TransmitKey {
    Function,     // F1 .. F12 with no modifier, or its button clicked
    CtrlFunction, // Ctrl + F1 .. F12
    Enter,        // a contact logged
    SpaceBar,     // the space bar in the call field
};

// F1 .. F12 (index 0 .. 11) with no modifier or with Ctrl alone, pressed or
// released: the transmit key it is, if any. F10 is the window's menu key when
// pressed, so it acts on its release, wherever the focus is; the others act
// on their press, and only while an entry field has the focus.
enum class FunctionChord { Plain, Ctrl, Other };
std::optional<TransmitKey> functionKey(int index, FunctionChord chord, bool pressed, bool entryFocused);

struct TransmitState
{
    logbook::Mode mode = logbook::Mode::SSB;
    bool portSet = false;      // a keying port or a keyer device is chosen
    bool cwSending = false;    // a CW message is going out
    bool voicePlaying = false; // a voice call is on the air
    bool ctrlLayer = false;    // Ctrl alone is held: the buttons are the Ctrl bank
    bool recording = false;    // the microphone is being recorded: nothing goes on the air
};

struct Transmit
{
    std::optional<QString> macro; // the macro text to send in CW
    int voiceCall = 0;            // 1 or 2: CQ1.Wav or CQ2.Wav; 0 for none
};

// `key` with `index` 0 .. 11 for the function keys.
Transmit transmitFor(TransmitKey key, int index, const TransmitState& state, const StationSettings& settings);

// The caption of F-key `index`: in CW the macro caption of the bank held, in
// SSB the two voice calls and nothing else.
QString macroCaption(int index, logbook::Mode mode, bool ctrlLayer, const StationSettings& settings);

// The space bar in the call field is the macro key, never a typed blank,
// while there is something to key with.
inline bool spaceBarIsMacroKey(const TransmitState& state)
{
    return state.portSet;
}

// A change of band or mode stops what is on the air: no message goes out on a
// band or in a mode it was not meant for.
inline bool stopsTransmission(const Changes& changes)
{
    return changes.band || changes.mode;
}

} // namespace session
