// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyer/CwKeyer.h"

#include "common/KvlError.h"
#include "keyer/MorseTable.h"

#include <QEventLoop>
#include <QMetaObject>
#include <algorithm>

namespace keyer {

int parseTxDelay(const QString& text)
{
    if (text.isEmpty())
        return 10;
    bool ok = false;
    const int ms = text.toInt(&ok, 10);
    if (!ok)
        throw KvlError(QLatin1Char('\'') + text + QStringLiteral("' is not a valid integer value"));
    return ms;
}

CwKeyer::CwKeyer(KeyingLines& lines, KeyerTime& time)
    : m_lines(lines)
    , m_time(time)
{
    m_deviceFallback.setSingleShot(true);
    QObject::connect(&m_deviceFallback, &QTimer::timeout, [this] {
        if (m_device) // it has not said the message has ended, nor that it stopped
            m_device->overdue();
        deviceEnded();
    });
}

CwKeyer::~CwKeyer()
{
    shutdown();
    // A CwOut still on the stack (the keyer deleted from inside its event
    // loop) must not touch the keyer when it returns.
    *m_alive = false;
}

void CwKeyer::setDashTime(int ms)
{
    m_dashTime = ms;
    speedChanged();
}

void CwKeyer::changeDashTime(int by)
{
    m_dashTime += by;
    speedChanged();
}

void CwKeyer::speedChanged()
{
    m_time.wake();
    if (m_device)
        m_device->setSpeed(wordsPerMinute(m_dashTime));
}

void CwKeyer::PauseKey()
{
    m_extraGap = unit();
    m_time.wake();
}

void CwKeyer::EscKey()
{
    constexpr int kStopWaitMs = 1000; // the device's word that it has stopped
    if (m_sending && m_device && !m_deviceStopping) {
        m_deviceStopping = true;
        m_deviceFallback.start(kStopWaitMs);
        m_device->stop();
    } else if (m_sending)
        m_abortRequest = 1;
}

void CwKeyer::keyHooks(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (key) {
    case Qt::Key_Pause:
        PauseKey();
        break;
    case Qt::Key_Escape:
        EscKey();
        break;
    case Qt::Key_PageUp:
        if (held == Qt::NoModifier)
            PageUpKey();
        break;
    case Qt::Key_PageDown:
        if (held == Qt::NoModifier)
            PageDownKey();
        break;
    case Qt::Key_C:
        if (held == Qt::AltModifier)
            resetDashTime();
        break;
    default:
        break;
    }
}

void CwKeyer::ReadTxDelay(const QString& txDelayField)
{
    m_txDelayTime = parseTxDelay(txDelayField);
    if (m_device)
        m_device->setTxDelay(m_txDelayTime);
}

void CwKeyer::CwOut()
{
    if (m_sendBuffer.isEmpty() || m_sending || m_stop)
        return;
    if (m_device)
        return sendToDevice();
    // A message may be asked for from inside the previous one's event loop,
    // after its thread has switched PTT off but before that CwOut returned.
    if (m_thread.joinable())
        m_thread.join();
    m_abortRequest = 0; // an Esc that raced the end of the previous message
    m_sending = 1;
    const std::shared_ptr<bool> alive = m_alive;
    QEventLoop done;
    m_thread = std::thread([this, text = m_sendBuffer, &done] { keyMessage(text, &done); });
    done.exec();
    if (*alive && m_thread.joinable())
        m_thread.join();
}

void CwKeyer::shutdown()
{
    if (m_device) {
        m_device->close();
        deviceEnded();
    }
    m_stop = true;
    m_time.wake();
    if (m_thread.joinable())
        m_thread.join();
    m_lines.setDTR(false);
    m_lines.setRTS(false);
}

void CwKeyer::setDevice(KeyerDevice* device, KeyerDevice::Problem problem)
{
    deviceEnded();
    m_device = device;
    if (m_device)
        m_device->setHandlers([this] { deviceEnded(); }, std::move(problem));
}

void CwKeyer::sendToDevice()
{
    const QByteArray text = deviceText(m_sendBuffer, m_shortZero);
    if (text.isEmpty())
        return;
    m_sending = 1;
    m_deviceStopping = false;
    m_deviceFallback.start(deviceAllowanceMs(text, m_dashTime, m_txDelayTime));
    m_device->send(text);
}

void CwKeyer::deviceEnded()
{
    m_deviceFallback.stop();
    m_deviceStopping = false;
    m_sending = 0;
}

// The keying thread: one message from PTT on to PTT off.
void CwKeyer::keyMessage(const QString& text, QEventLoop* done)
{
    m_time.keyingThreadStarted();
    PttOn();
    m_mark = m_time.now();
    TxDelay();
    for (const QChar c : text) {
        if (m_stop || m_lines.linesLost())
            break;
        if (m_abortRequest.exchange(0)) {
            m_extraGap = 0;
            break;
        }
        keyCharacter(c);
    }
    m_lines.setDTR(false); // a stop can come in the middle of an element
    m_extraGap = 0;
    m_abortRequest = 0;
    m_sending = 0;
    PttOff();
    // The last touch of `done`: CwOut joins this thread before `done` goes.
    QMetaObject::invokeMethod(done, [done] { done->quit(); }, Qt::QueuedConnection);
}

void CwKeyer::keyCharacter(QChar c)
{
    const char* code = morseCode(m_shortZero && c == QLatin1Char('0') ? QLatin1Char('T') : c);
    if (!code)
        return;
    for (; *code && !m_stop && !m_lines.linesLost(); ++code) {
        if (*code == '.')
            Dot();
        else
            Dash();
    }
    DotWait();
}

void CwKeyer::PttOn()
{
    m_lines.setRTS(true);
}

void CwKeyer::PttOff()
{
    m_lines.setRTS(false);
}

void CwKeyer::TxDelay()
{
    timedWait([this] { return int(m_txDelayTime); });
}

void CwKeyer::Dot()
{
    m_lines.setDTR(true);
    timedWait([this] { return unit(); });
    m_lines.setDTR(false);
    timedWait([this] { return unit(); });
}

void CwKeyer::Dash()
{
    m_lines.setDTR(true);
    timedWait([this] { return int(m_dashTime); });
    m_lines.setDTR(false);
    timedWait([this] { return unit(); });
}

void CwKeyer::DotWait()
{
    m_lines.setDTR(false);
    timedWait([this] { return unit() + m_extraGap; });
}

// A wait of `length()` milliseconds from the last edge, the length re-read
// whenever the thread wakes. Deadlines are absolute: the next wait starts
// from this one's ideal end, so a late wake-up is not carried on. When a key
// hook changes the length, the wait ends at the new length, or at once if that
// has already passed; the schedule then goes on from that moment.
template <class Length>
void CwKeyer::timedWait(Length length)
{
    int ms = length();
    Micros changedAt = m_mark;
    for (;;) {
        if (m_stop)
            return;
        const Micros now = m_time.now();
        const int current = length();
        if (current != ms) {
            ms = current;
            changedAt = now;
        }
        const Micros deadline = m_mark + Micros(ms) * 1000;
        if (now >= deadline) {
            m_mark = std::max(deadline, changedAt);
            return;
        }
        m_time.waitUntil(deadline);
    }
}

} // namespace keyer
