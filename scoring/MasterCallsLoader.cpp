// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/MasterCallsLoader.h"

#include "common/KvlError.h"
#include "scoring/MasterFile.h"

#include <QFileInfo>

namespace scoring {

MasterLoad loadMasterCalls(const QString& configured, const logbook::FileStamp& seen)
{
    using Outcome = MasterLoad;
    Outcome outcome;
    outcome.path = masterFilePath(configured);
    if (!QFileInfo::exists(outcome.path))
        return outcome;
    outcome.stamp = logbook::FileStamp::of(outcome.path);
    if (outcome.stamp == seen) {
        outcome.kind = Outcome::Unchanged;
        return outcome;
    }
    try {
        outcome.index = std::make_shared<const MasterIndex>(readMasterFile(outcome.path));
        outcome.kind = Outcome::Loaded;
    } catch (const KvlError& e) {
        outcome.kind = Outcome::Failed;
        outcome.message = e.message();
    }
    return outcome;
}

MasterCallsLoader::MasterCallsLoader(QObject* parent)
    : QObject(parent)
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &MasterCallsLoader::request);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &MasterCallsLoader::request);
}

MasterCallsLoader::~MasterCallsLoader()
{
    if (m_thread.joinable())
        m_thread.join();
}

void MasterCallsLoader::follow(const QString& configured)
{
    m_configured = configured;
    m_seen = {};
    const QString path = masterFilePath(configured);
    m_inUse = QFileInfo::exists(path);
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    watch(path);
    request();
}

void MasterCallsLoader::request()
{
    if (m_loading) {
        m_again = true;
        return;
    }
    launch();
}

void MasterCallsLoader::launch()
{
    if (m_thread.joinable())
        m_thread.join(); // it ended with handing over its outcome
    m_loading = true;
    m_thread = std::thread([this, configured = m_configured, seen = m_seen] {
        const Outcome outcome = loadMasterCalls(configured, seen);
        QMetaObject::invokeMethod(this, [this, outcome] { finish(outcome); }, Qt::QueuedConnection);
    });
}

void MasterCallsLoader::finish(const Outcome& outcome)
{
    m_loading = false;
    watch(outcome.path);
    const bool wasInUse = m_inUse;
    const bool hadIndex = m_index != nullptr;
    m_inUse = outcome.kind != Outcome::Missing;
    if (outcome.kind == Outcome::Missing) {
        m_index.reset();
        m_seen = {};
    } else if (outcome.kind != Outcome::Unchanged) {
        m_seen = outcome.stamp;
        if (outcome.index) // a bad file leaves the calls loaded before
            m_index = outcome.index;
    }
    if (outcome.kind == Outcome::Failed)
        Q_EMIT failed(outcome.message);
    if (m_inUse != wasInUse || outcome.kind == Outcome::Loaded || (hadIndex && !m_index))
        Q_EMIT changed();
    if (m_again) {
        m_again = false;
        launch();
    }
}

// A file replaced by renaming is no longer watched: watch it again, and its
// folder, for a file that appears, is renamed in or goes.
void MasterCallsLoader::watch(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (info.exists() && !m_watcher.files().contains(info.absoluteFilePath()))
        m_watcher.addPath(info.absoluteFilePath());
}

} // namespace scoring
