// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/KeyerSettings.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
namespace keyer {
class PortEnumerator;
}

// The tab "Манипуляция": who keys CW. DTR/RTS on the keying port of the tab
// "Аппаратура", a WinKeyer on a serial port of its own, or cwdaemon at
// host:port; and who keys PTT for the voice calls. Kept in kvl.ini; it
// applies at the next start.
class KeyerPage : public QWidget
{
public:
    explicit KeyerPage(QWidget* parent = nullptr);

    void showSettings(const keyer::KeyerSettings& settings, const keyer::PortEnumerator& ports);
    keyer::KeyerSettings settings() const;

private:
    void showChoice();

    QComboBox* m_kind = nullptr;
    QComboBox* m_winKeyerPort = nullptr;
    QLineEdit* m_cwDaemon = nullptr;
    QComboBox* m_voicePtt = nullptr;
};
