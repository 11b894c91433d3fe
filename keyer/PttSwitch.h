// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

// One way of keying the transmitter for the voice calls: the rig over CAT,
// RTS on the keying port, or a keyer's own PTT output.
namespace keyer {

class KeyerDevice;
class KeyingLines;

class PttSwitch
{
public:
    using Trouble = std::function<void(const QString& text)>;

    virtual ~PttSwitch() = default;
    virtual void setPtt(bool on) = 0;
    // The path leads the transmitter in by itself (a keyer's own PTT lead
    // time), so the transmitter's delay is not waited for it.
    virtual bool leadsItself() const { return false; }

    // Told when PTT cannot be switched, and why; an empty text when the path
    // obeys again.
    void setTrouble(Trouble trouble) { m_trouble = std::move(trouble); }

protected:
    void trouble(const QString& text)
    {
        if (m_trouble)
            m_trouble(text);
    }

private:
    Trouble m_trouble;
};

// PTT on the RTS line of the keying port.
class LinePtt : public PttSwitch
{
public:
    explicit LinePtt(KeyingLines& lines) : m_lines(lines) {}
    void setPtt(bool on) override;

private:
    KeyingLines& m_lines;
};

// The PTT output of a keyer device (a WinKeyer, cwdaemon).
class DevicePtt : public PttSwitch
{
public:
    explicit DevicePtt(KeyerDevice& device) : m_device(device) {}
    void setPtt(bool on) override;
    bool leadsItself() const override { return true; }

private:
    KeyerDevice& m_device;
};

} // namespace keyer
