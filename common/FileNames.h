// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

class QFileDevice;

// The program keeps its files in the working directory and matches their names
// without regard to letter case, as the files travel between systems that do
// and do not distinguish case.
namespace logbook {

inline const QString kLogFileName = QStringLiteral("system.kvl");
inline const QString kStateFileName = QStringLiteral("cfg.kvl");
inline const QString kStampFileName = QStringLiteral("system.kvx");
inline const QString kExtrasFileName = QStringLiteral("system.kve");
inline const QString kSubTourFileName = QStringLiteral("cfg.kvx");

// The name of the existing entry that matches `name` case-insensitively, the
// exact name first; `name` itself when there is none.
QString existingFileName(const QString& name);
bool fileExists(const QString& name);

// A file as it stands on disk: a changed file is another file. Bad files
// are reported once, and again only once they change.
struct FileStamp
{
    QString path;
    qint64 size = -1;
    QDateTime modified;

    static FileStamp of(const QString& fileName);
    bool operator==(const FileStamp& o) const { return path == o.path && size == o.size && modified == o.modified; }
};

// The stem of the files named by a call (report, Cabrillo, ADIF), fit to
// stand as a file name on Linux and Windows: the call without its outer
// blanks, every separator, wildcard, quote, redirection or control character
// made "_" (a portable call UA9XX/P gives UA9XX_P), and its leading dots too,
// so that no name is hidden or a folder's (".", ".."). Everything else is kept.
QString callFileStem(const QString& call);

// Why an operation on `file` failed, in the system's words: Qt has no text
// of its own for some failures ("Unknown error"), errno still holds it then.
// Call it at once, before anything else can change errno.
QString fileErrorText(const QFileDevice& file);

} // namespace logbook
