#include "core/evaluation/tables/grids.h"

// Left reel at position 14.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid14{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "F  J  K  J  J  J  K  J  C  J  K  J  J  J  K  J  J  J  K  F  J",  //  1
    "F  O  F  E  F  F  C  O  F  O  F  F  F  O  F  O  F  F  C  F  O",  //  2
    "M  J  J  J  M  J  F  J  M  J  C  J  M  J  J  J  M  J  J  F  J",  //  3
    "N  J  J  E  N  J  F  J  N  J  C  F  N  J  F  J  N  J  J  F  J",  //  4
    "C  J  N  J  F  J  N  J  F  J  N  J  F  J  N  J  F  J  N  F  J",  //  5
    "F  J  J  E  J  J  F  J  F  J  E  F  J  J  F  J  J  F  J  F  J",  //  6
    "F  J  C  J  F  J  F  J  C  J  F  J  F  J  C  J  C  J  C  F  J",  //  7
    "M  J  J  J  M  J  E  J  M  J  c  J  M  J  J  J  M  J  J  E  J",  //  8
    "K  J  J  E  J  J  K  J  K  J  K  J  J  J  K  J  J  J  J  F  J",  //  9
    "F  J  E  J  F  E  E  J  F  J  E  J  F  J  E  J  C  J  J  F  J",  // 10
    "C  O  O  O  C  O  C  O  O  O  O  C  C  O  O  O  C  C  O  C  O",  // 11
    "M  J  J  J  M  J  F  J  M  J  C  J  M  J  J  J  M  J  J  F  J",  // 12
    "F  J  K  J  F  C  K  J  F  J  K  J  F  J  K  J  F  J  K  F  J",  // 13
    "K  J  J  J  J  J  A  J  K  J  C  J  J  J  F  J  J  J  J  F  J",  // 14
    "F  O  F  F  F  C  F  O  A  O  E  E  F  O  F  F  C  O  F  F  O",  // 15
    "M  J  J  J  M  J  c  J  M  J  c  J  M  J  J  J  M  J  J  c  J",  // 16
    "N  J  J  E  N  J  F  J  N  J  C  F  N  J  F  J  N  J  J  F  J",  // 17
    "C  d  N  F  F  d  N  d  F  d  N  d  F  F  N  C  F  d  N  F  d",  // 18
    "K  J  J  J  J  J  F  J  K  J  E  J  J  J  J  J  J  J  J  F  J",  // 19
    "F  J  J  F  F  J  F  J  F  J  C  F  C  J  F  J  C  F  J  F  J",  // 20
    "K  J  J  E  J  J  C  J  K  J  K  F  J  J  F  J  J  F  J  F  J",  // 21
}};
