#include "common/FileContent.h"

#include <QFile>

namespace logbook {

QByteArray readBySize(QFile& file)
{
    const qint64 size = file.size() - file.pos();
    if (size <= 0)
        return {};
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes.data() + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

} // namespace logbook
