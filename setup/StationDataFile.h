// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "common/KvlError.h"

// The station data file "Mydata.kvl": one line per setup value, stored as an
// RTF document with one paragraph per line, text in code page 1251.
namespace setup {

inline const QString kStationDataFileName = QStringLiteral("Mydata.kvl");
constexpr qint64 kStationDataMaxBytes = 1024 * 1024;

// A file in the station data file's place that is not one: larger than
// kStationDataMaxBytes, or a control character other than tab, CR and LF in
// its text. It is used as if missing, and kept aside before it is replaced.
class NotStationData : public KvlError
{
public:
    using KvlError::KvlError;
};

// Reads every line; a file that is not RTF is read as plain text lines.
// Throws KvlError("Cannot open file <name>") when the file is missing, with
// the reason when it cannot be read or is no regular file, NotStationData
// when it is not a station data file.
QStringList readStationData(const QString& fileName);
// Renames a file that is not a station data file to "<name>.bad" (".bad.2",
// ".bad.3" where that exists), so that saving the setup loses nothing of it;
// answers the new name.
QString keepBadStationData(const QString& fileName);

// Replaces the file with `lines`, one paragraph each, atomically: the old file
// stays whole if anything fails. Throws KvlError("Cannot create file <name>"),
// also when the file would be too large to be read again.
void writeStationData(const QString& fileName, const QStringList& lines);

// The file's content in memory: RTF written, RTF or plain text read.
QByteArray encodeStationData(const QStringList& lines);
QStringList decodeStationData(QByteArrayView bytes);

} // namespace setup
