// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/PortDevice.h"
#include "keyer/PortList.h"

#include <QSerialPort>
#include <QString>

// The real keying port on QSerialPort: 19200 baud 8N1, no flow control,
// 4096-byte queues. No data byte is ever sent or received.
namespace keyer {

class SerialPortDevice : public PortDevice
{
public:
    SerialPortDevice();
    ~SerialPortDevice() override;

    QString open(int comNumber) override;
    // A link (/dev/serial/by-id/...) opens the device it names, so that both
    // names of one adapter share one lock.
    QString openDevice(const QString& path) override;
    void close() override;
    void setLine(ModemLine line, bool on) override;
    QString lastLineError() const override { return m_lineError; }

    // The system handle while open (a file descriptor on Unix), for reading
    // the lines back.
    qintptr handle() const { return m_port.handle(); }

private:
    QString openPath(const QString& path);

    QSerialPort m_port;
    QString m_lineError; // the keying thread's, like the switching
};

// The error box text for a failed opening.
QString openErrorText(QSerialPort::SerialPortError error, const QString& systemText);

} // namespace keyer
