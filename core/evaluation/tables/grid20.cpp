#include "core/evaluation/tables/grids.h"

// Left reel at position 20.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid20{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "J  J  J  J  J  J  J  J  J  J  J  C  J  J  J  J  J  J  J  C  J",  //  1
    "E  R  F  J  J  R  F  J  E  R  F  J  F  R  E  J  F  R  F  F  J",  //  2
    "M  E  E  R  M  E  E  R  M  E  E  R  M  E  E  R  M  E  E  R  Q",  //  3
    "J  J  J  J  C  J  J  J  J  J  J  J  J  J  J  J  J  J  J  S  J",  //  4
    "F  J  F  F  C  J  F  J  F  J  F  F  C  J  F  C  F  J  F  A  J",  //  5
    "A  J  J  C  C  J  F  J  F  J  J  C  J  J  C  C  F  J  J  F  J",  //  6
    "J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  E  R  J  S  J",  //  7
    "g  C  C  R  g  C  C  R  g  C  C  R  g  C  C  R  g  C  C  R  Q",  //  8
    "J  J  J  J  C  J  J  J  J  J  J  J  J  J  J  C  F  J  J  F  J",  //  9
    "J  E  J  E  C  E  J  J  J  E  J  E  J  E  J  J  F  E  J  S  J",  // 10
    "J  R  C  J  J  R  C  J  F  R  C  J  J  R  F  J  E  R  C  C  J",  // 11
    "g  h  h  R  g  h  h  R  g  h  h  R  g  h  h  R  g  h  h  R  h",  // 12
    "E  J  J  F  J  J  F  J  F  J  J  F  J  J  F  C  F  J  J  C  J",  // 13
    "C  O  F  O  C  O  F  O  F  O  F  O  F  O  C  C  F  O  F  F  O",  // 14
    "J  R  J  J  C  R  J  J  J  R  J  J  J  R  J  J  F  R  J  C  J",  // 15
    "g  F  F  R  g  F  F  R  g  F  F  R  g  F  F  R  g  F  F  R  Q",  // 16
    "C  J  J  J  C  J  C  J  C  J  J  J  J  J  C  C  C  J  J  C  J",  // 17
    "F  O  F  F  C  O  F  O  F  O  F  F  F  O  F  O  F  O  F  C  O",  // 18
    "J  J  J  J  K  J  J  J  J  J  J  J  J  E  J  J  K  J  J  E  J",  // 19
    "J  R  J  J  C  R  F  J  C  R  J  J  J  R  F  J  C  R  J  A  J",  // 20
    "A  J  C  R  J  J  C  R  F  J  C  R  C  J  F  R  F  J  C  R  J",  // 21
}};
