// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/PortList.h"

#include <QSet>
#include <algorithm>

namespace keyer {
namespace {

const QString kStableEntryPrefix = QStringLiteral("by-id/");
const QString kDevDir = QStringLiteral("/dev/");
constexpr int kComPorts = 9;

// The device names of serial ports on Linux: ttyS, ttyUSB, ttyACM, ttyAMA, ...
// and Bluetooth's rfcomm. Old texts of the field never start so.
bool isDeviceName(const QString& name)
{
    const bool known = (name.startsWith(QLatin1String("tty")) && name.size() > 3)
        || (name.startsWith(QLatin1String("rfcomm")) && name.size() > 6);
    return known && !name.contains(QLatin1Char('/'));
}

bool isStableName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..");
}

// Device order with numbers compared as numbers: ttyUSB2 before ttyUSB10.
bool deviceLess(const PresentPort& a, const PresentPort& b)
{
    auto split = [](const QString& s) {
        qsizetype digits = s.size();
        while (digits > 0 && s.at(digits - 1).isDigit())
            --digits;
        return std::make_pair(s.left(digits), s.mid(digits).toLongLong());
    };
    const auto ka = split(a.device);
    const auto kb = split(b.device);
    if (ka != kb)
        return ka < kb;
    return a.device < b.device;
}

QString entryOf(const PresentPort& port)
{
    const QString stable = portEntryOfDevice(port.stableLink);
    return stable.isEmpty() ? portEntryOfDevice(port.device) : stable;
}

} // namespace

QString portDeviceName(int comNumber)
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(comNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(comNumber - 1);
#endif
}

std::optional<QString> deviceOfPortEntry(const QString& entry)
{
    if (entry.startsWith(kStableEntryPrefix)) {
        const QString name = entry.mid(kStableEntryPrefix.size());
        if (isStableName(name))
            return kStableLinkDir + QLatin1Char('/') + name;
        return std::nullopt;
    }
    if (isDeviceName(entry))
        return kDevDir + entry;
    return std::nullopt;
}

QString portEntryOfDevice(const QString& devicePath)
{
    const QString stableDir = kStableLinkDir + QLatin1Char('/');
    if (devicePath.startsWith(stableDir)) {
        const QString name = devicePath.mid(stableDir.size());
        return isStableName(name) ? kStableEntryPrefix + name : QString();
    }
    if (devicePath.startsWith(kDevDir)) {
        const QString name = devicePath.mid(kDevDir.size());
        return isDeviceName(name) ? name : QString();
    }
    return QString();
}

QStringList portItems(const PortEnumerator& enumerator, const QString& stored)
{
    QStringList items {QStringLiteral("None")};
    QSet<QString> listed; // devices already in the list
    for (int n = 1; n <= kComPorts; ++n) {
        items << QStringLiteral("Com%1").arg(n);
        listed.insert(portDeviceName(n));
    }
    const std::optional<QString> storedDevice = deviceOfPortEntry(stored);
    std::vector<PresentPort> ports = enumerator.presentPorts();
    std::sort(ports.begin(), ports.end(), deviceLess);
    for (const PresentPort& port : ports) {
        if (listed.contains(port.device))
            continue;
        const bool isStored = storedDevice && (*storedDevice == port.device || *storedDevice == port.stableLink);
        const QString entry = isStored ? stored : entryOf(port);
        if (entry.isEmpty())
            continue;
        listed.insert(port.device);
        items << entry;
    }
    if (!stored.isEmpty() && !items.contains(stored))
        items << stored;
    return items;
}

} // namespace keyer
