// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/MasterFile.h"

#include "common/FileContent.h"
#include "common/KvlError.h"

#include <QDir>
#include <QFileInfo>

namespace scoring {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// The line as a call in upper case, or empty when it is none.
QByteArrayView asCall(QByteArrayView line, char* out)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    if (line.isEmpty() || line.front() == '#' || line.size() > kMasterCallMax)
        return {};
    for (qsizetype i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/'))
            return {};
        out[i] = c;
    }
    return {out, line.size()};
}

} // namespace

MasterIndex parseMasterCalls(QByteArrayView text)
{
    // Room for every call at once, so the views into it stay valid.
    QByteArray upper(text.size(), Qt::Uninitialized);
    std::vector<QByteArrayView> calls;
    qsizetype used = 0;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = text.indexOf('\n', at);
        if (end < 0)
            end = text.size();
        const QByteArrayView call = asCall(text.sliced(at, end - at), upper.data() + used);
        at = end + 1;
        if (call.isEmpty())
            continue;
        calls.push_back(call);
        used += call.size();
    }
    return MasterIndex(calls);
}

QString masterFilePath(const QString& configured)
{
    const QString wanted = configured.isEmpty() ? kMasterFileName : configured;
    if (QFileInfo::exists(wanted))
        return wanted;
    const QFileInfo info(wanted);
    const QStringList entries = info.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return configured.isEmpty() ? entry : info.dir().filePath(entry);
    }
    return wanted;
}

MasterIndex readMasterFile(const QString& path)
{
    const QByteArray bytes = logbook::readWholeFile(path, kMasterMaxBytes);
    if (bytes.contains('\0'))
        throw KvlError(QStringLiteral("Файл позывных %1 не текстовый (в нём двоичные данные) и не загружен").arg(path));
    return parseMasterCalls(bytes);
}

} // namespace scoring
