#pragma once

#include "log/ContactStamp.h"
#include "log/RecordFile.h"
#include "log/StateRecord.h"

#include <QString>
#include <optional>

namespace logbook {

class ContactGrid;

// The log on disk and its working state: the log file "system.kvl" (one QSO
// record per grid row) and the state file "cfg.kvl" (one state record). The
// grid is the working copy; every change reaches the disk at once.
class Logbook
{
public:
    // A stored next row past this is a damaged file, far beyond any contest.
    static constexpr qint32 UntrustedNextRow = 100000;

    explicit Logbook(ContactGrid& grid);

    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    StateRecord& state() { return m_state; }
    const StateRecord& state() const { return m_state; }
    ContactGrid& grid() { return m_grid; }
    const RecordFile& logFile() const { return m_logFile; }

    void writeLogFile() { writeRow(m_currentRow); } // the current row
    void writeRow(int row);                          // any row, e.g. after grid editing
    void writeCfgFile();

    // The stamp beside a row's record, written before the record's state is;
    // none where the stamp file has none or it disagrees with the time cell.
    std::optional<ContactStamp> stamp(int row) const;
    void writeStamp(int row, const std::optional<ContactStamp>& stamp);

    // Start-up. readState() answers whether a state file was there; without one
    // it creates an empty file and sets the fresh values in memory (the first
    // band selection then writes them). readLog() fills rows 1 to current - 1
    // and creates an empty log file when there is none. When the state is
    // missing, unreadable, cut short or impossible while the log holds
    // contacts, the log continues after its last contact, and readLog()
    // returns the warning for the operator.
    bool readState();
    std::optional<QString> readLog();

    void deleteFiles();

private:
    int lastContactRow() const; // 0 when the log holds no contact
    void readStamps();

    ContactGrid& m_grid;
    RecordFile m_logFile;
    RecordFile m_stateFile;
    StampFile m_stampFile;
    QVector<std::optional<ContactStamp>> m_stamps; // at index row - 1
    StateRecord m_state;
    int m_currentRow = 1;
    std::optional<QString> m_stateDoubt; // why the stored next row cannot be trusted
};

} // namespace logbook
