// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/ApdComPort.h"

#include "common/KvlError.h"
#include "keyer/PortList.h"

#include <utility>

namespace keyer {

int parseComNumber(const QString& portText)
{
    if (portText == QLatin1String("None"))
        return 0;
    const QString fourth = portText.mid(3, 1);
    if (fourth.size() == 1 && fourth.at(0) >= QLatin1Char('0') && fourth.at(0) <= QLatin1Char('9'))
        return fourth.at(0).unicode() - '0';
    throw KvlError(QLatin1Char('\'') + fourth + QStringLiteral("' is not a valid integer value"));
}

ApdComPort::ApdComPort(PortDevice& device)
    : m_device(device)
{
}

ApdComPort::~ApdComPort()
{
    if (m_open)
        m_device.close();
}

void ApdComPort::setOpen(bool open)
{
    if (open == m_open)
        return;
    if (!open) {
        m_open = false;
        m_device.close();
        return;
    }
    if (!portSet())
        return;
    const QString failure = m_devicePath.isEmpty() ? m_device.open(m_comNumber) : m_device.openDevice(m_devicePath);
    if (!failure.isEmpty())
        throw KvlError(failure);
    // The device opens with both lines off; lines requested while closed
    // take effect now, so the recorded state is the real one.
    m_open = true;
    if (m_dtr)
        m_device.setLine(ModemLine::DTR, true);
    if (m_rts)
        m_device.setLine(ModemLine::RTS, true);
}

void ApdComPort::setLine(std::atomic<bool>& state, ModemLine line, bool on)
{
    if (state == on)
        return;
    state = on;
    if (!m_open || m_lost)
        return;
    m_device.setLine(line, on);
    const QString failure = m_device.lastLineError();
    if (!failure.isEmpty())
        lose(failure);
}

void ApdComPort::lose(const QString& why)
{
    m_lost = true;
    m_device.setLine(ModemLine::DTR, false);
    m_device.setLine(ModemLine::RTS, false);
    m_dtr = false;
    m_rts = false;
    const QString port = m_devicePath.isEmpty() ? QStringLiteral("Com%1").arg(m_comNumber) : m_devicePath;
    std::lock_guard<std::mutex> lock(m_lossMutex);
    m_loss = QStringLiteral("Порт манипуляции %1 не управляет линиями: %2. Передача остановлена; порт откроется "
                            "снова при следующей передаче")
                 .arg(port, why);
}

std::optional<QString> ApdComPort::takeLineLoss()
{
    std::lock_guard<std::mutex> lock(m_lossMutex);
    return std::exchange(m_loss, std::nullopt);
}

void ApdComPort::reopenIfLost()
{
    if (!m_lost)
        return;
    setOpen(false);
    try {
        setOpen(true);
        m_lost = false;
    } catch (const KvlError&) {
        // said already, when the lines were lost
    }
}

void ApdComPort::setDTR(bool on)
{
    setLine(m_dtr, ModemLine::DTR, on);
}

void ApdComPort::setRTS(bool on)
{
    setLine(m_rts, ModemLine::RTS, on);
}

void ApdComPort::openFromSetting(const QString& portText)
{
    const std::optional<QString> device = deviceOfPortEntry(portText);
    setComNumber(device ? 0 : parseComNumber(portText));
    if (device)
        m_devicePath = *device;
    setOpen(true);
}

} // namespace keyer
