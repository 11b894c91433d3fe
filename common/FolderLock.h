// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#ifndef Q_OS_UNIX
#include <QLockFile>
#endif

// One KVL per working folder: two copies writing one log overwrite each
// other's contacts. The system holds the lock on the folder itself for the
// life of the process, so deleting a file cannot free it and a crash always
// does. The file "kvl.lock" only tells a second copy whose lock it is.
class FolderLock
{
public:
    FolderLock();
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Taken before any other file of the folder is read. None: this copy may
    // run, also where no lock can be taken at all (a folder that cannot be
    // opened, a file system without locks). Otherwise what the operator reads.
    std::optional<QString> take();

private:
#ifdef Q_OS_UNIX
    int m_folder = -1; // the folder opened, holding the lock
    bool m_held = false;
#else
    QLockFile m_lock;
#endif
};
