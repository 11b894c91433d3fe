// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerDevice.h"

#include <QSerialPort>
#include <QTimer>

// A K1EL WinKeyer (or a keyer speaking its host protocol) on a serial port,
// 1200 baud 8N2. The keyer times the code and keys PTT with its own lead time;
// its status bytes say when it is busy, and busy → not busy ends a message.
namespace keyer {

// The host protocol's bytes.
namespace winkey {
constexpr char kAdmin = 0x00;
constexpr char kHostOpen = 0x02;  // after kAdmin; the keyer answers its version
constexpr char kHostClose = 0x03; // after kAdmin
constexpr char kSpeed = 0x02;     // + WPM
constexpr char kPttTiming = 0x04; // + lead + tail, in 10 ms
constexpr char kPinConfig = 0x09; // + the pins' bits
constexpr char kClearBuffer = 0x0A;
constexpr char kBufferedPtt = 0x18; // + 1 on, 0 off, in turn with the text
constexpr unsigned char kPttEnable = 0x01;
constexpr unsigned char kSidetoneEnable = 0x02;
constexpr unsigned char kKeyOut1Enable = 0x04;
constexpr unsigned char kStatusTag = 0xC0; // the three top bits 110
constexpr unsigned char kStatusMask = 0xE0;
constexpr unsigned char kBusy = 0x04;
constexpr int kMinWpm = 5;
constexpr int kMaxWpm = 99;
} // namespace winkey

class WinKeyerDevice : public KeyerDevice
{
public:
    // `portName`: a device name (ttyUSB0) or path (/dev/ttyUSB0).
    explicit WinKeyerDevice(const QString& portName);
    ~WinKeyerDevice() override;

    void open(int wpm) override;
    void send(const QByteArray& text) override;
    void stop() override;
    void setSpeed(int wpm) override;
    void setTxDelay(int ms) override;
    void setPtt(bool on) override;
    void overdue() override;
    void close() override;

private:
    void write(const QByteArray& bytes);
    void readAll();
    void status(unsigned char byte);
    void lost(const QString& reason);
    void endMessage();
    QString silentText() const;

    QString m_portName;
    QSerialPort m_port;
    QTimer m_versionWait; // the version byte is the keyer's first answer
    int m_wpm = 0;
    int m_version = -1;
    bool m_inMessage = false;
    bool m_sawBusy = false;
    bool m_stopping = false;
};

} // namespace keyer
