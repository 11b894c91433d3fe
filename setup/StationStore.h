// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/StationSettings.h"

#include <QObject>
#include <QStringList>

// The station settings in memory, without widgets: every line of the station
// data file. The setup dialog puts each edit here as it is made, so that it
// applies at once; the main window, the session and the keyer read it here
// only. The file carries it between runs.
namespace setup {

class StationStore : public QObject, public StationSettings
{
    Q_OBJECT
public:
    StationStore();

    QString field(int line) const override { return m_lines.value(line); }
    const QStringList& lines() const { return m_lines; }
    // Every line at once (a file loaded); `changed` for each line that differs.
    void setLines(const QStringList& lines);
    void setField(int line, const QString& text);

Q_SIGNALS:
    void changed(int line);

private:
    QStringList m_lines;
};

} // namespace setup
