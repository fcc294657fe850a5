#include "windows/drill/verdict_text.h"

#include "core/evaluation/judgement.h"
#include "core/pairs/pair_words.h"
#include "core/reach_me_patterns.h"
#include "ui/text.h"
#include "windows/drill/group_text.h"
#include "windows/pieces/cell_look.h"
#include "windows/pieces/pair_look.h"

namespace {

QString judged(bool right)
{
    return right ? QStringLiteral("正解：") : QStringLiteral("不正解：");
}

QString secondsOf(int answerMs)
{
    return QStringLiteral("%1 秒").arg(answerMs / 1000.0, 0, 'f', 1);
}

}  // namespace

QString questionText()
{
    return QStringLiteral("この出目の意味は？");
}

QString verdictText(const AnswerResult& result, const Pattern& pattern, int answerMs)
{
    QStringList lines;
    lines << judged(result.right) + captionOf(static_cast<std::size_t>(result.answer));
    lines << QString::fromStdString(readOutOf(pattern));
    lines << cell_look::commentaryText(outcomeCodeOf(pattern));
    lines << secondsOf(answerMs);
    return lines.join(u'\n');
}

QString pairQuestionText()
{
    return QStringLiteral("この２リールで分かることは？");
}

QString pairVerdictText(const AnswerResult& result, StopOrder order, const StoppedPair& pair, int answerMs)
{
    const PairReading reading = readPair(order, pair);
    QStringList lines;
    lines << judged(result.right) + pair_look::captionOf(kPairVerdicts[static_cast<std::size_t>(result.answer)]);
    lines << QStringLiteral("%1　%2").arg(QString::fromStdString(readOutOf(order, pair)), pair_look::orderText(order));
    lines << pair_look::thirdReelText(order, reading);
    lines << secondsOf(answerMs);
    return lines.join(u'\n');
}

QStringList longestPairVerdicts()
{
    std::array<QString, kPairVerdicts.size()> longest;
    for (StopOrder order : kStopOrders)
        for (int left = 1; left <= reel::kPositions; ++left)
            for (int second = 1; second <= reel::kPositions; ++second) {
                const int verdict = verdictIndexOf(readPair(order, {left, second}).verdict);
                const QString text = pairVerdictText({false, verdict, Grade::Again, 0, {}}, order, {left, second}, 99'999);
                QString& kept = longest[static_cast<std::size_t>(verdict)];
                if (text.size() > kept.size())
                    kept = text;
            }
    return {longest.begin(), longest.end()};
}
