#include "drill/verdict_text.h"

#include "core/evaluation/legend.h"
#include "core/reach_me_patterns.h"
#include "drill/group_text.h"

QString verdictText(const Verdict& verdict, const Pattern& pattern)
{
    QStringList lines;
    lines << (verdict.right ? QStringLiteral("正解：") : QStringLiteral("不正解：")) +
                 captionOf(static_cast<std::size_t>(verdict.group));
    lines << QString::fromStdString(readOutOf(pattern));
    for (const std::u16string& line : patterns::commentaryLines(verdict.code))
        lines << QString::fromStdU16String(line);
    if (outcomeOf(verdict.code).cheers)
        lines << QString::fromStdU16String(kCheer);
    return lines.join(u'\n');
}
