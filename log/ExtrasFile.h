// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/ContactExtras.h"
#include "log/RecordFile.h"

#include <map>

namespace logbook {

// The extras file "system.kve": slot i beside record i of the log. It is made
// only once a contact needs a slot, so a log without it is an older or a
// plain log, whole. A cleared slot is zero bytes.
class ExtrasFile
{
public:
    ExtrasFile();

    const RecordFile& file() const { return m_file; }
    // The slots of rows 1 .. count that hold something, by row; none where
    // the file cannot be read: the contacts keep their records' texts.
    std::map<int, ContactExtras> read(int count) const;
    // Whether a whole slot stands at the row's index, to be overwritten when
    // the row is written: a stale long text must never come back. A folder or
    // a FIFO in the file's place holds none: only a long text's write is
    // refused, never a contact whose exchanges fit.
    bool hasSlot(int row) const;
    // A slot's bytes: zero bytes for nothing.
    static QByteArray slot(const ContactExtras& extras);
    void remove() const { m_file.remove(); }

private:
    RecordFile m_file;
};

} // namespace logbook
