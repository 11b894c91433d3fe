// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two control lines of the keying port: DTR keys the Morse code (on = key
// down), RTS is PTT (on = transmit). The keyer switches them from its keying
// thread; each call takes effect before it returns, since the keyer times the
// intervals between them.
namespace keyer {

class KeyingLines
{
public:
    virtual ~KeyingLines() = default;
    virtual void setDTR(bool on) = 0;
    virtual void setRTS(bool on) = 0;
    // The lines no longer obey (the adapter is gone): a message stops.
    virtual bool linesLost() const { return false; }
};

} // namespace keyer
