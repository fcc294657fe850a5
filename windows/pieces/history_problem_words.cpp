#include "windows/pieces/history_problem_words.h"

QString wordsFor(const HistoryProblem& problem)
{
    using Kind = HistoryProblem::Kind;
    switch (problem.kind) {
    case Kind::NoPlace: return QStringLiteral("保存する場所がありません");
    case Kind::FolderNotMade: return QStringLiteral("フォルダー %1 を作れません: %2").arg(problem.path, problem.reason);
    case Kind::NotAFile: return QStringLiteral("%1 はファイルではありません").arg(problem.path);
    case Kind::InUse: return QStringLiteral("ほかのカレトが使っています");
    case Kind::ReadOnly: return QStringLiteral("書き込みが許されていません");
    case Kind::DiskFull: return QStringLiteral("ディスクがいっぱいです");
    case Kind::NotOurs: return QStringLiteral("%1 はカレトの履歴ではなく、よけておくこともできません").arg(problem.path);
    case Kind::NewerVersion: return QStringLiteral("新しい版のカレトの履歴です");
    case Kind::Failed: break;
    }
    return QStringLiteral("%1: %2").arg(problem.path, problem.reason);
}
