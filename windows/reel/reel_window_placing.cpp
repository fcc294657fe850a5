#include "windows/reel/reel_window_placing.h"

#include "core/game/game.h"

namespace {

QString placeOn(Game& game, const Pattern& pattern)
{
    switch (game.place(pattern)) {
    case Game::Placing::Placed:
        break;
    case Game::Placing::AutoPlaying:
        return QStringLiteral("オート中は、目をリールに置けません。先に「Auto_stop」を押して下さい。");
    case Game::Placing::Spinning:
        return QStringLiteral("リールが回っている間は、目をリールに置けません。全部止めてから選んで下さい。");
    case Game::Placing::OffTheReels:
        return QStringLiteral("その目はリールにありません。");
    }
    return {};
}

}  // namespace

QString placeOnReels(Game& game, int left, int center, int right)
{
    return placeOn(game, {left, center, right});
}

QString placePairOnReels(Game& game, StopOrder order, const StoppedPair& pair)
{
    const Pattern standing = game.positions();
    const int third = order == StopOrder::LeftCenter ? standing.right : standing.center;
    return placeOn(game, completionOf(order, pair, third));
}
