// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

namespace scoring {
struct ContestDescription;
}

// What a contest asks of the station's own exchange, for the tab "Обмен":
// whether the exchange it sends has the station's own code or zone in it.
struct SentNeeds
{
    bool code = false;
    bool zone = false;
    bool operator==(const SentNeeds& o) const { return code == o.code && zone == o.zone; }
};

struct ExchangeGroupNeeds
{
    QString name;  // as kvl.ini keeps it
    QString shown; // as setup offers it
    SentNeeds sent;
};

struct ContestExchangeNeeds
{
    QString id;                             // the contest's Cabrillo id, the key in kvl.ini
    std::vector<ExchangeGroupNeeds> groups; // by name, as the description holds them
    SentNeeds others;                       // what a station of no group sends

    // What a station of `group` sends; a group unknown sends as the others do.
    SentNeeds sent(const QString& group) const;
    bool any() const;
};

// A group without a form of its own sends the others' exchange.
ContestExchangeNeeds contestExchangeNeeds(const scoring::ContestDescription& contest);
