// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ContestVariant.h"

#include "scoring/BaseText.h"

namespace scoring {

BaseLookup baseLookup(BaseKind base)
{
    switch (base) {
    case BaseKind::RA: return RABase;
    case BaseKind::Asia: return AsiaBase;
    case BaseKind::None: break;
    }
    return nullptr;
}

ReceivedKey asiaReceivedKey(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c == u' ')
        return ReceivedKey::BackToCall;
    if ((c >= u'!' && c <= u'/') || (c >= u':' && c <= u'~'))
        return ReceivedKey::Swallow;
    return ReceivedKey::Accept;
}

} // namespace scoring
