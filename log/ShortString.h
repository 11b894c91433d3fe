// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A short string of capacity N takes N + 1 bytes: a length byte, then the text
// in code page 1251. Text longer than N characters is cut; bytes after the text
// are written as zeros and ignored on reading.
namespace logbook {

void writeShortString(char* dst, int capacity, const QString& text);
QString readShortString(const char* src, int capacity);

} // namespace logbook
