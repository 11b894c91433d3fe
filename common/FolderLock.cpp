// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FolderLock.h"

#include "common/FileContent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

const QString kInfoFile = QStringLiteral("kvl.lock");

// Without the file's word (deleted, damaged) the lock still holds; only its
// owner goes unnamed.
QString refusal(qint64 pid, const QString& host)
{
    const QString owner = pid > 0 && !host.isEmpty()
        ? QStringLiteral(": процесс %1 на компьютере %2").arg(pid).arg(host)
        : QString();
    return QStringLiteral("KVL уже запущен в этой папке (%1)%2. Второй KVL в той же папке затёр бы его связи, "
                          "поэтому он не запускается. Перейдите в окно уже запущенного KVL.")
        .arg(QDir::currentPath(), owner);
}

} // namespace

#ifdef Q_OS_UNIX

FolderLock::FolderLock() = default;

FolderLock::~FolderLock()
{
    if (m_held)
        QFile::remove(kInfoFile);
    if (m_folder >= 0)
        ::close(m_folder); // frees the lock
}

std::optional<QString> FolderLock::take()
{
    m_folder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        return std::nullopt;
    if (::flock(m_folder, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK)
            return std::nullopt;
        qint64 pid = 0;
        QString host;
        try {
            const QStringList info = QString::fromUtf8(logbook::readWholeFile(kInfoFile, 4096)).split(QLatin1Char('\n'));
            pid = info.value(0).toLongLong();
            host = info.value(1).trimmed();
        } catch (const KvlError&) {
            // Deleted or damaged: the lock holds all the same.
        }
        return refusal(pid, host);
    }
    m_held = true;
    try {
        logbook::writeWholeFile(kInfoFile, QStringLiteral("%1\n%2\n")
                                               .arg(QCoreApplication::applicationPid())
                                               .arg(QSysInfo::machineHostName())
                                               .toUtf8());
    } catch (const KvlError&) {
        // A read-only folder: the lock holds, the log's own warning explains.
    }
    return std::nullopt;
}

#else

FolderLock::FolderLock() : m_lock(QDir::current().filePath(kInfoFile))
{
    m_lock.setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

std::optional<QString> FolderLock::take()
{
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
        return std::nullopt;
    qint64 pid = 0;
    QString host;
    QString application;
    m_lock.getLockInfo(&pid, &host, &application);
    return refusal(pid, host);
}

#endif
