#include "drill/group_text.h"

#include "core/outcome_groups.h"

QString captionOf(std::size_t group)
{
    return QString::fromStdU16String(std::u16string(kOutcomeGroups[group].caption));
}

QColor colourOf(std::size_t group)
{
    return QColor::fromRgb(kOutcomeGroups[group].colour);
}
