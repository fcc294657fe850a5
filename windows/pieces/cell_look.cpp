#include "windows/pieces/cell_look.h"

#include "core/evaluation/legend.h"
#include "core/outcome_groups.h"
#include "core/reach_me_patterns.h"
#include "ui/text.h"

#include <QStringList>

#include <cmath>

namespace cell_look {

namespace {

const OutcomeGroup& groupOf(char code)
{
    return kOutcomeGroups[static_cast<std::size_t>(groupIndexOf(code))];
}

// Relative luminance as contrast ratios use it.
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}  // namespace

QString markOf(char code)
{
    return ui::qt(groupOf(code).mark);
}

QColor backgroundOf(char code)
{
    return QColor::fromRgb(groupOf(code).colour);
}

QColor textColourOn(const QColor& background)
{
    const double light = luminance(background);
    const double againstBlack = (light + 0.05) / 0.05;
    const double againstWhite = 1.05 / (light + 0.05);
    return againstBlack >= againstWhite ? QColor(Qt::black) : QColor(Qt::white);
}

QString commentaryText(char code)
{
    QStringList lines;
    for (const std::u16string& line : patterns::commentaryLines(code))
        lines << ui::qt(line);
    if (outcomeOf(code).cheers)
        lines << ui::qt(kCheer);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace cell_look
