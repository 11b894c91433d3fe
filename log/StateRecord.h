// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>

namespace logbook {

// The working state kept in cfg.kvl: one 52-byte record, fields at their
// natural alignment (offsets 0, 4, 8, 20, 24, 48).
struct StateRecord
{
    static constexpr int Size = 52;
    static constexpr int BandCount = 6;

    qint32 nextRow = 0;
    qint32 bandChangeCount = 0;
    QString bandMode;
    qint32 subTourStart = 0;
    std::array<qint32, BandCount> bandCounters {};
    quint8 callsLineFlag = 0;

    bool callsLineShown() const { return callsLineFlag == 1; }

    QByteArray encode() const;
    static StateRecord decode(const char* data); // reads exactly Size bytes
    bool operator==(const StateRecord& other) const;
};

} // namespace logbook
