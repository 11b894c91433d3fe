// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyingLines.h"

#include <array>
#include <mutex>

// The keying port's two lines with one owner. The Morse keyer (on its keying
// thread) and the voice calls' PTT (on the window's) each switch them through
// a hand of their own; every switch reaches the port under one lock, and RTS
// is on while either hand holds it on, so that neither drops the other's PTT
// and no two switches of the port ever meet.
namespace keyer {

class KeyingPortLines
{
public:
    explicit KeyingPortLines(KeyingLines& port);
    KeyingPortLines(const KeyingPortLines&) = delete;
    KeyingPortLines& operator=(const KeyingPortLines&) = delete;

    KeyingLines& keyerHand() { return m_keyerHand; }
    KeyingLines& voiceHand() { return m_voiceHand; } // RTS only: the voice keys no Morse

private:
    enum HandIndex { Keyer, Voice };
    class Hand : public KeyingLines
    {
    public:
        Hand(KeyingPortLines& owner, HandIndex index) : m_owner(owner), m_index(index) {}
        void setDTR(bool on) override { m_owner.setDtr(m_index, on); }
        void setRTS(bool on) override { m_owner.holdRts(m_index, on); }
        bool linesLost() const override { return m_owner.linesLost(); }

    private:
        KeyingPortLines& m_owner;
        HandIndex m_index;
    };

    void setDtr(HandIndex hand, bool on);
    void holdRts(HandIndex hand, bool on);
    bool linesLost() const;

    KeyingLines& m_port;
    mutable std::mutex m_mutex;
    std::array<bool, 2> m_rtsHeld {};
    Hand m_keyerHand {*this, Keyer};
    Hand m_voiceHand {*this, Voice};
};

} // namespace keyer
