#include "core/evaluation/tables/grids.h"

// Left reel at position 9.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid9{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "C  R  J  C  J  R  J  J  C  R  J  J  J  R  J  C  J  R  J  C  J",  //  1
    "F  J  J  R  F  J  J  R  C  J  J  R  F  J  J  R  J  F  J  R  J",  //  2
    "X  J  J  J  X  J  C  J  X  J  J  J  X  J  J  J  X  J  J  C  J",  //  3
    "K  J  J  E  J  J  J  E  K  J  J  E  J  J  J  J  J  J  J  E  J",  //  4
    "F  J  J  J  F  J  C  J  F  J  J  J  F  J  F  J  J  F  J  F  J",  //  5
    "F  R  C  J  C  R  C  J  F  R  J  J  C  R  E  J  C  R  C  F  J",  //  6
    "F  J  J  R  J  J  J  R  C  J  J  R  J  J  J  R  J  F  J  R  J",  //  7
    "X  J  J  J  X  J  C  J  X  J  C  J  X  J  J  J  X  J  J  C  J",  //  8
    "K  J  J  J  J  J  C  J  K  J  J  J  J  J  J  J  J  J  J  C  J",  //  9
    "F  R  J  E  J  R  J  E  F  R  J  E  J  R  J  J  J  R  J  E  J",  // 10
    "J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J  J  J  R  J",  // 11
    "X  J  J  J  X  J  C  J  X  J  J  J  X  J  J  J  X  J  J  C  J",  // 12
    "C  Y  C  C  C  Y  C  Y  C  Y  Y  C  C  Y  Y  C  C  Y  C  C  Y",  // 13
    "K  R  C  J  J  R  A  J  K  R  C  J  J  R  F  J  J  R  J  F  J",  // 14
    "F  J  J  R  J  J  J  R  A  J  J  R  J  J  J  R  J  F  J  R  J",  // 15
    "X  J  J  J  X  J  J  J  X  J  J  J  X  J  J  J  X  J  J  S  J",  // 16
    "Z  J  J  J  Z  J  J  J  Z  J  J  J  Z  J  J  J  Z  J  J  S  J",  // 17
    "F  E  C  F  E  E  C  E  F  E  C  F  E  a  F  C  a  E  a  F  a",  // 18
    "C  R  J  J  J  R  J  J  C  R  J  J  J  R  J  J  J  R  J  S  J",  // 19
    "F  J  J  R  F  J  J  R  F  J  J  R  F  J  J  R  F  F  J  R  J",  // 20
    "K  J  C  J  K  J  C  J  K  J  J  J  K  J  J  J  K  J  C  F  J",  // 21
}};
