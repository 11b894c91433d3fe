// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The operating system's side of the keying port: open a port with both lines
// off, switch one line, close. Behind an interface so that the port's own
// rules can be tested without a device.
namespace keyer {

enum class ModemLine { DTR, RTS };

// What an opening answers when the device is not there.
inline const QString kNoSuchPortText = QStringLiteral("ie_BadId - Specified comport doesn't exist");

class PortDevice
{
public:
    virtual ~PortDevice() = default;
    // Opens port `comNumber` (1 to 9) with DTR and RTS off. Returns the text
    // for the error box on failure, an empty text on success.
    virtual QString open(int comNumber) = 0;
    // Opens any other serial device by its path (/dev/ttyUSB0,
    // /dev/serial/by-id/...), with the same guarantees and answers as open().
    virtual QString openDevice(const QString& path) = 0;
    virtual void close() = 0;
    // Asserts or clears one line; called only while open, from any one thread at a time.
    virtual void setLine(ModemLine line, bool on) = 0;
    // Why the last setLine() failed (the adapter unplugged), in the system's
    // words; empty when it succeeded. Asked on the thread that switched.
    virtual QString lastLineError() const { return {}; }
};

} // namespace keyer
