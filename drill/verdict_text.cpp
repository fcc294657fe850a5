#include "drill/verdict_text.h"

#include "drill/group_text.h"
#include "core/evaluation/legend.h"

QString verdictText(const Verdict& verdict, const Pattern& pattern)
{
    const Outcome& outcome = outcomeOf(verdict.code);
    QStringList lines;
    lines << (verdict.right ? QStringLiteral("正解：") : QStringLiteral("不正解：")) +
                 captionOf(static_cast<std::size_t>(verdict.group));
    lines << QString::fromStdString(readOutOf(pattern));
    lines << QString::fromStdU16String(outcome.commentary).split(QStringLiteral("\r\n"));
    if (outcome.cheers)
        lines << QString::fromStdU16String(kCheer);
    return lines.join(u'\n');
}
