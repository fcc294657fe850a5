#include "history/history_problem.h"

QString describedForTerminal(const HistoryProblem& problem)
{
    using Kind = HistoryProblem::Kind;
    QString what;
    switch (problem.kind) {
    case Kind::NoPlace: return QStringLiteral("the system names no folder to keep it in");
    case Kind::FolderNotMade: what = QStringLiteral("cannot create the folder %1"); break;
    case Kind::NotAFile: what = QStringLiteral("%1 is not a file"); break;
    case Kind::InUse: what = QStringLiteral("%1 is in use by another copy of the program"); break;
    case Kind::ReadOnly: what = QStringLiteral("%1 may not be written"); break;
    case Kind::DiskFull: what = QStringLiteral("the disk holding %1 is full"); break;
    case Kind::NotOurs: what = QStringLiteral("%1 is not a history of this program and cannot be set aside"); break;
    case Kind::NewerVersion: what = QStringLiteral("%1 was written by a newer version of the program"); break;
    case Kind::Failed: what = QStringLiteral("cannot use %1"); break;
    }
    what = what.arg(problem.path);
    return problem.reason.isEmpty() ? what : what + QStringLiteral(": ") + problem.reason;
}
