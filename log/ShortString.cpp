// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ShortString.h"

#include "common/Cp1251.h"

#include <cstring>

namespace logbook {

void writeShortString(char* dst, int capacity, const QString& text)
{
    const QByteArray bytes = cp1251::encode(text).left(capacity);
    std::memset(dst, 0, size_t(capacity) + 1);
    dst[0] = char(bytes.size());
    std::memcpy(dst + 1, bytes.constData(), size_t(bytes.size()));
}

QString readShortString(const char* src, int capacity)
{
    // A damaged file may claim more than the field holds: never read past it.
    const int length = qMin(int(static_cast<unsigned char>(src[0])), capacity);
    return cp1251::decode(QByteArrayView(src + 1, length));
}

} // namespace logbook
