#include "core/evaluation/tables/grids.h"

// Left reel at position 3.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid3{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "F  J  J  J  F  J  K  J  F  J  K  J  F  J  K  J  F  J  K  F  J",  //  1
    "K  J  F  J  K  J  L  J  K  E  F  J  K  J  J  C  K  J  E  C  J",  //  2
    "M  J  J  J  M  J  C  J  M  J  C  J  M  J  K  J  M  K  J  C  J",  //  3
    "N  J  J  E  N  J  F  J  N  J  C  E  N  J  F  J  N  J  J  F  J",  //  4
    "F  J  N  E  F  J  N  J  F  J  N  E  F  J  N  J  F  J  N  E  J",  //  5
    "F  J  J  E  F  J  F  J  C  J  F  E  F  J  F  K  F  C  J  F  J",  //  6
    "K  J  F  J  K  J  F  J  K  J  C  J  K  J  F  K  K  J  C  F  J",  //  7
    "M  J  J  J  M  J  F  J  M  J  C  J  M  J  J  J  M  J  J  F  J",  //  8
    "E  J  J  J  G  J  K  J  E  J  K  J  G  J  K  J  E  J  J  F  J",  //  9
    "C  E  F  E  F  O  G  O  C  O  F  E  P  O  G  C  C  O  E  F  O",  // 10
    "K  J  J  J  K  J  L  J  K  J  L  J  K  J  L  J  K  J  J  L  J",  // 11
    "M  J  J  J  M  J  C  J  M  J  C  J  M  J  C  J  M  K  J  C  J",  // 12
    "E  J  K  J  E  J  K  J  E  J  K  J  E  J  K  J  E  J  K  F  J",  // 13
    "K  J  J  E  K  J  F  J  K  J  F  E  K  J  F  J  K  C  J  F  J",  // 14
    "F  J  F  J  F  J  F  J  F  J  C  J  F  J  F  J  F  J  C  F  J",  // 15
    "M  J  J  J  M  J  F  J  M  J  C  J  M  J  K  J  M  K  J  F  J",  // 16
    "N  J  J  E  N  J  F  J  N  J  C  E  N  J  F  J  N  J  J  F  J",  // 17
    "F  Q  N  Q  F  Q  N  Q  F  Q  N  Q  F  Q  N  Q  F  E  N  E  Q",  // 18
    "K  J  J  J  K  J  F  J  K  E  F  J  K  J  J  J  K  J  J  F  J",  // 19
    "F  J  J  E  F  J  E  J  C  J  E  E  F  J  E  J  F  J  J  E  J",  // 20
    "K  J  J  E  K  J  F  J  K  J  F  E  K  J  F  J  K  J  J  F  J",  // 21
}};
