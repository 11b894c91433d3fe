// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/SystemPortEnumerator.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace keyer {

QMap<QString, QString> stableLinks(const QString& dir)
{
    QMap<QString, QString> links;
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::System, QDir::Name);
    for (const QFileInfo& link : entries) {
        const QString device = link.canonicalFilePath();
        if (!device.isEmpty() && !links.contains(device))
            links.insert(device, link.absoluteFilePath());
    }
    return links;
}

SystemPortEnumerator::SystemPortEnumerator(QString stableLinkDir)
    : m_stableLinkDir(std::move(stableLinkDir))
{
}

std::vector<PresentPort> SystemPortEnumerator::presentPorts() const
{
    std::vector<PresentPort> ports;
#ifdef Q_OS_LINUX
    // Elsewhere the field keeps its numbered ports only.
    const QMap<QString, QString> links = stableLinks(m_stableLinkDir);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString device = info.systemLocation();
        ports.push_back({device, links.value(QFileInfo(device).canonicalFilePath())});
    }
#endif
    return ports;
}

} // namespace keyer
