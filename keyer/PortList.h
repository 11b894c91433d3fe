// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The entries of the port field and the device each one opens. Besides
// "None" and "Com1" ... "Com9", a serial port present is offered by its
// device name ("ttyUSB0" for /dev/ttyUSB0) or, where udev gives it a stable
// name, by that name shortened ("by-id/usb-FTDI_..." for
// /dev/serial/by-id/usb-FTDI_...), which keeps naming the same adapter
// whichever order the adapters are plugged in.
namespace keyer {

inline const QString kStableLinkDir = QStringLiteral("/dev/serial/by-id");

// A serial port present on the machine.
struct PresentPort
{
    QString device;     // "/dev/ttyUSB0"
    QString stableLink; // "/dev/serial/by-id/usb-...", empty where udev gives none
};

class PortEnumerator
{
public:
    virtual ~PortEnumerator() = default;
    virtual std::vector<PresentPort> presentPorts() const = 0;
};

// Com N is /dev/ttyS<N-1> on Linux and \\.\COM<N> on Windows.
QString portDeviceName(int comNumber);

// "None", "Com1" ... "Com9", then one entry per port present that no Com N
// names already, in device order (ttyACM0, ttyUSB0, ttyUSB1, ttyUSB10), then
// `stored` where the list lacks it, so that a port absent today stays in the
// field. A stored entry naming a present port in the other form (its device
// name where it has a stable name) stands for that port, not beside it.
QStringList portItems(const PortEnumerator& ports, const QString& stored = QString());

// The device a port entry opens: "ttyUSB0" → /dev/ttyUSB0, "by-id/X" →
// /dev/serial/by-id/X. Nothing for "None", "Com1" ... "Com9" and any other
// text, which keep their old meaning.
std::optional<QString> deviceOfPortEntry(const QString& entry);

// The other way: the entry that names a device path; empty when none does.
QString portEntryOfDevice(const QString& devicePath);

} // namespace keyer
