#include "windows/reel/reel_window_placing.h"

#include "windows/reel/riru.h"

QString placeOnReels(Riru& riru, int left, int center, int right)
{
    Game& game = riru.game();
    switch (game.mode()) {
    case Game::Mode::AutoPlaying:
        return QStringLiteral("オート中は、目をリールに置けません。先に「Auto_stop」を押して下さい。");
    case Game::Mode::Spinning:
        return QStringLiteral("リールが回っている間は、目をリールに置けません。全部止めてから選んで下さい。");
    case Game::Mode::Standing:
        break;
    }
    game.place({left, center, right});
    return {};
}
