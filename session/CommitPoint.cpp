// SPDX-License-Identifier: GPL-3.0-or-later
// A contact is counted only once it is on disk: what a logging step changed
// in memory goes back when its writes fail, and a log that cannot be written
// is said.
#include "session/ContestSession.h"

namespace session {

ContestSession::Memory ContestSession::memory() const
{
    const int row = currentRow();
    return {m_log.state(),    row,
            m_bandChanged,    m_subTourPending,
            m_subTourStarts,  m_restore,
            {m_contacts.contact(row - 1), m_contacts.contact(row), m_contacts.contact(row + 1)}};
}

void ContestSession::putBack(const Memory& memory)
{
    m_log.state() = memory.state;
    m_log.setCurrentRow(memory.currentRow);
    m_bandChanged = memory.bandChanged;
    m_subTourPending = memory.subTourPending;
    m_subTourStarts = memory.subTourStarts;
    m_restore = memory.restore;
    for (int i = 0; i < 3; ++i) {
        if (memory.currentRow - 1 + i >= 1)
            m_contacts.setContact(memory.currentRow - 1 + i, memory.rows[size_t(i)]);
    }
}

std::optional<QString> ContestSession::logNotSaved() const
{
    const std::optional<QString> fault = m_log.writeFault();
    if (!fault)
        return std::nullopt;
    return QStringLiteral("Журнал не сохраняется: %1").arg(*fault);
}

std::optional<QString> ContestSession::takeFileNotice()
{
    const QStringList remade = m_log.takeRemade();
    if (remade.isEmpty())
        return std::nullopt;
    return remade.join(QStringLiteral("; "));
}

// Said once at start-up, in the start's own error where that is the fault.
void ContestSession::tellWriteFault(Changes& changes)
{
    m_log.checkWritable();
    const std::optional<QString> fault = m_log.writeFault();
    if (!fault)
        return;
    const QString text = *logNotSaved() + QStringLiteral(". Пока запись не удастся, связи не принимаются");
    if (fault == changes.error)
        changes.error = text;
    else
        changes.notice = changes.notice ? *changes.notice + QStringLiteral("\n\n") + text : text;
}

} // namespace session
