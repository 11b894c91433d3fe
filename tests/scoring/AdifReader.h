// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

// A small ADI reader for the tests, written from the format alone: an
// optional header (text not starting with "<", fields, <EOH>), then records
// of <NAME:LEN[:TYPE]>value fields, each ended by <EOR>. LEN counts bytes,
// which for the ASCII the format's String fields take is also characters.
namespace adifreader {

using Fields = QMap<QByteArray, QByteArray>; // names upper case

struct AdifFile
{
    Fields header;
    QVector<Fields> records;
    QString error; // empty when the file was read whole
};

inline AdifFile readAdif(const QByteArray& bytes)
{
    AdifFile file;
    const auto failed = [&file](const QString& why) {
        file.error = why;
        return file;
    };
    const bool hasHeader = !bytes.startsWith('<');
    bool inHeader = hasHeader;
    Fields current;
    qsizetype pos = 0;
    while (true) {
        const qsizetype open = bytes.indexOf('<', pos);
        if (open < 0)
            break;
        const qsizetype close = bytes.indexOf('>', open);
        if (close < 0)
            return failed(QStringLiteral("unclosed tag at %1").arg(open));
        const QByteArray tag = bytes.mid(open + 1, close - open - 1).toUpper();
        pos = close + 1;
        if (tag == "EOH") {
            if (!inHeader)
                return failed(QStringLiteral("<EOH> outside a header"));
            inHeader = false;
            continue;
        }
        if (tag == "EOR") {
            if (inHeader)
                return failed(QStringLiteral("<EOR> in the header"));
            file.records.append(current);
            current.clear();
            continue;
        }
        const QList<QByteArray> parts = tag.split(':');
        bool numeric = false;
        const int length = parts.size() >= 2 ? parts[1].toInt(&numeric) : 0;
        if (parts.size() < 2 || parts.size() > 3 || !numeric || length < 0 || pos + length > bytes.size())
            return failed(QStringLiteral("bad field <%1>").arg(QString::fromLatin1(tag)));
        (inHeader ? file.header : current).insert(parts[0], bytes.mid(pos, length));
        pos += length;
    }
    if (inHeader)
        file.error = QStringLiteral("no <EOH>");
    else if (!current.isEmpty())
        file.error = QStringLiteral("a record without <EOR>");
    return file;
}

} // namespace adifreader
