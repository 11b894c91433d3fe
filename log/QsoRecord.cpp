#include "log/QsoRecord.h"

#include "log/ShortString.h"

namespace logbook {

QByteArray QsoRecord::encode() const
{
    QByteArray out(Size, '\0');
    int offset = 0;
    for (int i = 0; i < QsoFieldCount; ++i) {
        writeShortString(out.data() + offset, Capacity[size_t(i)], fields[size_t(i)]);
        offset += Capacity[size_t(i)] + 1;
    }
    return out;
}

QsoRecord QsoRecord::decode(const char* data)
{
    QsoRecord record;
    int offset = 0;
    for (int i = 0; i < QsoFieldCount; ++i) {
        record.fields[size_t(i)] = readShortString(data + offset, Capacity[size_t(i)]);
        offset += Capacity[size_t(i)] + 1;
    }
    return record;
}

} // namespace logbook
