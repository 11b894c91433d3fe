#pragma once

#include "radio/RigSettings.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
namespace keyer {
class PortEnumerator;
}

// The tab "Трансивер (CAT)": the rig of kvl.ini. The model is chosen from
// Hamlib's list by typing any part of its name; the port from the serial
// ports present or typed (host:port for rigctld); the speed from the usual
// rates.
class RigPage : public QWidget
{
public:
    explicit RigPage(QWidget* parent = nullptr);

    void showSettings(const radio::RigSettings& settings, const keyer::PortEnumerator& ports);
    radio::RigSettings settings() const;
    // The master call file of kvl.ini; empty: MASTER.SCP in the working folder.
    void showMasterPath(const QString& path);
    QString masterPath() const;

private:
    void listPorts(const keyer::PortEnumerator& ports, const QString& shown);

    QComboBox* m_model = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_speed = nullptr;
    QLineEdit* m_masterPath = nullptr;
};
