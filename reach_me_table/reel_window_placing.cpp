#include "reach_me_table/reel_window_placing.h"

#include "reel_window/riru.h"
#include "reel_window/strip_geometry.h"
#include "ui/timer.h"

#include <cstdint>

namespace {

// Steps a reel down, the way its ▼ does, until it stands at the position.
// Answers whether it moved.
bool stepTo(int position, const std::int16_t& koma, Riru& riru, void (Riru::*stepDown)())
{
    bool moved = false;
    while (strip::positionOfIndex(koma) != position) {
        (riru.*stepDown)();
        moved = true;
    }
    return moved;
}

}  // namespace

QString placeOnReels(Riru& riru, int left, int center, int right)
{
    if (riru.Timer4->isOn())
        return QStringLiteral("オート中は、目をリールに置けません。先に「Auto_stop」を押して下さい。");
    if (riru.Timer1->isOn() || riru.Timer2->isOn() || riru.Timer3->isOn())
        return QStringLiteral("リールが回っている間は、目をリールに置けません。全部止めてから選んで下さい。");
    bool moved = stepTo(left, riru.r1koma, riru, &Riru::r1sita_Click);
    moved = stepTo(center, riru.r2koma, riru, &Riru::r2sita_Click) || moved;
    moved = stepTo(right, riru.r3koma, riru, &Riru::r3sita_Click) || moved;
    if (!moved) {
        // The pattern stands already: a step there and back judges it afresh.
        riru.r1sita_Click();
        riru.r1ue_Click();
    }
    return {};
}
