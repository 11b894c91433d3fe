// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/KvlError.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <optional>

class QFile;

// Every file of the program is opened, read and replaced here. Only regular
// files are opened by name: a FIFO blocks the opener, a tty raises DTR and RTS
// and would key a transmitter, a device may never end. Every read has a
// bound, and a whole file is replaced through a temporary file and a rename,
// so that a failure leaves the earlier file in place.
namespace logbook {

// Why an existing `name` cannot be used as a file (a folder, a FIFO, a
// device, a socket); none for a regular file, a link to one, or no entry.
std::optional<QString> notRegularFile(const QString& name);

// Opens `file`, its name set, for `mode` (QIODevice::NewOnly creates it,
// ExistingOnly never does) without ever blocking: a name that is no regular
// file is refused before and after the open. Throws KvlError "Cannot open
// file NAME: why" ("Cannot create file" for NewOnly).
void openRegular(QFile& file, QIODevice::OpenMode mode);

// A file larger than its reader takes: never read, not even in part.
class FileTooLarge : public KvlError
{
public:
    FileTooLarge(const QString& name, qint64 limit);
    QString reason() const { return m_reason; } // "он больше 1 МиБ"

private:
    QString m_reason;
};

// "1 МиБ", "64 МиБ", "16 КиБ": a size limit as the messages give it.
QString sizeText(qint64 bytes);

// The whole of regular file `name` (matched without regard to letter case),
// at most `limit` bytes: a larger file, or one that grows past it while it is
// read, throws FileTooLarge; any other failure KvlError naming the file.
QByteArray readWholeFile(const QString& name, qint64 limit);

// Replaces `name` (matched without regard to letter case) with `bytes`: a
// temporary file beside it, synced, renamed over it, and the folder synced.
// A name that is no regular file is refused. Throws KvlError "Cannot create
// file NAME: why"; the earlier file is then unchanged.
void writeWholeFile(const QString& name, const QByteArray& bytes);

} // namespace logbook
