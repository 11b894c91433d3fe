#include "StationDataFile.h"

#include "Cp1251.h"
#include "FileNames.h"
#include "KvlError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace setup {

QStringList readStationData(const QString& fileName)
{
    const QString actual = logbook::existingFileName(fileName);
    QFile file(actual);
    if (QFileInfo(actual).isDir() || !file.open(QIODevice::ReadOnly))
        throw KvlError(QStringLiteral("Cannot open file %1").arg(fileName));
    QString text = logbook::cp1251::decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void writeStationData(const QString& fileName, const QStringList& lines)
{
    QSaveFile file(logbook::existingFileName(fileName));
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += logbook::cp1251::encode(line) + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw KvlError(QStringLiteral("Cannot create file %1").arg(fileName));
}

} // namespace setup
