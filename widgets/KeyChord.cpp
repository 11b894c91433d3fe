#include "widgets/KeyChord.h"

#include <QHash>

namespace keychord {

int latinKey(const QKeyEvent* e)
{
    static const QHash<int, int> kRussianLayout = [] {
        const QString russian = QStringLiteral("ЙЦУКЕНГШЩЗФЫВАПРОЛДЯЧСМИТЬ");
        const QString latin = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");
        QHash<int, int> map;
        for (int i = 0; i < russian.size(); ++i)
            map.insert(russian[i].unicode(), latin[i].unicode());
        return map;
    }();
    return kRussianLayout.value(e->key(), e->key());
}

} // namespace keychord
