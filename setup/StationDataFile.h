#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The station data file "Mydata.kvl": one line per setup value, stored as an
// RTF document with one paragraph per line, text in code page 1251.
namespace setup {

inline const QString kStationDataFileName = QStringLiteral("Mydata.kvl");

// Reads every line; a file that is not RTF is read as plain text lines.
// Throws KvlError("Cannot open file <name>") when the file is missing or unreadable.
QStringList readStationData(const QString& fileName);

// Replaces the file with `lines`, one paragraph each, atomically: the old file
// stays whole if anything fails. Throws KvlError("Cannot create file <name>").
void writeStationData(const QString& fileName, const QStringList& lines);

// The file's content in memory: RTF written, RTF or plain text read.
QByteArray encodeStationData(const QStringList& lines);
QStringList decodeStationData(QByteArrayView bytes);

} // namespace setup
