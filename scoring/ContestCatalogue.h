// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/ContestDescription.h"

#include <QStringList>
#include <vector>

// The contests a station may choose: the built-in ones the program carries,
// then those of each folder given (the shipped folder, then the working
// folder's `contests/`). A file of the same name as an earlier one takes its
// place; a description with an error is not offered, and the error names the
// file, the line and the reason.
namespace scoring {

inline const QString kBuiltInContests = QStringLiteral(":/contests");
inline const QString kContestSuffix = QStringLiteral(".contest");
// A description is a page of text; anything past this is no description.
constexpr qint64 kContestMaxBytes = 64 * 1024;

struct CatalogueEntry
{
    QString file; // where it was read, for messages
    ContestDescription description;
};

struct ContestCatalogue
{
    std::vector<CatalogueEntry> contests; // in the order found, by file name within a folder
    QStringList errors;

    // None for a name no description has (an empty choice, a file gone).
    const ContestDescription* find(const QString& name) const;
    QStringList names() const;
};

ContestCatalogue loadContestCatalogue(const QStringList& folders);

} // namespace scoring
