#pragma once

#include <QString>
#include <QStringList>

// The station data file "Mydata.kvl": one line per setup value.
namespace setup {

inline const QString kStationDataFileName = QStringLiteral("Mydata.kvl");

// Reads every line; a file that is not valid RTF is read as plain text lines.
// Throws KvlError("Cannot open file <name>") when the file is missing or unreadable.
QStringList readStationData(const QString& fileName);

// Replaces the file with `lines`, one paragraph each, atomically: the old file
// stays whole if anything fails. Throws KvlError("Cannot create file <name>").
void writeStationData(const QString& fileName, const QStringList& lines);

} // namespace setup
