// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/StationStore.h"

namespace setup {

StationStore::StationStore() : m_lines(kTemplateLineCount, QString()) {}

void StationStore::setLines(const QStringList& lines)
{
    for (int line = 0; line < qMax(lines.size(), m_lines.size()); ++line)
        setField(line, lines.value(line));
}

void StationStore::setField(int line, const QString& text)
{
    if (line < 0)
        return;
    while (m_lines.size() <= line)
        m_lines << QString();
    if (m_lines[line] == text)
        return;
    m_lines[line] = text;
    Q_EMIT changed(line);
}

} // namespace setup
