// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/ExportOptions.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The tab "Cabrillo и ADIF": the contest's name for the robots (empty: the
// one its description gives), the power category and whether the station
// was assisted (a cluster used), kept in kvl.ini.
class ExportPage : public QWidget
{
public:
    explicit ExportPage(QWidget* parent = nullptr);

    void showOptions(const setup::ExportOptions& options);
    // The main window marks the station assisted when a spot comes in.
    void showAssisted(bool assisted);
    setup::ExportOptions options() const;

private:
    QLineEdit* m_contest = nullptr;
    QComboBox* m_power = nullptr;
    QCheckBox* m_assisted = nullptr;
};
