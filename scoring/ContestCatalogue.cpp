// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ContestCatalogue.h"

#include "common/FileContent.h"
#include "common/KvlError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace scoring {
namespace {

QByteArray readDescription(const QString& path)
{
    if (!path.startsWith(QLatin1String(":/")))
        return logbook::readWholeFile(path, kContestMaxBytes);
    QFile resource(path); // carried in the program
    if (!resource.open(QIODevice::ReadOnly))
        throw KvlError(QStringLiteral("Файл %1 не читается: %2").arg(path, resource.errorString()));
    return resource.readAll();
}

// The list files a description's code fields name, beside it: a code a line,
// its first word, anything after it (a district's name) and "#" comments aside.
std::optional<QString> readLists(ContestDescription& contest, const QString& path)
{
    std::vector<QString> names;
    for (const ExchangeForm* form : {&contest.sent, &contest.received}) {
        for (const ExchangeField& field : *form)
            for (const FieldForm& f : field)
                names.push_back(f.list);
    }
    for (const auto& [group, form] : contest.sentByGroup)
        for (const ExchangeField& field : form)
            names.push_back(field.front().list);
    for (const QString& name : names) {
        if (name.isEmpty() || contest.lists.count(name))
            continue;
        const QString file = QFileInfo(path).dir().filePath(name + QStringLiteral(".list"));
        QByteArray text;
        try {
            text = readDescription(file);
        } catch (const KvlError& e) {
            return QStringLiteral("список кодов %1: %2").arg(file, e.message());
        }
        QSet<QString>& codes = contest.lists[name];
        for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
            const QString code = line.section(QLatin1Char('#'), 0, 0).simplified().section(QLatin1Char(' '), 0, 0);
            if (!code.isEmpty())
                codes.insert(code.toUpper());
        }
        if (codes.isEmpty())
            return QStringLiteral("в списке кодов %1 нет ни одного кода").arg(file);
    }
    return std::nullopt;
}

// A later file of one name takes the earlier one's place, once it reads well:
// a broken copy leaves the one it would replace offered.
void add(ContestCatalogue& catalogue, const QString& path, std::vector<QString>& stems)
{
    DescriptionRead read;
    try {
        read = readContestDescription(readDescription(path));
    } catch (const KvlError& e) {
        catalogue.errors << e.message();
        return;
    }
    if (read.description && read.error.isEmpty())
        read.error = readLists(*read.description, path).value_or(QString());
    if (!read.description || !read.error.isEmpty()) {
        catalogue.errors << QStringLiteral("Описание соревнований %1: %2").arg(path, read.error);
        return;
    }
    const QString stem = QFileInfo(path).completeBaseName().toLower();
    const auto same = std::find(stems.begin(), stems.end(), stem);
    const ContestDescription* named = catalogue.find(read.description->name);
    if (named && (same == stems.end() || named != &catalogue.contests[size_t(same - stems.begin())].description)) {
        catalogue.errors << QStringLiteral("Описание соревнований %1: название «%2» уже есть у другого описания")
                                .arg(path, read.description->name);
        return;
    }
    if (same != stems.end()) {
        catalogue.contests[size_t(same - stems.begin())] = {path, *read.description}; // in the list's place it had
        return;
    }
    catalogue.contests.push_back({path, *read.description});
    stems.push_back(stem);
}

} // namespace

const ContestDescription* ContestCatalogue::find(const QString& name) const
{
    const auto found = std::find_if(contests.begin(), contests.end(),
                                    [&](const CatalogueEntry& e) { return e.description.name == name; });
    return found == contests.end() ? nullptr : &found->description;
}

QStringList ContestCatalogue::names() const
{
    QStringList names;
    for (const CatalogueEntry& e : contests)
        names << e.description.name;
    return names;
}

ContestCatalogue loadContestCatalogue(const QStringList& folders)
{
    ContestCatalogue catalogue;
    std::vector<QString> stems; // beside catalogue.contests
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList files = dir.entryList({QLatin1Char('*') + kContestSuffix}, QDir::Files | QDir::Readable,
                                                QDir::Name | QDir::IgnoreCase);
        for (const QString& file : files)
            add(catalogue, dir.filePath(file), stems);
    }
    return catalogue;
}

} // namespace scoring
