#include "core/evaluation/tables/grids.h"

// Left reel at position 8.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid8{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "F  J  J  J  F  J  C  V  J  J  J  J  C  J  C  J  J  J  J  C  F",  //  1
    "F  J  J  M  F  J  J  M  C  J  J  M  F  J  J  M  C  J  J  D  M",  //  2
    "J  M  C  F  J  M  F  S  J  M  J  C  J  M  C  C  J  M  C  E  C",  //  3
    "J  J  J  J  J  J  J  E  J  J  J  J  J  J  J  J  J  J  J  D  S",  //  4
    "J  J  J  C  E  C  J  C  J  E  J  F  J  C  J  F  J  C  J  D  F",  //  5
    "J  J  C  J  C  J  C  F  J  J  J  J  J  J  C  J  J  J  C  C  C",  //  6
    "F  Q  E  M  F  Q  E  M  C  Q  E  M  F  Q  E  M  C  Q  E  Q  M",  //  7
    "J  M  J  F  J  M  J  S  J  M  J  C  J  M  J  C  J  M  J  E  C",  //  8
    "J  J  J  J  F  J  C  C  J  J  J  J  C  J  C  J  J  J  J  C  F",  //  9
    "E  J  F  J  E  J  F  E  J  J  E  J  E  J  F  J  J  J  F  D  C",  // 10
    "C  J  J  M  C  J  J  M  C  J  J  M  C  J  J  M  C  J  J  D  M",  // 11
    "J  M  C  F  J  M  F  S  J  M  J  C  J  M  C  C  J  M  C  E  C",  // 12
    "C  J  J  J  C  J  J  E  C  J  J  E  C  J  J  J  C  J  J  D  S",  // 13
    "J  J  C  J  F  J  A  A  J  J  J  J  C  J  C  J  J  J  C  C  F",  // 14
    "F  J  J  M  F  J  J  M  A  J  J  M  F  J  J  M  C  J  J  D  M",  // 15
    "J  M  J  J  J  M  J  S  J  M  J  J  J  M  J  J  J  M  J  E  S",  // 16
    "J  J  J  J  E  J  J  E  J  J  J  J  J  J  J  J  J  J  J  D  E",  // 17
    "O  O  C  C  O  C  C  C  O  O  O  C  O  C  C  C  O  C  C  O  C",  // 18
    "J  E  J  J  C  E  J  E  J  J  J  F  C  E  J  J  J  E  J  C  C",  // 19
    "F  J  F  W  F  J  F  W  C  J  E  W  F  J  F  J  C  J  F  D  W",  // 20
    "J  J  J  F  J  J  E  F  J  J  J  F  J  J  J  C  J  J  J  E  C",  // 21
}};
