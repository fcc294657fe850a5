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

QColor textColourOn(std::size_t group)
{
    // Perceived brightness, weighting green most and blue least.
    const QColor face = colourOf(group);
    return 299 * face.red() + 587 * face.green() + 114 * face.blue() > 150'000 ? Qt::black : Qt::white;
}
