// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radio/HamlibModels.h"
#include "radio/RigSettings.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
namespace keyer {
class PortEnumerator;
}

// The tab "Трансивер (CAT)": the rig of kvl.ini. The model is chosen from
// Hamlib's list or typed (its number, its name, a part of its name); what
// names no model, or several, is said on the tab at once and never saved. The
// port from the serial ports present or typed (host:port for rigctld); the
// speed from the usual rates.
class RigPage : public QWidget
{
public:
    explicit RigPage(QWidget* parent = nullptr);

    void showSettings(const radio::RigSettings& settings, const keyer::PortEnumerator& ports);
    // An unmatched model text keeps the model shown before.
    radio::RigSettings settings() const;
    // The master call file of kvl.ini; empty: MASTER.SCP in the working folder.
    void showMasterPath(const QString& path);
    QString masterPath() const;

private:
    void listPorts(const keyer::PortEnumerator& ports, const QString& shown);
    using Match = radio::RigModelMatch;
    Match modelOf(const QString& typed) const;
    void checkModel(const QString& typed);

    QComboBox* m_model = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_speed = nullptr;
    QLabel* m_modelProblem = nullptr;
    std::vector<radio::RigModel> m_models;
    int m_shownModel = 0; // the model of the settings shown
    QLineEdit* m_masterPath = nullptr;
};
