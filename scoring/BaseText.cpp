// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/BaseText.h"

#include "common/Cp1251.h"
#include "common/FileContent.h"
#include "common/FileNames.h"
#include "common/KvlError.h"

#include <QFileInfo>

namespace scoring {
namespace {

QString joinLinesWithCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

} // namespace

bool BaseText::load(const QString& fileName)
{
    const QString actual = logbook::existingFileName(fileName);
    if (!QFileInfo::exists(actual))
        return false;
    const logbook::FileStamp current = logbook::FileStamp::of(actual);
    if (current == m_reported)
        return false;
    try {
        const bool loaded = read(actual);
        m_reported = logbook::FileStamp();
        return loaded;
    } catch (...) {
        m_reported = current;
        throw;
    }
}

bool BaseText::read(const QString& actual)
{
    m_text = joinLinesWithCrLf(logbook::cp1251::decode(logbook::readWholeFile(actual, MaxBytes)));
    return true;
}

std::optional<QString> raKey(const QString& call)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < call.size(); ++i) {
        if (call[i] >= QLatin1Char('0') && call[i] <= QLatin1Char('9')) {
            start = i;
            break;
        }
    }
    if (call.size() - start < 2)
        return std::nullopt;
    return call.mid(start, 2);
}

std::optional<QString> searchBase(const QString& baseText, const QString& key)
{
    const qsizetype at = baseText.indexOf(key + QLatin1Char('='));
    if (at < 0)
        return std::nullopt;
    const QString window = baseText.mid(at + key.size(), 6); // starts with "="
    const qsizetype semicolon = window.indexOf(QLatin1Char(';'));
    if (semicolon < 0)
        return QString();
    return window.mid(1, semicolon - 1);
}

std::optional<QString> RABase(const QString& call, const BaseText& base)
{
    const std::optional<QString> key = raKey(call);
    if (!key || !logbook::fileExists(kRaBaseTestName))
        return std::nullopt;
    return searchBase(base.text(), *key);
}

std::optional<QString> AsiaBase(const QString& call, const BaseText& base)
{
    // The call-entered step never looks up an empty call; an empty key would
    // match the first "=" of the file.
    if (call.isEmpty() || !logbook::fileExists(kAsiaBaseFileName))
        return std::nullopt;
    return searchBase(base.text(), call);
}

} // namespace scoring
