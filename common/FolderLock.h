#pragma once

#include <QLockFile>
#include <QString>
#include <optional>

// One KVL per working folder: two copies writing one log overwrite each
// other's contacts. The lock is the file "kvl.lock" in the folder, held while
// the program runs; only a dead owner's lock is taken over, however old.
class FolderLock
{
public:
    FolderLock();

    // Taken before any other file of the folder is read. None: this copy may
    // run, also where no lock can be made at all (a read-only folder, which
    // the log's own warning then explains). Otherwise what the operator reads.
    std::optional<QString> take();

private:
    QLockFile m_lock;
};
