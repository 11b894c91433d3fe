// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace logbook {

// A file of fixed-size records addressed by index. Every operation opens,
// works and closes; a write is on the disk before it returns. Failures throw
// KvlError with a text that names the file.
class RecordFile
{
public:
    RecordFile(QString name, int recordSize);

    const QString& name() const { return m_name; }
    bool exists() const;
    qint64 recordCount() const; // whole records only

    // Writes at `index`; a gap past the end is filled with zero bytes. The file
    // must exist: it is never created here.
    void write(qint64 index, const QByteArray& record) const;
    // Up to `count` whole records from `first`, as far as the file reaches.
    QByteArray read(qint64 first, qint64 count) const;
    void createEmpty() const;
    // The whole file replaced by `bytes` at once (a temporary file renamed).
    void replaceAll(const QByteArray& bytes) const;
    void remove() const;
    // Throws, with the system's reason, when the file cannot be opened for
    // writing: missing, a folder, no permission.
    void checkWritable() const;

    // What a write of `count` records at `index` would change: the file's
    // length and the bytes it would overwrite. restore() puts them back.
    struct Snapshot
    {
        qint64 length = 0;
        qint64 position = 0;
        QByteArray overwritten;
    };
    Snapshot snapshot(qint64 index, qint64 count) const;
    void restore(const Snapshot& before) const;

private:
    QString m_name;
    int m_recordSize;
};

} // namespace logbook
