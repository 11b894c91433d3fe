// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/ContactStamp.h"
#include "log/ExtrasFile.h"
#include "log/RecordFile.h"
#include "log/StateRecord.h"
#include "log/SubTourState.h"
#include "log/WriteTransaction.h"

#include <QString>
#include <QStringList>
#include <map>
#include <utility>
#include <vector>
#include <optional>

namespace logbook {

class ContactLog;

// The log on disk and its working state: the log file "system.kvl" (one QSO
// record per log row) and the state file "cfg.kvl" (one state record), with
// the stamp and extras files beside the log. The contact log is the working
// copy; every change reaches the disk at once.
class Logbook
{
public:
    // A stored next row more than this past the log's end is a damaged file,
    // far beyond any contest; up to it, the rows between are empty.
    static constexpr qint32 UntrustedGap = 100000;

    explicit Logbook(ContactLog& contacts);

    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    StateRecord& state() { return m_state; }
    const StateRecord& state() const { return m_state; }
    const RecordFile& logFile() const { return m_logFile; }

    void writeLogFile() { writeRow(m_currentRow); } // the current row
    // Any row, e.g. after grid editing: its record, and its extras slot as one
    // with it where the row needs one or a slot is there to overwrite.
    void writeRow(int row);
    void writeCfgFile();
    // Every write of `steps` stands or falls with the others: should one
    // fail, each file is put back as it was and the error goes on.
    template <class Steps>
    void asOne(Steps&& steps);

    // Why the log or the state is not being saved, until a write of that
    // file succeeds; none while all is well.
    std::optional<QString> writeFault() const;
    // `error` is the last write failure, and its file failed for the same
    // reason before with no success in between: the operator knows it already.
    bool knownFault(const QString& error) const { return m_faultRepeated && m_lastFault == error; }
    // `error` is why a file is not being saved now.
    bool isFault(const QString& error) const;
    // Start-up: whether both files can be written, as a fault if not.
    void checkWritable();

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

    // The sub-tour state beside the state file; `damaged` when a file was
    // there but held none.
    struct SubTourStateRead
    {
        std::optional<SubTourState> state;
        bool damaged = false;
    };
    SubTourStateRead readSubTourState() const;
    void writeSubTourState(const SubTourState& state);

    // The log, the stamps, the extras or the state deleted or moved away while
    // the contest runs are made again from memory at their next write (the
    // log also at its next read): what the files held before the write in
    // progress; the extras only where a contact has some. Not after
    // deleteFiles(). What was made again is said once, here.
    void remakeLogIfGone() { remakeIfGone(m_logFile); }
    QStringList takeRemade();

    void deleteFiles();

private:
    void remakeIfGone(const RecordFile& file);
    QByteArray heldInMemory(const RecordFile& file) const;
    int lastContactRow() const; // 0 when the log holds no contact
    void readStamps();
    void readExtras();
    ContactExtras extrasOf(int row) const;
    bool writesExtras(int row, const ContactExtras& extras);
    void write(const RecordFile& file, qint64 index, const QByteArray& record);
    void noteFault(const RecordFile& file, const QString& reason);
    void createOrNote(const RecordFile& file);
    void undoStamps();
    void rebuildCounters(); // from the loaded rows, when the state cannot be trusted

    ContactLog& m_contacts;
    RecordFile m_logFile;
    RecordFile m_stateFile;
    StampFile m_stampFile;
    ExtrasFile m_extrasFile;
    // Lines of a later version's keys, by row, written back while the row
    // holds the call they were read with.
    struct KeptLines
    {
        QString call;
        QByteArray lines;
    };
    std::map<int, KeptLines> m_keptLines;
    bool m_extrasKnown = false; // the extras file was there or has been made
    RecordFile m_subTourFile;
    // The stamps a step of asOne() replaced, to put back should it fail.
    std::vector<std::pair<int, std::optional<ContactStamp>>> m_stampUndo;
    StateRecord m_state;
    int m_currentRow = 1;
    std::optional<QString> m_stateDoubt; // why the stored next row cannot be trusted
    WriteTransaction* m_open = nullptr;  // of asOne(), while its steps run
    std::map<QString, QString> m_faults; // file name: why it is not being saved
    QStringList m_remade;                // files made again from memory, not yet said
    bool m_deleted = false;              // by deleteFiles(): nothing is made again
    QString m_lastFault;
    bool m_faultRepeated = false;
};

template <class Steps>
void Logbook::asOne(Steps&& steps)
{
    WriteTransaction transaction;
    m_open = &transaction;
    m_stampUndo.clear();
    try {
        steps();
    } catch (...) {
        m_open = nullptr;
        undoStamps();
        if (const std::optional<QString> undoFailed = transaction.rollback())
            m_faults[m_logFile.name()] = *undoFailed;
        throw;
    }
    m_open = nullptr;
    transaction.commit();
}

} // namespace logbook
