// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/AudioSettings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QSpinBox;

// The tab "Звук": the sound input the voice calls and the contest are
// recorded from, and whether the whole contest is recorded.
class AudioPage : public QWidget
{
public:
    explicit AudioPage(QWidget* parent = nullptr);

    // The inputs the system offers now, and the one chosen, also where it is
    // not there today (a headset unplugged): it stays chosen.
    void showSettings(const keyer::AudioSettings& settings);
    keyer::AudioSettings settings() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void listInputs(const QString& chosen);

    bool m_systemAsked = false;
    QComboBox* m_input = nullptr;
    QCheckBox* m_recordContest = nullptr;
    QSpinBox* m_margin = nullptr;
};
