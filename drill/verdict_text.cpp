#include "drill/verdict_text.h"

#include "core/reach_me_patterns.h"
#include "drill/group_text.h"
#include "reach_me_table/cell_look.h"

QString verdictText(const Verdict& verdict, const Pattern& pattern)
{
    QStringList lines;
    lines << (verdict.right ? QStringLiteral("正解：") : QStringLiteral("不正解：")) +
                 captionOf(static_cast<std::size_t>(verdict.group));
    lines << QString::fromStdString(readOutOf(pattern));
    lines << cell_look::commentaryText(verdict.code);
    return lines.join(u'\n');
}
