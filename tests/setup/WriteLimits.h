// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <memory>
#include <QString>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// While it lives, no file of this process may grow past `bytes`: a write is
// cut short as on a full disk. Nothing may be printed meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous {};
};

// Makes saving into `dir` fail while it lives: the folder is made read-only,
// or, for root, whom permissions do not stop, files are kept from growing.
class WriteBlocker
{
public:
    explicit WriteBlocker(const QString& dir) : m_dir(dir), m_root(geteuid() == 0)
    {
        if (m_root)
            m_limit = std::make_unique<FileSizeLimit>(64);
        else
            QFile::setPermissions(m_dir, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                             | QFile::ReadOther | QFile::ExeOther);
    }
    ~WriteBlocker()
    {
        if (!m_root)
            QFile::setPermissions(m_dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QString m_dir;
    bool m_root;
    std::unique_ptr<FileSizeLimit> m_limit;
};
