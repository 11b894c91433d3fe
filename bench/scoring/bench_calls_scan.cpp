// SPDX-License-Identifier: GPL-3.0-or-later
// The calls scan per key release, file read included, on logs of 1999 and
// 10,000 contacts: an operator types calls letter by letter, half of them
// already in the log, half new. Prints p50, p99 and the worst scan in µs.
#include "common/FileNames.h"
#include "log/BandTable.h"
#include "log/Contact.h"
#include "log/RecordFile.h"
#include "scoring/CallsScan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSubTourLength = 150; // contacts of the current sub-tour

QString randomCall(QRandomGenerator& random)
{
    static const char* const prefixes[] = {"UA9", "RA9", "RW9", "RK9", "RV9", "RZ9", "UA0", "R9",
                                           "UB9", "RN9", "UA3", "RA3", "UA6", "RX9", "R0", "UI8"};
    QString call = QString::fromLatin1(prefixes[random.bounded(int(std::size(prefixes)))]);
    const int suffix = 1 + random.bounded(3);
    for (int i = 0; i < suffix; ++i)
        call += QChar(u'A' + random.bounded(26));
    return call;
}

// Stations come back on other bands and in later sub-tours, so calls repeat.
QStringList writeLog(int contacts, QRandomGenerator& random)
{
    QStringList pool;
    for (int i = 0; i < qMax(50, contacts / 4); ++i)
        pool << randomCall(random);
    QByteArray bytes;
    for (int i = 0; i < contacts; ++i) {
        logbook::Contact r;
        const int band = random.bounded(logbook::kBandCount);
        const logbook::Mode mode = random.bounded(4) == 0 ? logbook::Mode::CW : logbook::Mode::SSB;
        r.fields = {QStringLiteral("12:34"), logbook::bandModeWord(band, mode), QString::number(1 + i / 100),
                    pool[random.bounded(int(pool.size()))], logbook::sentExchange(QStringLiteral("15"), i + 1),
                    QStringLiteral("%1%2").arg(10 + random.bounded(80)).arg(random.bounded(1000), 3, 10, QLatin1Char('0')),
                    QStringLiteral("1")};
        bytes += r.encode();
    }
    QFile file(logbook::kLogFileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write the log\n");
    return pool;
}

std::vector<double> typeCalls(int contacts, const QStringList& pool, QRandomGenerator& random)
{
    const logbook::RecordFile logFile(logbook::kLogFileName, logbook::Contact::Size);
    scoring::CallsScanInput input;
    input.subTourStart = contacts - kSubTourLength;
    input.currentRow = contacts + 1;
    input.modeCaption = QStringLiteral("SSB");
    input.currentBandMode = QStringLiteral("20SSB");
    input.callsLineShown = true; // the longer scan
    std::vector<double> micros;
    for (int n = 0; n < 400; ++n) {
        const QString call = n % 2 ? pool[random.bounded(int(pool.size()))] : randomCall(random);
        for (int length = 1; length <= call.size(); ++length) {
            input.typed = call.left(length);
            const auto start = std::chrono::steady_clock::now();
            const scoring::CallsScanResult result = scoring::StringOfCalls(input, logFile);
            const auto end = std::chrono::steady_clock::now();
            if (result.error)
                std::fprintf(stderr, "%s\n", qPrintable(*result.error));
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    return micros;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[size_t(p * double(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    QRandomGenerator random(2024);
    for (const int contacts : {1999, 10000}) {
        const QStringList pool = writeLog(contacts, random);
        typeCalls(contacts, pool, random); // warm the page cache and the allocator
        const std::vector<double> micros = typeCalls(contacts, pool, random);
        std::printf("calls scan, %5d contacts, %zu key releases: p50 %.1f us, p99 %.1f us, max %.1f us\n", contacts,
                    micros.size(), percentile(micros, 0.5), percentile(micros, 0.99),
                    *std::max_element(micros.begin(), micros.end()));
    }
    return 0;
}
