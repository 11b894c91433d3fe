// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileContent.h"

#include "common/FileNames.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace logbook {
namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString failure(const QString& name, QIODevice::OpenMode mode, const QString& why)
{
    const QString action = mode.testFlag(QIODevice::NewOnly) ? QStringLiteral("Cannot create file")
                                                             : QStringLiteral("Cannot open file");
    return QStringLiteral("%1 %2: %3").arg(action, name, why);
}

#ifdef Q_OS_UNIX
std::optional<QString> kindReason(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    if (S_ISFIFO(mode))
        return QStringLiteral("это канал (FIFO), а не файл");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("это устройство, а не файл");
    if (S_ISSOCK(mode))
        return QStringLiteral("это сокет, а не файл");
    return QStringLiteral("это не обычный файл");
}

int openFlags(QIODevice::OpenMode mode)
{
    int flags = O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    if (mode.testFlag(QIODevice::ReadOnly) && mode.testFlag(QIODevice::WriteOnly))
        flags |= O_RDWR;
    else if (mode.testFlag(QIODevice::WriteOnly))
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    if (mode.testFlag(QIODevice::NewOnly))
        flags |= O_CREAT | O_EXCL;
    else if (mode.testFlag(QIODevice::WriteOnly) && !mode.testFlag(QIODevice::ExistingOnly))
        flags |= O_CREAT;
    return flags;
}
#endif

} // namespace

std::optional<QString> notRegularFile(const QString& name)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(name).constData(), &status) != 0)
        return std::nullopt; // no entry, or a link to none
    return kindReason(status.st_mode);
#else
    const QFileInfo info(name);
    if (info.isDir())
        return QStringLiteral("это папка, а не файл");
    return std::nullopt;
#endif
}

void openRegular(QFile& file, QIODevice::OpenMode mode)
{
    const QString name = file.fileName();
    if (const std::optional<QString> why = notRegularFile(name))
        throw KvlError(failure(name, mode, *why));
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(name).constData(), openFlags(mode), 0666);
    if (fd < 0)
        throw KvlError(failure(name, mode, systemReason(errno)));
    // Between the look and the open the name may have become something else.
    struct stat status {};
    if (::fstat(fd, &status) != 0 || kindReason(status.st_mode)) {
        const int error = errno;
        ::close(fd);
        throw KvlError(failure(name, mode, kindReason(status.st_mode).value_or(systemReason(error))));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const QIODevice::OpenMode handleMode = mode & ~(QIODevice::NewOnly | QIODevice::ExistingOnly);
    if (!file.open(fd, handleMode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw KvlError(failure(name, mode, fileErrorText(file)));
    }
#else
    if (!file.open(mode))
        throw KvlError(failure(name, mode, fileErrorText(file)));
#endif
}

QString sizeText(qint64 bytes)
{
    constexpr qint64 kMiB = 1024 * 1024;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return QStringLiteral("%1 МиБ").arg(bytes / kMiB);
    return QStringLiteral("%1 КиБ").arg((bytes + 1023) / 1024);
}

FileTooLarge::FileTooLarge(const QString& name, qint64 limit)
    : KvlError(QStringLiteral("Файл %1 не прочитан: он больше %2").arg(name, sizeText(limit)))
    , m_reason(QStringLiteral("он больше %1").arg(sizeText(limit)))
{
}

// Read in pieces up to one byte past the limit: the size the file had at the
// open is no promise (a file that grows, a link to an endless source).
QByteArray readWholeFile(const QString& name, qint64 limit)
{
    QFile file(existingFileName(name));
    openRegular(file, QIODevice::ReadOnly);
    const qint64 size = file.size();
    if (size > limit)
        throw FileTooLarge(name, limit);
    QByteArray bytes;
    bytes.reserve(size);
    char piece[64 * 1024];
    for (;;) {
        const qint64 wanted = std::min<qint64>(sizeof piece, limit + 1 - bytes.size());
        const qint64 got = file.read(piece, wanted);
        if (got < 0)
            throw KvlError(QStringLiteral("Не удалось прочитать файл %1: %2").arg(name, fileErrorText(file)));
        if (got == 0)
            return bytes;
        bytes.append(piece, got);
        if (bytes.size() > limit)
            throw FileTooLarge(name, limit);
    }
}

void writeWholeFile(const QString& name, const QByteArray& bytes)
{
    const QString actual = existingFileName(name);
    if (const std::optional<QString> why = notRegularFile(actual))
        throw KvlError(failure(name, QIODevice::NewOnly, *why));
    QSaveFile file(actual);
    // Unbuffered, so that a short write (a full disk, a size limit) is seen
    // here: a buffered save file can commit the cut-off text without an error.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size()
        || !file.commit())
        throw KvlError(failure(name, QIODevice::NewOnly, fileErrorText(file)));
#ifdef Q_OS_UNIX
    // The rename is on the disk once the folder is.
    const QString folder = QFileInfo(actual).absolutePath();
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

} // namespace logbook
