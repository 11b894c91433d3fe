// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/MasterIndex.h"

#include <QString>
#include <memory>

// The master call file: the calls active in contests, one a line, in the
// MASTER.SCP text format shared by contest loggers.
namespace scoring {

inline const QString kMasterFileName = QStringLiteral("MASTER.SCP");
// Even a list of every call ever heard in a contest stays far below this.
constexpr qint64 kMasterMaxBytes = 64 * 1024 * 1024;
// A longer line is no call, whatever its characters.
constexpr int kMasterCallMax = 20;

// The calls of the file's text, each once, in the file's order: lines split
// at LF with an optional CR, "#" lines and blank lines left out, lower case
// taken as upper case, a line with a character that cannot stand in a call
// (A-Z, 0-9, "/") skipped.
MasterIndex parseMasterCalls(QByteArrayView text);

// The master file: `configured` (from kvl.ini) when set, else MASTER.SCP in
// the working folder; the name matched without regard to letter case.
QString masterFilePath(const QString& configured);

// Reads and indexes the file. Throws KvlError naming the file when it cannot
// be read, is larger than kMasterMaxBytes or holds binary data.
MasterIndex readMasterFile(const QString& path);

} // namespace scoring
