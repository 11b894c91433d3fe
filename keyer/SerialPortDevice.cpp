// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/SerialPortDevice.h"

#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace keyer {

QString openErrorText(QSerialPort::SerialPortError error, const QString& systemText)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return kNoSuchPortText;
    case QSerialPort::PermissionError:
        return QStringLiteral("ie_Open - device already open");
    case QSerialPort::NoError:
        break;
    default:
        if (!systemText.isEmpty())
            return systemText;
        break;
    }
    return QStringLiteral("Apro exception");
}

SerialPortDevice::SerialPortDevice()
{
    m_port.setBaudRate(QSerialPort::Baud19200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(4096);
}

SerialPortDevice::~SerialPortDevice()
{
    close();
}

QString SerialPortDevice::open(int comNumber)
{
    return openPath(portDeviceName(comNumber));
}

QString SerialPortDevice::openDevice(const QString& path)
{
    const QString device = QFileInfo(path).canonicalFilePath();
    return openPath(device.isEmpty() ? path : device);
}

QString SerialPortDevice::openPath(const QString& path)
{
    m_port.setPortName(path);
    if (!m_port.open(QIODevice::ReadWrite))
        return openErrorText(m_port.error(), m_port.errorString());
    // Opening a tty raises DTR and RTS, which would key the transmitter:
    // both go off at once, in one call.
#ifdef Q_OS_LINUX
    int both = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(int(m_port.handle()), TIOCMBIC, &both);
#else
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
#endif
    return QString();
}

void SerialPortDevice::close()
{
    if (m_port.isOpen())
        m_port.close();
}

void SerialPortDevice::setLine(ModemLine line, bool on)
{
#ifdef Q_OS_LINUX
    // One ioctl per edge: QSerialPort's setters read the lines back first.
    int bit = line == ModemLine::DTR ? TIOCM_DTR : TIOCM_RTS;
    const bool done = ::ioctl(int(m_port.handle()), on ? TIOCMBIS : TIOCMBIC, &bit) == 0;
    m_lineError = done ? QString() : QString::fromLocal8Bit(std::strerror(errno));
#else
    const bool done = line == ModemLine::DTR ? m_port.setDataTerminalReady(on) : m_port.setRequestToSend(on);
    m_lineError = done ? QString() : m_port.errorString();
#endif
}

} // namespace keyer
