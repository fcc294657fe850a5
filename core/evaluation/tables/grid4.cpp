#include "core/evaluation/tables/grids.h"

// Left reel at positions 4, 15 and 18.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid4{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "F  R  Q  Q  F  R  Q  Q  F  R  Q  Q  F  R  Q  Q  F  R  Q  Q  Q",  //  1
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  S",  //  2
    "J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  J  T",  //  3
    "J  T  J  F  J  T  J  F  J  T  J  F  J  T  J  F  J  T  J  J  F",  //  4
    "F  U  Q  Q  F  U  Q  Q  F  U  Q  Q  F  U  Q  Q  F  U  Q  Q  Q",  //  5
    "Q  R  Q  F  Q  R  Q  F  Q  R  Q  F  Q  R  Q  F  Q  R  Q  Q  F",  //  6
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  S",  //  7
    "J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  J  T",  //  8
    "Q  T  Q  F  Q  T  Q  F  Q  T  Q  F  Q  T  Q  F  Q  T  Q  Q  F",  //  9
    "F  R  Q  Q  F  R  Q  Q  F  R  Q  Q  F  R  Q  Q  F  R  Q  Q  Q",  // 10
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  S",  // 11
    "J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  J  T",  // 12
    "J  T  J  S  J  T  J  S  J  T  J  S  J  T  J  S  J  T  J  J  S",  // 13
    "Q  R  Q  F  Q  R  Q  F  Q  R  Q  F  Q  R  Q  F  Q  R  Q  Q  F",  // 14
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  S",  // 15
    "J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  J  T",  // 16
    "J  T  J  F  J  T  J  F  J  T  J  F  J  T  J  F  J  T  J  J  F",  // 17
    "F  U  Q  Q  F  U  Q  Q  F  U  Q  Q  F  U  Q  Q  F  U  Q  Q  Q",  // 18
    "J  R  J  F  J  R  J  F  J  R  J  F  J  R  J  F  J  R  J  J  F",  // 19
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  S",  // 20
    "J  J  J  K  J  J  J  K  J  J  J  K  J  J  J  K  J  J  J  J  K",  // 21
}};
