// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/FileNames.h"
#include "scoring/MasterIndex.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <memory>
#include <thread>

// Keeps the master call file loaded: read and indexed on a thread of its
// own at start and again whenever the file changes, so the window never
// waits for it. The folder is watched as well as the file, since editors
// save by writing a new file and renaming it over the old one.
namespace scoring {

// What one load found, handed from the loading thread to the window's.
struct MasterLoad
{
    enum Kind { Missing, Unchanged, Loaded, Failed } kind = Missing;
    QString path;
    logbook::FileStamp stamp;
    std::shared_ptr<const MasterIndex> index;
    QString message;
};

// One load: the file as it stands now against `seen`, read only when it
// changed. Runs on any thread.
MasterLoad loadMasterCalls(const QString& configured, const logbook::FileStamp& seen);

class MasterCallsLoader : public QObject
{
    Q_OBJECT
public:
    explicit MasterCallsLoader(QObject* parent = nullptr);
    ~MasterCallsLoader() override; // waits for a load in progress

    // Follows the file kvl.ini names (`configured`), or MASTER.SCP in the
    // working folder when it names none; returns at once.
    void follow(const QString& configured);
    // The calls loaded last; none while no master file is found.
    std::shared_ptr<const MasterIndex> index() const { return m_index; }
    // A master file is there (found when follow() was called, then as the
    // loads find it), so the window can make room for its line at once.
    bool inUse() const { return m_inUse; }

Q_SIGNALS:
    // The index or inUse() changed.
    void changed();
    // A file that cannot be used, said once until it changes.
    void failed(const QString& message);

private:
    using Outcome = MasterLoad;

    void request();
    void launch();
    void finish(const Outcome& outcome);
    void watch(const QString& path);

    QFileSystemWatcher m_watcher;
    QString m_configured;
    std::shared_ptr<const MasterIndex> m_index;
    logbook::FileStamp m_seen; // the file as it stood when loaded or said bad
    bool m_inUse = false;
    bool m_loading = false;
    bool m_again = false; // a change came while loading
    std::thread m_thread;
};

} // namespace scoring
