// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/WinKeyerDevice.h"

#include <algorithm>

namespace keyer {
namespace {

constexpr int kVersionWaitMs = 1000;

char byteOf(int value)
{
    return char(value & 0xFF);
}

QByteArray bytes(std::initializer_list<char> b)
{
    return QByteArray(b.begin(), qsizetype(b.size()));
}

} // namespace

WinKeyerDevice::WinKeyerDevice(const QString& portName)
    : m_portName(portName)
{
    m_versionWait.setSingleShot(true);
    m_versionWait.setInterval(kVersionWaitMs);
    QObject::connect(&m_versionWait, &QTimer::timeout, [this] { sayOnce(silentText()); });
    QObject::connect(&m_port, &QSerialPort::readyRead, [this] { readAll(); });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError)
            lost(m_port.errorString());
    });
}

WinKeyerDevice::~WinKeyerDevice()
{
    close();
}

QString WinKeyerDevice::silentText() const
{
    return QStringLiteral("WinKeyer на %1 не отвечает").arg(m_portName);
}

void WinKeyerDevice::open(int wpm)
{
    m_port.setPortName(m_portName);
    m_port.setBaudRate(1200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::TwoStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        sayOnce(QStringLiteral("WinKeyer: порт %1 не открыт: %2").arg(m_portName, m_port.errorString()));
        return;
    }
    using namespace winkey;
    write(bytes({kAdmin, kHostOpen}));
    m_versionWait.start();
    write(bytes({kPinConfig, byteOf(kPttEnable | kSidetoneEnable | kKeyOut1Enable)}));
    setSpeed(wpm);
}

void WinKeyerDevice::write(const QByteArray& bytes)
{
    if (m_port.isOpen())
        m_port.write(bytes);
}

void WinKeyerDevice::send(const QByteArray& text)
{
    if (!m_port.isOpen())
        return messageEnded(); // said when it failed to open
    m_inMessage = true;
    m_sawBusy = false;
    m_stopping = false;
    write(text);
}

// The keyer stops at once and says so with its next status byte.
void WinKeyerDevice::stop()
{
    write(QByteArray(1, winkey::kClearBuffer));
    m_stopping = m_inMessage;
}

void WinKeyerDevice::setSpeed(int wpm)
{
    m_wpm = std::clamp(wpm, winkey::kMinWpm, winkey::kMaxWpm);
    write(bytes({winkey::kSpeed, byteOf(m_wpm)}));
}

// PTT goes on TX Delay before the first element and off with the last one,
// as on the DTR keyer.
void WinKeyerDevice::setTxDelay(int ms)
{
    const int lead = std::clamp((ms + 5) / 10, 0, 250);
    write(bytes({winkey::kPttTiming, byteOf(lead), 0}));
}

// After a clear of the buffer, so that nothing queued before holds PTT off back.
void WinKeyerDevice::setPtt(bool on)
{
    if (!on)
        write(QByteArray(1, winkey::kClearBuffer));
    write(bytes({winkey::kBufferedPtt, char(on ? 1 : 0)}));
}

void WinKeyerDevice::overdue()
{
    sayOnce(silentText());
    m_inMessage = false;
}

void WinKeyerDevice::close()
{
    m_versionWait.stop();
    if (!m_port.isOpen())
        return;
    if (m_inMessage)
        write(QByteArray(1, winkey::kClearBuffer));
    write(bytes({winkey::kAdmin, winkey::kHostClose}));
    // A few bytes into the system's queue: no wait on the wire.
    m_port.flush();
    m_port.close();
    m_inMessage = false;
}

void WinKeyerDevice::readAll()
{
    for (const char c : m_port.readAll()) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & winkey::kStatusMask) == winkey::kStatusTag) {
            status(byte);
        } else if ((byte & 0xC0) != 0x80 && m_version < 0 && m_versionWait.isActive()) {
            m_version = byte; // speed pot bytes (10xxxxxx) and echoes are not used
            m_versionWait.stop();
        }
        answered();
    }
}

void WinKeyerDevice::status(unsigned char byte)
{
    const bool busy = byte & winkey::kBusy;
    if (busy) {
        m_sawBusy = true;
    } else if (m_inMessage && (m_sawBusy || m_stopping)) {
        endMessage();
    }
}

void WinKeyerDevice::endMessage()
{
    m_inMessage = false;
    m_sawBusy = false;
    m_stopping = false;
    messageEnded();
}

void WinKeyerDevice::lost(const QString& reason)
{
    sayOnce(QStringLiteral("WinKeyer на %1 потерян: %2").arg(m_portName, reason));
    m_versionWait.stop();
    m_port.close();
    if (m_inMessage)
        endMessage();
}

} // namespace keyer
