#include "core/evaluation/tables/grids.h"

// Left reel at position 7.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid7{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "V  V  E  F  C  E  E  E  C  V  E  E  C  V  E  C  C  E  E  C  E",  //  1
    "E  V  E  V  E  V  E  V  V  V  E  V  E  V  E  V  V  V  E  V  V",  //  2
    "V  C  V  V  V  V  C  V  V  V  C  V  V  V  C  V  V  V  C  C  V",  //  3
    "V  V  E  V  V  V  E  V  V  V  E  V  V  V  E  V  V  V  E  V  V",  //  4
    "C  C  V  F  E  F  C  F  F  E  C  F  F  F  C  C  F  F  C  C  F",  //  5
    "C  V  V  C  E  C  C  C  F  V  V  C  E  C  V  C  E  C  V  C  F",  //  6
    "E  V  E  V  E  V  E  V  V  V  E  V  E  V  E  V  V  V  E  V  V",  //  7
    "V  C  V  V  V  V  C  V  V  V  C  V  V  V  C  V  V  V  C  C  V",  //  8
    "C  V  V  F  E  F  C  F  F  V  V  F  E  F  V  C  E  F  V  C  F",  //  9
    "E  V  E  C  F  V  E  V  C  V  E  V  F  V  E  C  C  V  E  C  V",  // 10
    "V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V",  // 11
    "V  C  E  V  V  V  F  V  V  V  F  V  V  V  F  V  V  V  F  C  V",  // 12
    "C  C  V  F  E  E  A  E  F  V  C  F  E  E  C  C  E  E  C  C  E",  // 13
    "C  C  C  C  C  C  A  A  A  V  V  C  C  C  C  C  C  V  C  C  C",  // 14
    "E  V  E  C  F  V  E  V  A  V  E  C  F  V  E  C  C  V  E  C  V",  // 15
    "V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V  V",  // 16
    "V  C  E  V  V  V  F  V  V  V  F  V  V  V  F  V  V  V  F  C  V",  // 17
    "C  V  V  F  E  F  C  F  F  V  V  F  E  F  V  C  E  F  V  C  F",  // 18
    "V  V  E  V  V  V  E  V  V  V  E  V  V  V  E  V  V  V  E  V  V",  // 19
    "E  V  E  C  F  V  E  V  C  V  E  V  F  V  E  C  C  V  E  C  V",  // 20
    "C  C  V  C  E  C  C  C  F  V  C  C  E  C  C  C  V  C  C  C  F",  // 21
}};
