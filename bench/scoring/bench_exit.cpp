// SPDX-License-Identifier: GPL-3.0-or-later
// The work done at exit on a 10,000-contact log: the report (log and
// summary sheet) and the Cabrillo and ADIF files, durable writes included.
// Prints the median and the worst of several exits in ms.
#include "log/BandTable.h"
#include "scoring/ContestCatalogue.h"
#include "scoring/Exports.h"
#include "scoring/Report.h"
#include "setup/StationSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kContacts = 10000;
constexpr int kRuns = 21;

class BenchSettings : public StationSettings
{
public:
    QStringList lines = QStringList(setup::kTemplateLineCount);
    QString field(int line) const override { return lines.value(line); }
};

BenchSettings station()
{
    BenchSettings s;
    s.lines[setup::Surname] = QStringLiteral("Иванов");
    s.lines[setup::FirstName] = QStringLiteral("Иван");
    s.lines[setup::CallSign] = QStringLiteral("UA9XYZ");
    s.lines[setup::HomeAddress] = QStringLiteral("Новосибирск, ул. Ленина, 1");
    s.lines[setup::ContestDate] = QStringLiteral("01.02.2024");
    s.lines[setup::ContestVariant] = QStringLiteral("Чемпионат РА");
    s.lines[setup::Locator] = QStringLiteral("NO14");
    return s;
}

// A contact every 20 s, so the log runs over more than two days.
QVector<logbook::Contact> contacts()
{
    QVector<logbook::Contact> rows;
    for (int i = 0; i < kContacts; ++i) {
        const int minutes = (i / 3) % (24 * 60);
        const logbook::Mode mode = i % 4 == 0 ? logbook::Mode::CW : logbook::Mode::SSB;
        logbook::Contact r;
        r.fields = {QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0')),
                    logbook::bandModeWord(i % logbook::kBandCount, mode), QString::number(1 + i / 100),
                    QStringLiteral("UA9A%1").arg(i % 700), logbook::sentExchange(QStringLiteral("15"), i + 1),
                    i % 50 ? QStringLiteral("GA%1").arg(i % 1000) : QStringLiteral("ГА%1").arg(i % 1000),
                    i % 3 ? QStringLiteral("1") : QStringLiteral("1+")};
        rows.append(r);
    }
    return rows;
}

double milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void print(const char* what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    std::printf("exit, %d contacts, %-22s median %6.1f ms, max %6.1f ms (%d runs)\n", kContacts, what, ms[ms.size() / 2],
                ms.back(), int(ms.size()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    const BenchSettings settings = station();
    const QVector<logbook::Contact> rows = contacts();
    // Read at start-up, as the session does: the exit only uses it.
    const scoring::ContestCatalogue builtIns = scoring::loadContestCatalogue({scoring::kBuiltInContests});
    const scoring::ContestDescription* contest = builtIns.find(settings.contestVariant());
    std::vector<double> report, exports, total;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        scoring::CreateReport(rows, QStringLiteral("ssb"), settings, contest);
        const auto reported = std::chrono::steady_clock::now();
        const scoring::ExportResult result =
            scoring::CreateExports({rows, {}}, settings, contest, {}, QDateTime::currentDateTimeUtc());
        const auto end = std::chrono::steady_clock::now();
        if (result.written.size() != 2 || !result.messages.isEmpty())
            std::fprintf(stderr, "exports: %s\n", qPrintable(result.messages.join(QLatin1Char('\n'))));
        report.push_back(milliseconds(reported - start));
        exports.push_back(milliseconds(end - reported));
        total.push_back(milliseconds(end - start));
    }
    print("report:", report);
    print("Cabrillo and ADIF:", exports);
    print("all (goal < 200 ms):", total);
    return 0;
}
