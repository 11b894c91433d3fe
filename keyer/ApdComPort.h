// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyingLines.h"
#include "keyer/PortDevice.h"

#include <QString>
#include <atomic>
#include <mutex>
#include <optional>

// The keying port: a serial port used only for its DTR and RTS lines, either
// a numbered port (ComNumber 1 to 9) or another serial device chosen by its
// entry in the port field (DevicePath). Neither means that no keying port is
// set. The line state is recorded also while the device is closed; only an
// actual change reaches the system.
namespace keyer {

class ApdComPort : public KeyingLines
{
public:
    explicit ApdComPort(PortDevice& device);
    ~ApdComPort() override;
    ApdComPort(const ApdComPort&) = delete;
    ApdComPort& operator=(const ApdComPort&) = delete;

    int ComNumber() const { return m_comNumber; }
    void setComNumber(int number)
    {
        m_comNumber = number;
        m_devicePath.clear();
    }
    // The device of a port entry other than Com N; empty for a numbered port.
    const QString& DevicePath() const { return m_devicePath; }
    // The port set test of the macro keys.
    bool portSet() const { return m_comNumber != 0 || !m_devicePath.isEmpty(); }

    bool Open() const { return m_open; }
    // Opening a set port may throw KvlError with the text for the error box;
    // the port then stays closed and ComNumber keeps its value.
    void setOpen(bool open);

    bool DTR() const { return m_dtr; }
    bool RTS() const { return m_rts; }
    void setDTR(bool on) override;
    void setRTS(bool on) override;

    // A line switch failed (the adapter unplugged): both lines are switched
    // off where they still can be, and nothing reaches the device any more
    // until reopenIfLost().
    bool linesLost() const override { return m_lost; }
    // The loss, said once: its text the first time it is asked for.
    std::optional<QString> takeLineLoss();
    // Before a message: a lost port is opened again by its name. Where it is
    // still missing the port stays lost, and nothing more is said.
    void reopenIfLost();

    // The show step of the main window: the port field's text becomes
    // DevicePath for a device entry ("ttyUSB0", "by-id/..."), ComNumber
    // otherwise ("None" → 0), then a set port is opened. Throws KvlError.
    void openFromSetting(const QString& portText);

private:
    void setLine(std::atomic<bool>& state, ModemLine line, bool on);
    void lose(const QString& why);

    PortDevice& m_device;
    int m_comNumber = 0;
    QString m_devicePath;
    std::atomic<bool> m_open {false};
    std::atomic<bool> m_dtr {false};
    std::atomic<bool> m_rts {false};
    std::atomic<bool> m_lost {false};
    std::mutex m_lossMutex;
    std::optional<QString> m_loss; // said once
};

// "None" → 0; otherwise the digit in the text's fourth character. Anything
// else throws KvlError "'x' is not a valid integer value" naming that character.
int parseComNumber(const QString& portText);

} // namespace keyer
