#pragma once

#include "PortDevice.h"

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
    void close() override;
    void setLine(ModemLine line, bool on) override;

    // The system handle while open (a file descriptor on Unix), for reading
    // the lines back.
    qintptr handle() const { return m_port.handle(); }

private:
    QSerialPort m_port;
};

// Com N is /dev/ttyS<N-1> on Linux and \\.\COM<N> on Windows.
QString portDeviceName(int comNumber);

// The error box text for a failed opening.
QString openErrorText(QSerialPort::SerialPortError error, const QString& systemText);

} // namespace keyer
