// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyer/CwKeyer.h"
#include "tests/support/LineRecorder.h"
#include "tests/support/VirtualKeyerTime.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// A keyer on virtual time with recorded lines.
class KeyerTest : public ::testing::Test
{
protected:
    keyer::VirtualKeyerTime time;
    keyer::LineRecorder lines {time};
    keyer::CwKeyer keyer {lines, time};

    // Sends `text` and returns its edges as "+R0 +D10 -D60 -R160": rise or
    // fall, line, milliseconds after the first edge.
    QString send(const QString& text)
    {
        lines.clear();
        keyer.setSendBuffer(text);
        keyer.CwOut();
        return edgeText(lines.edges());
    }

    // Schedules `action` at `ms` after the start of the next message.
    void atMs(int ms, std::function<void()> action)
    {
        time.at(time.now() + keyer::Micros(ms) * 1000, std::move(action));
    }

    static QString edgeText(const std::vector<keyer::Edge>& edges)
    {
        QStringList parts;
        for (const keyer::Edge& e : edges) {
            const keyer::Micros us = e.at - edges.front().at;
            const QString ms = us % 1000 ? QString::number(double(us) / 1000.0) : QString::number(us / 1000);
            parts << QStringLiteral("%1%2%3").arg(e.on ? '+' : '-').arg(e.line == keyer::Line::DTR ? 'D' : 'R').arg(ms);
        }
        return parts.join(QLatin1Char(' '));
    }
};
