// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace logbook {
namespace {

QString safeFileStem(const QString& stem)
{
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    QString safe = stem;
    for (QChar& c : safe) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || kForbidden.contains(c))
            c = QLatin1Char('_');
    }
    return safe;
}

} // namespace

QString existingFileName(const QString& name)
{
    if (QFileInfo::exists(name))
        return name;
    const QStringList entries = QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

bool fileExists(const QString& name)
{
    return QFileInfo::exists(existingFileName(name));
}

FileStamp FileStamp::of(const QString& fileName)
{
    const QFileInfo info(fileName);
    return {info.absoluteFilePath(), info.size(), info.lastModified()};
}

QString callFileStem(const QString& call)
{
    QString stem = safeFileStem(call.trimmed());
    for (QChar& c : stem) {
        if (c != QLatin1Char('.'))
            break;
        c = QLatin1Char('_');
    }
    return stem;
}

QString fileErrorText(const QFileDevice& file)
{
    const int savedErrno = errno;
    const QString text = file.errorString();
    // A fresh file's text is Qt's "no reason", in whichever language Qt speaks.
    if (savedErrno != 0 && (text.isEmpty() || text == QFile().errorString()))
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    return text;
}

} // namespace logbook
