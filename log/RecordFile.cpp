// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/RecordFile.h"

#include "common/FileContent.h"
#include "common/FileNames.h"
#include "common/KvlError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace logbook {
namespace {

// A file opened by its handle has no name of its own: the caller's is given.
[[noreturn]] void fail(const QString& action, const QString& name, const QFile& file)
{
    const QString reason = fileErrorText(file);
    throw KvlError(QStringLiteral("%1 %2: %3").arg(action, QFileInfo(name).fileName(), reason));
}

void syncToDisk(QFile& file, const QString& name)
{
    if (!file.flush())
        fail(QStringLiteral("Не удалось записать файл"), name, file);
#if defined(Q_OS_WIN)
    const int rc = ::_commit(file.handle());
#elif defined(Q_OS_LINUX)
    // The data and the size the file needs to read it back; no time stamps.
    const int rc = ::fdatasync(file.handle());
#else
    const int rc = ::fsync(file.handle());
#endif
    if (rc != 0)
        throw KvlError(QStringLiteral("Не удалось записать файл %1: %2").arg(name, QString::fromLocal8Bit(std::strerror(errno))));
}

void openOrFail(QFile& file, QIODevice::OpenMode mode)
{
    openRegular(file, mode | QIODevice::ExistingOnly);
}

} // namespace

RecordFile::RecordFile(QString name, int recordSize)
    : m_name(std::move(name)), m_recordSize(recordSize)
{
}

bool RecordFile::exists() const
{
    return fileExists(m_name);
}

qint64 RecordFile::recordCount() const
{
    return QFileInfo(existingFileName(m_name)).size() / m_recordSize;
}

void RecordFile::write(qint64 index, const QByteArray& record) const
{
    QFile file(existingFileName(m_name));
    // Unbuffered: a short write is seen at the write, with its reason.
    openOrFail(file, QIODevice::ReadWrite | QIODevice::Unbuffered);
    const qint64 position = index * m_recordSize;
    const qint64 size = file.size();
    if (position > size) {
        if (!file.seek(size) || file.write(QByteArray(position - size, '\0')) != position - size)
            fail(QStringLiteral("Не удалось записать файл"), m_name, file);
    }
    if (!file.seek(position) || file.write(record) != record.size())
        fail(QStringLiteral("Не удалось записать файл"), m_name, file);
    syncToDisk(file, m_name);
}

QByteArray RecordFile::read(qint64 first, qint64 count) const
{
    QFile file(existingFileName(m_name));
    openOrFail(file, QIODevice::ReadOnly);
    const qint64 available = file.size() / m_recordSize - first;
    const qint64 wanted = qMin(count, available);
    if (wanted <= 0)
        return {};
    if (!file.seek(first * m_recordSize))
        fail(QStringLiteral("Не удалось прочитать файл"), m_name, file);
    QByteArray bytes = file.read(wanted * m_recordSize);
    if (bytes.size() != wanted * m_recordSize)
        fail(QStringLiteral("Не удалось прочитать файл"), m_name, file);
    return bytes;
}

void RecordFile::createEmpty() const
{
    QFile file(m_name);
    openRegular(file, QIODevice::WriteOnly | QIODevice::NewOnly);
    syncToDisk(file, m_name);
}

void RecordFile::replaceAll(const QByteArray& bytes) const
{
    writeWholeFile(m_name, bytes);
}

void RecordFile::remove() const
{
    const QString actual = existingFileName(m_name);
    if (QFileInfo::exists(actual) && !QFile::remove(actual))
        throw KvlError(QStringLiteral("Не удалось удалить файл %1").arg(actual));
}

void RecordFile::checkWritable() const
{
    QFile file(existingFileName(m_name));
    openOrFail(file, QIODevice::ReadWrite);
}

RecordFile::Snapshot RecordFile::snapshot(qint64 index, qint64 count) const
{
    QFile file(existingFileName(m_name));
    openOrFail(file, QIODevice::ReadOnly);
    Snapshot before;
    before.length = file.size();
    before.position = index * m_recordSize;
    const qint64 kept = qMin(before.length - before.position, count * m_recordSize);
    if (kept > 0) {
        if (!file.seek(before.position))
            fail(QStringLiteral("Не удалось прочитать файл"), m_name, file);
        before.overwritten = file.read(kept);
        if (before.overwritten.size() != kept)
            fail(QStringLiteral("Не удалось прочитать файл"), m_name, file);
    }
    return before;
}

// Only bytes that were there are written back, so that no limit on the
// file's size can stop it; the cut drops whatever a failed write added.
void RecordFile::restore(const Snapshot& before) const
{
    QFile file(existingFileName(m_name));
    openOrFail(file, QIODevice::ReadWrite | QIODevice::Unbuffered);
    if (!before.overwritten.isEmpty()
        && (!file.seek(before.position) || file.write(before.overwritten) != before.overwritten.size()))
        fail(QStringLiteral("Не удалось записать файл"), m_name, file);
    if (!file.resize(before.length))
        fail(QStringLiteral("Не удалось записать файл"), m_name, file);
    syncToDisk(file, m_name);
}

} // namespace logbook
