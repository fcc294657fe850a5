#include "core/evaluation/tables/grids.h"

// Left reel at position 5.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid5{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "J  J  E  J  J  J  F  J  J  J  C  J  J  J  J  J  J  J  J  C  E",  //  1
    "E  C  R  J  F  J  R  J  F  V  R  J  F  J  R  J  J  F  R  F  J",  //  2
    "J  J  K  J  E  J  K  J  E  J  K  E  E  J  J  J  E  J  J  D  C",  //  3
    "J  J  J  J  J  J  K  J  J  J  J  J  J  J  J  J  J  J  J  C  J",  //  4
    "U  C  E  E  U  C  F  Q  U  E  C  F  U  C  F  Q  U  C  F  F  Q",  //  5
    "C  J  U  J  F  J  U  J  F  J  U  E  F  J  U  J  F  J  U  C  E",  //  6
    "E  C  R  J  F  J  R  J  F  V  R  J  F  J  R  J  J  F  R  F  J",  //  7
    "J  J  E  J  E  J  F  J  E  J  C  E  E  J  J  J  E  J  J  C  E",  //  8
    "J  J  E  J  J  J  E  J  J  J  V  J  J  J  E  E  J  E  J  F  J",  //  9
    "J  J  K  C  J  J  K  J  K  J  K  C  K  J  K  C  J  J  K  C  J",  // 10
    "J  C  R  J  C  J  R  J  C  V  R  J  C  J  R  J  J  C  R  C  J",  // 11
    "J  J  J  J  E  J  K  J  E  J  K  E  E  J  J  J  E  J  J  C  E",  // 12
    "J  C  J  J  J  C  A  J  J  J  C  J  J  C  C  E  J  F  J  F  J",  // 13
    "C  J  E  J  C  J  E  J  A  J  J  E  C  J  J  C  C  J  J  F  J",  // 14
    "J  E  R  J  E  J  R  J  E  V  R  J  E  J  R  J  E  E  R  V  J",  // 15
    "J  J  J  J  J  J  K  J  J  J  J  J  J  J  J  J  J  J  J  D  J",  // 16
    "J  J  E  J  J  J  F  J  J  J  C  J  J  J  J  E  J  J  J  F  E",  // 17
    "U  C  E  E  U  C  F  Q  U  Q  C  F  U  C  E  Q  U  C  E  F  Q",  // 18
    "F  J  U  C  F  J  U  J  F  J  U  J  F  J  U  F  C  J  U  F  J",  // 19
    "E  C  R  J  F  J  R  J  F  D  R  J  F  J  R  J  J  F  R  F  J",  // 20
    "C  C  E  E  C  O  F  O  C  O  C  E  C  O  F  O  C  O  C  F  O",  // 21
}};
