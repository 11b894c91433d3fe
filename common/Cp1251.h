// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The program's files are single-byte code page 1251: every character maps to
// exactly one byte, so record layouts never shift. A character the code page
// lacks (an emoji, a Chinese letter) becomes '?'.
namespace logbook::cp1251 {

QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);
char encodeChar(char32_t codePoint);
QChar decodeByte(unsigned char byte);

} // namespace logbook::cp1251
