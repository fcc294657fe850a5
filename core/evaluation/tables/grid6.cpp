#include "core/evaluation/tables/grids.h"

// Left reel at position 6.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid6{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "F  J  J  F  J  J  J  C  J  J  J  E  J  J  J  F  J  J  J  F  J",  //  1
    "J  R  C  J  C  R  J  J  J  R  J  J  C  R  C  J  C  R  J  E  C",  //  2
    "J  J  J  R  J  J  C  R  J  J  C  R  J  J  C  R  J  J  C  R  J",  //  3
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  S  J",  //  4
    "E  J  J  E  J  J  E  J  J  J  J  E  J  J  J  J  J  J  J  E  J",  //  5
    "C  J  J  F  E  J  J  C  C  J  J  E  E  C  J  F  J  J  J  F  E",  //  6
    "J  R  C  J  C  R  J  J  J  R  J  J  C  R  C  J  C  R  J  E  C",  //  7
    "J  J  J  R  J  J  C  R  J  J  C  R  J  J  C  R  J  J  C  R  J",  //  8
    "O  O  C  O  E  O  F  C  O  O  C  E  E  C  F  O  O  O  C  E  E",  //  9
    "F  J  J  F  E  J  J  C  F  J  J  E  E  C  J  F  E  J  J  F  J",  // 10
    "J  R  C  J  C  R  J  J  J  R  J  J  C  R  C  J  C  R  J  E  C",  // 11
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J",  // 12
    "E  J  J  J  J  J  A  J  J  J  C  J  J  J  C  J  J  J  C  S  J",  // 13
    "C  J  J  F  F  C  J  A  A  J  J  E  F  C  J  F  C  J  J  F  F",  // 14
    "J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  E  J",  // 15
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J",  // 16
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  S  J",  // 17
    "E  O  C  O  F  O  O  C  E  O  O  O  F  O  C  O  F  O  C  O  C",  // 18
    "C  J  J  F  J  J  F  C  J  J  C  E  J  C  F  F  J  J  C  F  J",  // 19
    "J  R  J  J  J  R  V  J  J  R  J  J  J  R  C  J  J  R  J  E  J",  // 20
    "V  J  C  R  J  J  C  R  V  J  C  R  J  J  C  R  J  J  C  R  V",  // 21
}};
