#include "core/evaluation/tables/grids.h"

// Left reel at position 17.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid17{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "F  J  J  J  J  J  J  J  F  J  J  J  J  J  J  J  F  J  J  J  J",  //  1
    "J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J",  //  2
    "M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  C",  //  3
    "N  J  J  J  N  J  J  J  N  J  J  J  N  J  J  J  N  J  J  J  J",  //  4
    "F  J  N  J  F  J  N  J  F  J  N  J  F  J  N  J  F  J  N  J  J",  //  5
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J",  //  6
    "J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J",  //  7
    "M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  C",  //  8
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J",  //  9
    "F  J  J  J  F  J  J  J  F  J  J  J  F  J  J  J  F  J  J  J  J",  // 10
    "J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J",  // 11
    "M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  C",  // 12
    "F  J  J  J  F  J  J  J  F  J  J  J  F  J  J  J  F  J  J  J  J",  // 13
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J",  // 14
    "J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J",  // 15
    "M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  M  C  C  R  C",  // 16
    "N  J  J  J  N  J  J  J  N  J  J  J  N  J  J  J  N  J  J  J  J",  // 17
    "F  Q  N  Q  F  Q  N  Q  F  Q  N  Q  F  Q  N  Q  F  Q  N  Q  Q",  // 18
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J",  // 19
    "J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J",  // 20
    "J  J  C  R  J  J  C  R  J  J  C  R  J  J  C  R  J  J  C  R  C",  // 21
}};
