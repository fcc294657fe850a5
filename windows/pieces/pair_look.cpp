#include "windows/pieces/pair_look.h"

#include "core/outcome_groups.h"
#include "core/pairs/pair_words.h"
#include "core/reels/symbols_in_words.h"
#include "ui/text.h"

#include <QStringList>

namespace pair_look {

namespace {

QColor colourOfGroup(std::string_view key)
{
    for (const OutcomeGroup& group : kOutcomeGroups)
        if (group.key == key)
            return QColor::fromRgb(group.colour);
    return Qt::white;
}

}  // namespace

QString markOf(PairVerdict verdict)
{
    switch (verdict) {
    case PairVerdict::Big:
        return QStringLiteral("Ｂ");
    case PairVerdict::Reg:
        return QStringLiteral("Ｒ");
    case PairVerdict::Bonus:
        return QStringLiteral("ボ");
    case PairVerdict::Open:
        return QStringLiteral("・");
    case PairVerdict::NoStop:
        break;
    }
    return QStringLiteral("×");
}

QColor backgroundOf(PairVerdict verdict)
{
    switch (verdict) {
    case PairVerdict::Big:
        return colourOfGroup("big");
    case PairVerdict::Reg:
        return colourOfGroup("reg");
    case PairVerdict::Bonus:
        return colourOfGroup("br");
    case PairVerdict::Open:
        return colourOfGroup("miss");
    case PairVerdict::NoStop:
        break;
    }
    return colourOfGroup("noStop");
}

QString captionOf(PairVerdict verdict)
{
    return ui::qt(verdictWords(verdict));
}

QString nameOf(PairVerdict verdict)
{
    return ui::qt(verdictKey(verdict)).toLower();
}

QString orderText(StopOrder order)
{
    return ui::qt(stopOrderWords(order))
           + (order == StopOrder::LeftCenter ? QStringLiteral("（左→中→右）") : QStringLiteral("（左→右→中）"));
}

QString thirdReelText(StopOrder order, const PairReading& reading)
{
    const QString third = ui::qt(reel::nameOf(thirdReelOf(order)));
    if (reading.verdict == PairVerdict::NoStop)
        return QStringLiteral("%1のどこにも止まりません").arg(third);
    return QStringLiteral("%1で出るのは %2").arg(third, ui::qt(whatTheThirdCanBring(reading)));
}

QString pairText(StopOrder order, const StoppedPair& pair)
{
    const PairReading reading = readPair(order, pair);
    return QStringList{QStringLiteral("%1　%2").arg(QString::fromStdString(readOutOf(order, pair)),
                                                    ui::qt(stopOrderWords(order))),
                       captionOf(reading.verdict), thirdReelText(order, reading)}
        .join(QLatin1Char('\n'));
}

}  // namespace pair_look
