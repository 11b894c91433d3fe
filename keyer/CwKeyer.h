// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerDevice.h"
#include "keyer/KeyerTime.h"
#include "keyer/KeyingLines.h"

#include <QString>
#include <QTimer>
#include <QtCore/qnamespace.h>
#include <atomic>
#include <memory>
#include <thread>

class QEventLoop;

// The Morse keyer: PTT on RTS, the transmit delay, the code on DTR, PTT off.
//
// CwOut is synchronous for its caller: it returns when the message has ended,
// running the window's event loop meanwhile, so typing and clock ticks go on.
// The edges themselves are timed on a keying thread of its own, on absolute
// deadlines, so no window work can make an element late. The values the key
// hooks change are atomics; a change wakes the keying thread and applies to
// the wait in progress.
//
// With a keyer device chosen (WinKeyer, cwdaemon), the device times the code
// instead: CwOut hands it the text and returns, and Sending stays 1 until the
// device says the message has ended, or until the text's length at the
// current speed has passed with a margin. The key hooks reach the device at
// once (speed, stop); DTR and RTS stay untouched.
namespace keyer {

class CwKeyer
{
public:
    static constexpr int kStartDashTime = 150;

    // `lines` and `time` must outlive the keyer.
    CwKeyer(KeyingLines& lines, KeyerTime& time);
    ~CwKeyer(); // stops a message in progress with both lines off
    CwKeyer(const CwKeyer&) = delete;
    CwKeyer& operator=(const CwKeyer&) = delete;

    int DashTime() const { return m_dashTime; }
    void setDashTime(int ms);
    int TxDelayTime() const { return m_txDelayTime; }
    void setTxDelayTime(int ms) { m_txDelayTime = ms; }
    int ExtraGap() const { return m_extraGap; }
    int AbortRequest() const { return m_abortRequest; }
    // 1 from the start to the end of a message: the macro keys' guard.
    int Sending() const { return m_sending; }
    // While on, the digit 0 is keyed as T.
    bool shortZero() const { return m_shortZero; }
    void setShortZero(bool on) { m_shortZero = on; }

    const QString& sendBuffer() const { return m_sendBuffer; }
    void setSendBuffer(const QString& text) { m_sendBuffer = text; }

    // The show step: TxDelayTime from the TX Delay field. Throws KvlError.
    void ReadTxDelay(const QString& txDelayField);
    // Sends the send buffer; returns when it has been sent, aborted or stopped
    // (with a device: once the device has it). Does nothing for an empty
    // buffer, while sending, or after shutdown.
    void CwOut();

    // The device that keys from now on instead of the lines, or none; it must
    // outlive the keyer or be taken back first. `problem` hears its troubles.
    void setDevice(KeyerDevice* device, KeyerDevice::Problem problem = {});
    KeyerDevice* device() const { return m_device; }

    // The first step of the window's key-down handler, for every key; never
    // consumes the key. Pause, Esc (while sending), Page Up / Page Down (no
    // modifier) and Alt+C (speed back to the start value).
    void keyHooks(int key, Qt::KeyboardModifiers modifiers);
    void PauseKey();
    void EscKey();
    void PageUpKey() { changeDashTime(-5); }
    void PageDownKey() { changeDashTime(5); }
    void resetDashTime() { setDashTime(kStartDashTime); }

    // Window closing: ends a message in progress at once with DTR and RTS off
    // and refuses further messages. Returns when the lines are off.
    void shutdown();

private:
    void keyMessage(const QString& text, QEventLoop* done);
    void keyCharacter(QChar c);
    void PttOn();
    void PttOff();
    void TxDelay();
    void Dot();
    void Dash();
    void DotWait();
    template <class Length>
    void timedWait(Length length);
    void changeDashTime(int by);
    void speedChanged();
    void sendToDevice();
    void deviceEnded();
    int unit() const { return m_dashTime / 3; }

    KeyingLines& m_lines;
    KeyerTime& m_time;
    std::atomic<int> m_dashTime {kStartDashTime};
    std::atomic<int> m_txDelayTime {0};
    std::atomic<int> m_extraGap {0};
    std::atomic<int> m_abortRequest {0};
    std::atomic<int> m_sending {0};
    std::atomic<bool> m_shortZero {false};
    std::atomic<bool> m_stop {false};
    QString m_sendBuffer;
    Micros m_mark = 0; // keying thread: the ideal time of the last edge
    std::thread m_thread;
    KeyerDevice* m_device = nullptr;
    QTimer m_deviceFallback; // a device that never says the message has ended
    bool m_deviceStopping = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// The TX Delay field's text in milliseconds: empty → 10, else a decimal
// integer; anything else throws KvlError "'text' is not a valid integer value".
int parseTxDelay(const QString& text);

} // namespace keyer
