// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/TransmitRules.h"

#include "setup/StationSettings.h"

namespace session {
namespace {

QString macroText(TransmitKey key, int index, bool ctrlLayer, const StationSettings& settings)
{
    switch (key) {
    case TransmitKey::Function:
        return ctrlLayer ? settings.ctrlMacro(index) : settings.fMacro(index);
    case TransmitKey::CtrlFunction:
        return settings.ctrlMacro(index);
    case TransmitKey::Enter:
        return settings.enterMacro();
    case TransmitKey::SpaceBar:
        return settings.spaceBarMacro();
    }
    return {};
}

} // namespace

Transmit transmitFor(TransmitKey key, int index, const TransmitState& state, const StationSettings& settings)
{
    Transmit transmit;
    if (state.recording)
        return transmit;
    if (state.mode == logbook::Mode::SSB) {
        if (key == TransmitKey::Function && index < 2 && !state.cwSending)
            transmit.voiceCall = index + 1;
        return transmit;
    }
    if (state.portSet && !state.cwSending && !state.voicePlaying)
        transmit.macro = macroText(key, index, state.ctrlLayer, settings);
    return transmit;
}

std::optional<TransmitKey> functionKey(int index, FunctionChord chord, bool pressed, bool entryFocused)
{
    constexpr int kF10 = 9;
    const bool acts = index == kF10 ? !pressed : pressed && entryFocused;
    if (index < 0 || index > 11 || chord == FunctionChord::Other || !acts)
        return std::nullopt;
    return chord == FunctionChord::Plain ? TransmitKey::Function : TransmitKey::CtrlFunction;
}

QString macroCaption(int index, logbook::Mode mode, bool ctrlLayer, const StationSettings& settings)
{
    if (mode == logbook::Mode::SSB)
        return index < 2 ? QStringLiteral("CQ%1").arg(index + 1) : QString();
    return ctrlLayer ? settings.ctrlCaption(index) : settings.fCaption(index);
}

} // namespace session
