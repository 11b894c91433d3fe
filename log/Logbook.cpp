#include "Logbook.h"

#include "ContactGrid.h"
#include "FileNames.h"
#include "QsoRecord.h"

namespace logbook {

Logbook::Logbook(ContactGrid& grid)
    : m_grid(grid), m_logFile(kLogFileName, QsoRecord::Size), m_stateFile(kStateFileName, StateRecord::Size)
{
}

void Logbook::setCurrentRow(int row)
{
    m_currentRow = qMax(1, row);
    m_grid.ensureRow(m_currentRow);
}

void Logbook::writeRow(int row)
{
    if (row < 1)
        return;
    m_logFile.write(row - 1, m_grid.record(row).encode());
}

void Logbook::writeCfgFile()
{
    m_state.nextRow = m_currentRow;
    m_stateFile.write(0, m_state.encode());
}

bool Logbook::readState()
{
    if (!m_stateFile.exists()) {
        m_state = StateRecord {};
        m_state.bandChangeCount = -1;
        m_state.callsLineFlag = 1;
        m_stateFile.createEmpty();
        return false;
    }
    const QByteArray bytes = m_stateFile.read(0, 1);
    m_state = bytes.size() == StateRecord::Size ? StateRecord::decode(bytes.constData()) : StateRecord {};
    m_nextRowUntrusted = m_state.nextRow > UntrustedNextRow;
    setCurrentRow(m_nextRowUntrusted ? 1 : m_state.nextRow);
    return true;
}

std::optional<QString> Logbook::readLog()
{
    if (!m_logFile.exists()) {
        m_logFile.createEmpty();
        return std::nullopt;
    }
    std::optional<QString> warning;
    if (m_nextRowUntrusted) {
        setCurrentRow(int(qMin<qint64>(m_logFile.recordCount(), UntrustedNextRow)) + 1);
        warning = QStringLiteral("The state file %1 holds an impossible next row (%2); the log continues after its last record, row %3")
                      .arg(m_stateFile.name())
                      .arg(m_state.nextRow)
                      .arg(m_currentRow);
        m_nextRowUntrusted = false;
    }
    const QByteArray bytes = m_logFile.read(0, m_currentRow - 1);
    const int records = int(bytes.size() / QsoRecord::Size);
    for (int i = 0; i < records; ++i)
        m_grid.setRecord(i + 1, QsoRecord::decode(bytes.constData() + qsizetype(i) * QsoRecord::Size));
    return warning;
}

void Logbook::deleteFiles()
{
    m_stateFile.remove();
    m_logFile.remove();
}

} // namespace logbook
