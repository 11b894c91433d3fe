// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/PortList.h"

#include <QMap>

// The serial ports of this machine: QSerialPortInfo's list, with the stable
// names udev links to each device.
namespace keyer {

class SystemPortEnumerator : public PortEnumerator
{
public:
    explicit SystemPortEnumerator(QString stableLinkDir = kStableLinkDir);
    std::vector<PresentPort> presentPorts() const override;

private:
    QString m_stableLinkDir;
};

// The links in `dir` by the device each one names (its canonical path); the
// first link by name where a device has several. Empty without the folder.
QMap<QString, QString> stableLinks(const QString& dir);

} // namespace keyer
