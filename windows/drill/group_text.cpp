#include "windows/drill/group_text.h"

#include "core/outcome_groups.h"
#include "ui/text.h"

QString captionOf(std::size_t group)
{
    return ui::qt(kOutcomeGroups[group].caption);
}

QColor colourOf(std::size_t group)
{
    return QColor::fromRgb(kOutcomeGroups[group].colour);
}
