#pragma once

#include <QByteArray>

class QFile;

namespace logbook {

// The whole content of an open file, read by the size the file has: a
// limit passed to QFile::read is allocated before anything is read, so a
// reader that asks for its limit pays for it at every load. What is read
// stops short at an error (the file's error then says why).
QByteArray readBySize(QFile& file);

} // namespace logbook
