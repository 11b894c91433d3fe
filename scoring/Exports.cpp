// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/Exports.h"

#include "common/FileContent.h"
#include "common/FileNames.h"
#include "common/KvlError.h"
#include "scoring/Adif.h"
#include "scoring/Cabrillo.h"
#include "scoring/ContestDate.h"
#include "scoring/ExportText.h"
#include "setup/StationSettings.h"


namespace scoring {
namespace {

void writeInto(ExportResult& result, const QString& name, const QString& text)
{
    try {
        logbook::writeWholeFile(name, text.toLatin1());
        result.written << name;
    } catch (const KvlError& e) {
        result.messages << e.message();
    }
}

QString unreadableRowsMessage(const QVector<int>& rows)
{
    QStringList numbers;
    for (const int row : rows)
        numbers << QString::number(row);
    return QStringLiteral("Связи %1 без читаемого времени или диапазона не вошли в файлы Cabrillo и ADIF")
        .arg(numbers.join(QStringLiteral(", ")));
}

// Files of an earlier exit would be taken for this contest's: say they stay.
QString staleFilesMessage(const ExportFileNames& names)
{
    return QStringLiteral("Файлы %1 и %2 не обновлены и остались от прошлого выхода: для связей без отметки "
                          "времени нужна дата соревнований в поле \"Дата\" на вкладке \"Установки\"")
        .arg(names.cabrillo, names.adif);
}

// A contest that names its exchange has its fields as the QSO: line's
// columns; the widest form a station group sends sets the sent ones.
ExchangeColumns exchangeColumns(const ContestDescription* contest)
{
    ExchangeColumns columns;
    if (!contest)
        return columns;
    columns.sent = int(contest->sent.size());
    for (const auto& [group, form] : contest->sentByGroup)
        columns.sent = qMax(columns.sent, int(form.size()));
    columns.received = int(contest->received.size());
    return columns;
}

} // namespace

ExportFileNames exportFileNames(const QString& callSign)
{
    const QString stem = logbook::callFileStem(callSign);
    return {stem + QStringLiteral(".cbr"), stem + QStringLiteral(".adi")};
}

ExportResult CreateExports(const ExportLog& log, const StationSettings& settings, const ContestDescription* contest,
                           const setup::ExportOptions& options, const QDateTime& createdUtc)
{
    ExportResult result;
    std::optional<QDate> date;
    const ExportFileNames names = exportFileNames(settings.callSign());
    if (needsContestDate(log)) {
        const QString dateText = settings.field(setup::ContestDate);
        if (dateText.trimmed().isEmpty()) {
            if (logbook::fileExists(names.cabrillo) || logbook::fileExists(names.adif))
                result.messages << staleFilesMessage(names);
            return result;
        }
        date = parseContestDate(dateText);
        if (!date) {
            result.messages << contestDateRefusal(dateText);
            return result;
        }
    }
    const DatedLog dated = datedContacts(log, date.value_or(QDate()));
    const QString contestName = exportContestName(contest, options);
    writeInto(result, names.cabrillo,
              cabrilloText(dated.contacts, settings, options, contestName, reportTotals(log.rows, contest),
                           exchangeColumns(contest)));
    writeInto(result, names.adif, adifText(dated.contacts, settings, contestName, createdUtc));
    if (!dated.unreadableRows.isEmpty())
        result.messages << unreadableRowsMessage(dated.unreadableRows);
    return result;
}

} // namespace scoring
