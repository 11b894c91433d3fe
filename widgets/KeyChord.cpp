// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/KeyChord.h"

#include "common/LatinKeys.h"

namespace keychord {

int latinKey(const QKeyEvent* e)
{
    const int key = e->key();
    return key > 0 && key <= 0xFFFF ? latinkeys::latinLetter(QChar(key)).unicode() : key;
}

} // namespace keychord
