#include "core/evaluation/tables/grids.h"

// Left reel at position 10.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid10{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "F  C  C  J  C  C  F  J  C  C  F  J  C  C  F  J  C  C  J  E  J",  //  1
    "J  V  R  J  J  J  R  J  J  V  R  J  J  J  R  J  J  V  R  F  J",  //  2
    "F  J  J  T  F  J  E  T  J  J  J  T  F  J  J  T  F  J  J  E  T",  //  3
    "F  T  C  J  J  T  F  J  F  T  E  J  C  T  F  J  J  T  J  F  J",  //  4
    "F  J  J  F  F  J  C  F  F  J  J  F  F  J  F  J  F  J  J  F  J",  //  5
    "F  J  J  J  C  J  F  J  J  J  J  J  C  J  J  J  C  J  J  F  J",  //  6
    "J  E  R  J  J  J  R  J  J  E  R  J  J  J  R  J  J  E  R  F  J",  //  7
    "F  J  J  T  b  J  C  T  E  J  J  T  b  J  C  T  E  J  J  E  T",  //  8
    "F  T  F  J  C  T  b  J  C  T  F  J  C  T  b  J  C  T  F  F  J",  //  9
    "F  J  J  J  J  J  C  J  J  J  J  J  C  J  J  J  J  J  J  F  J",  // 10
    "J  V  R  J  J  J  R  J  J  V  R  J  J  J  R  J  J  V  R  D  J",  // 11
    "J  J  J  T  E  J  C  T  J  J  J  T  E  J  J  T  J  J  J  E  T",  // 12
    "F  T  F  F  F  T  F  Q  F  T  F  C  F  T  E  C  F  T  F  F  Q",  // 13
    "F  J  J  F  E  J  C  F  F  J  J  F  E  J  F  J  E  J  J  F  J",  // 14
    "J  E  R  J  J  J  R  J  J  E  R  J  J  J  R  J  J  E  R  F  J",  // 15
    "J  J  J  T  F  J  E  T  J  J  J  T  F  J  J  T  F  J  J  E  T",  // 16
    "E  T  C  J  J  T  F  J  J  T  E  J  C  T  E  J  J  T  J  F  J",  // 17
    "F  F  F  F  F  C  F  F  F  F  F  F  F  C  F  O  C  F  F  F  O",  // 18
    "J  J  J  J  J  J  E  J  J  J  J  J  J  J  J  J  J  J  J  E  J",  // 19
    "F  E  R  Q  F  Q  R  Q  C  E  R  Q  F  Q  R  Q  C  E  R  F  Q",  // 20
    "F  J  J  J  E  J  C  J  F  J  J  J  F  J  F  J  E  J  J  F  J",  // 21
}};
