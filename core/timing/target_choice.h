#pragma once

#include "core/random/seeded_random.h"
#include "core/timing/press_result.h"

// A target for `reel`: one of the symbols its strip carries, each as likely
// as the others however often it appears, on one of the three rows.
namespace timing {

Target randomTarget(reel::Reel reel, SeededRandom& random);

}  // namespace timing
