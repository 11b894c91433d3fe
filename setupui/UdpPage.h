// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/UdpSettings.h"

#include <QWidget>

class QLabel;
class QLineEdit;

// The tab "Сеть (UDP)": where the contacts and the rig go for the station's
// other tools. Empty: nothing is sent.
class UdpPage : public QWidget
{
public:
    explicit UdpPage(QWidget* parent = nullptr);

    void showSettings(const radio::UdpSettings& settings);
    // The entries that name a host and a port; the others are said under the field.
    radio::UdpSettings settings() const;

private:
    void checkTyped();

    QLineEdit* m_destinations = nullptr;
    QLabel* m_refused = nullptr;
};
