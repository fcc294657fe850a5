#include "windows/drill/verdict_text.h"

#include "core/reach_me_patterns.h"
#include "windows/drill/group_text.h"
#include "windows/pieces/cell_look.h"

QString questionText()
{
    return QStringLiteral("この出目の意味は？");
}

QString verdictText(const AnswerResult& result, const Pattern& pattern, int answerMs)
{
    QStringList lines;
    lines << (result.right ? QStringLiteral("正解：") : QStringLiteral("不正解：")) +
                 captionOf(static_cast<std::size_t>(result.group));
    lines << QString::fromStdString(readOutOf(pattern));
    lines << cell_look::commentaryText(result.code);
    lines << QStringLiteral("%1 秒").arg(answerMs / 1000.0, 0, 'f', 1);
    return lines.join(u'\n');
}
