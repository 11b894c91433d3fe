#include "ContestVariant.h"

namespace scoring {

QString variantText(ContestVariant variant)
{
    switch (variant) {
    case ContestVariant::Asia:
        return QStringLiteral("Чемпионат Азиатской части РФ");
    case ContestVariant::RA:
        return QStringLiteral("Чемпионат РА");
    case ContestVariant::Others:
        break;
    }
    return QStringLiteral("Others");
}

std::optional<ContestVariant> contestVariant(const QString& setupText)
{
    for (const ContestVariant v : {ContestVariant::Asia, ContestVariant::RA, ContestVariant::Others}) {
        if (setupText == variantText(v))
            return v;
    }
    return std::nullopt;
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
