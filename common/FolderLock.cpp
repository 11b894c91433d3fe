#include "common/FolderLock.h"

#include <QDir>

FolderLock::FolderLock() : m_lock(QDir::current().filePath(QStringLiteral("kvl.lock")))
{
    m_lock.setStaleLockTime(0);
}

std::optional<QString> FolderLock::take()
{
    if (m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError)
        return std::nullopt;
    qint64 pid = 0;
    QString host;
    QString application;
    m_lock.getLockInfo(&pid, &host, &application);
    return QStringLiteral("KVL уже запущен в этой папке (%1): процесс %2 на компьютере %3. Второй KVL в той же "
                          "папке затёр бы его связи, поэтому он не запускается. Перейдите в окно уже "
                          "запущенного KVL.")
        .arg(QDir::currentPath())
        .arg(pid)
        .arg(host);
}
