// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/ClusterSettings.h"

#include <QWidget>

class QLineEdit;
class QSpinBox;

// The tab "Кластер": the DX cluster node of kvl.ini. An empty address: no
// cluster; an empty login call: the station's own.
class ClusterPage : public QWidget
{
public:
    explicit ClusterPage(QWidget* parent = nullptr);

    void showSettings(const radio::ClusterSettings& settings);
    radio::ClusterSettings settings() const;
    // Shown in the login call's field while it is empty.
    void showStationCall(const QString& callSign);

private:
    QLineEdit* m_host = nullptr;
    QSpinBox* m_port = nullptr;
    QLineEdit* m_call = nullptr;
    QSpinBox* m_spotMinutes = nullptr;
};
