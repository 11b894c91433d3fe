// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/RecordFile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace logbook {

// Writes to record files that stand or fall together: each write first
// remembers the file's length and the bytes it overwrites, so that a failure
// at any step puts every file back as it was. Any number of files may take
// part; the last write of a step (the state) is its commit point.
class WriteTransaction
{
public:
    WriteTransaction() = default;
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    ~WriteTransaction() { rollback(); } // not committed: undone

    // The file must outlive the transaction.
    void write(const RecordFile& file, qint64 index, const QByteArray& record);
    void commit() { m_undo.clear(); }
    // Every file back as it was, the last write first; why, if that failed too.
    std::optional<QString> rollback() noexcept;

private:
    struct Undo
    {
        const RecordFile* file;
        RecordFile::Snapshot before;
    };
    std::vector<Undo> m_undo;
};

} // namespace logbook
