// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/SubTourTimes.h"

#include <QRegularExpression>
#include <algorithm>

namespace logbook {
namespace {

// H:MM, HH:MM, H:MM:SS, HH:MM:SS, HHMM or HHMMSS; nothing else.
std::optional<QTime> readTime(const QString& run)
{
    static const QRegularExpression kForms(
        QStringLiteral("^(?:(\\d{1,2}):(\\d{2})(?::(\\d{2}))?|(\\d{2})(\\d{2})(\\d{2})?)$"));
    const QRegularExpressionMatch m = kForms.match(run);
    if (!m.hasMatch())
        return std::nullopt;
    const int first = m.capturedLength(1) > 0 ? 1 : 4; // the colon forms, or the digits alone
    const QTime t(m.captured(first).toInt(), m.captured(first + 1).toInt(), m.captured(first + 2).toInt());
    return t.isValid() ? std::optional<QTime>(t) : std::nullopt;
}

// The times of one word; false when a run of digits in it is no time.
bool readWord(const QString& word, std::vector<QTime>& times)
{
    static const QRegularExpression kRun(QStringLiteral("[0-9:]*[0-9][0-9:]*"));
    bool readable = true;
    for (const QRegularExpressionMatch& m : kRun.globalMatch(word)) {
        // "Туры:10:00" and "10:00:" hold the time 10:00.
        const QString run = m.captured().remove(QRegularExpression(QStringLiteral("^:+|:+$")));
        const std::optional<QTime> t = readTime(run);
        if (t)
            times.push_back(*t);
        readable = readable && t.has_value();
    }
    return readable;
}

} // namespace

SubTourTimes parseSubTourTimes(const QString& text)
{
    SubTourTimes parsed;
    static const QRegularExpression kSpace(QStringLiteral("\\s+"));
    for (const QString& word : text.split(kSpace, Qt::SkipEmptyParts)) {
        if (!readWord(word, parsed.times) && !parsed.unreadable.contains(word))
            parsed.unreadable << word;
    }
    std::sort(parsed.times.begin(), parsed.times.end());
    parsed.times.erase(std::unique(parsed.times.begin(), parsed.times.end()), parsed.times.end());
    return parsed;
}

std::optional<QString> unreadableTimesMessage(const QString& text)
{
    const QStringList unreadable = parseSubTourTimes(text).unreadable;
    if (unreadable.isEmpty())
        return std::nullopt;
    return QStringLiteral("В поле \"Время подтуров\" не время: %1. Эти записи пропущены, остальные времена действуют. "
                          "Время пишется так: 10:00, 10:00:00, 9:00, 1000 или 100000.")
        .arg(QStringLiteral("«") + unreadable.join(QStringLiteral("», «")) + QStringLiteral("»"));
}

} // namespace logbook
