// SPDX-License-Identifier: GPL-3.0-or-later
// The master call file of 50,000 calls: its load (read and index), and the
// match per key as the operator types calls letter by letter: calls of the
// file, busted calls (one character changed, dropped or added) and calls the
// file lacks, corrections included. Prints the figures in ms.
#include "bench/MasterCallsFixture.h"
#include "scoring/MasterFile.h"
#include "scoring/MasterMatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

QString busted(QString call, QRandomGenerator& random)
{
    const int at = random.bounded(int(call.size()));
    switch (random.bounded(3)) {
    case 0: call[at] = QChar(u'A' + random.bounded(26)); break;
    case 1: call.remove(at, 1); break;
    default: call.insert(at, QChar(u'0' + random.bounded(10))); break;
    }
    return call;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const QStringList calls = benchMasterCalls(50000);
    QFile file(scoring::kMasterFileName);
    file.open(QIODevice::WriteOnly);
    file.write(benchMasterFile(calls));
    file.close();

    std::vector<double> load;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer t;
        t.start();
        const scoring::MasterIndex index = scoring::readMasterFile(scoring::kMasterFileName);
        load.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("master file load, 50,000 calls (read and index): median %.1f ms, worst %.1f ms (goal <= 100 ms)\n",
                percentile(load, 0.5), percentile(load, 1.0));

    const scoring::MasterIndex index = scoring::readMasterFile(scoring::kMasterFileName);
    QRandomGenerator random(11);
    scoring::WorkedCalls worked;
    for (int i = 0; i < 2000; ++i)
        worked.logged.insert(calls[random.bounded(int(calls.size()))]);
    const QStringList others = benchMasterCalls(1000, 99);
    std::vector<double> keys;
    size_t shown = 0;
    for (int i = 0; i < 3000; ++i) {
        const QString pick = calls[random.bounded(int(calls.size()))];
        const QString call = i % 3 == 0 ? pick : i % 3 == 1 ? busted(pick, random) : others[i % others.size()];
        for (int n = 1; n <= call.size(); ++n) {
            QElapsedTimer t;
            t.start();
            shown += scoring::matchMaster(index, call.left(n), worked, 40).size();
            keys.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    std::printf("master match per key, N+1 included (%zu keys, %.1f calls each): p50 %.3f ms, p99 %.3f ms, max %.3f ms "
                "(goal p99 <= 1 ms)\n",
                keys.size(), double(shown) / double(keys.size()), percentile(keys, 0.5), percentile(keys, 0.99),
                percentile(keys, 1.0));
    return 0;
}
