// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a station data file of 10,000 lines, far past the 105 the
// dialog writes, as a file grown by hand might be. Prints the median and the
// worst of several runs of each.
#include "setup/StationDataFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kLineCount = 10'000;
constexpr int kRuns = 15;

QStringList sampleLines()
{
    QStringList lines;
    for (int i = 0; i < kLineCount; ++i)
        lines << QStringLiteral("Строка %1: UA9XYZ CQ TEST {%2} \\ 599").arg(i).arg(i % 97);
    return lines;
}

void report(const char* what, const std::function<void()>& action)
{
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        action();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s median %7.2f ms   worst %7.2f ms\n", what, ms[ms.size() / 2], ms.back());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(setup::kStationDataFileName);
    const QStringList lines = sampleLines();

    report("save 10,000 lines (RTF, atomic)", [&] { setup::writeStationData(file, lines); });
    report("load 10,000 lines (RTF)", [&] {
        if (setup::readStationData(file) != lines)
            std::fprintf(stderr, "round trip differs\n");
    });
    const QByteArray bytes = setup::encodeStationData(lines);
    report("encode only, in memory", [&] { (void)setup::encodeStationData(lines); });
    report("decode only, in memory", [&] { (void)setup::decodeStationData(bytes); });
    std::printf("file size %lld bytes\n", static_cast<long long>(bytes.size()));
    return 0;
}
