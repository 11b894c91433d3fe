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

// `stem` made fit to stand as a file name on Linux and Windows: every
// separator, wildcard, quote, redirection or control character becomes "_"
// (a portable call UA9XX/P gives UA9XX_P). Everything else is kept.
QString safeFileStem(const QString& stem);
// The stem of the files named by a call (report, Cabrillo, ADIF): the call
// without its outer blanks, made safe, its leading dots made "_" so that no
// name is hidden or a folder's (".", "..").
QString callFileStem(const QString& call);

// Why an operation on `file` failed, in the system's words: Qt has no text
// of its own for some failures ("Unknown error"), errno still holds it then.
// Call it at once, before anything else can change errno.
QString fileErrorText(const QFileDevice& file);

} // namespace logbook
