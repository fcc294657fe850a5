#include "core/evaluation/tables/grids.h"

// Left reel at position 16.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid16{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "J  J  C  J  J  J  J  J  J  J  C  J  J  J  J  J  J  J  C  J  J",  //  1
    "K  F  R  T  K  F  R  T  K  F  R  T  K  F  R  T  K  F  R  F  T",  //  2
    "J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J",  //  3
    "J  J  J  J  J  J  J  E  J  J  J  J  J  J  J  J  J  J  J  J  J",  //  4
    "U  J  C  J  U  J  J  J  U  J  C  J  U  J  J  J  U  J  C  J  J",  //  5
    "C  J  U  J  C  J  U  J  C  J  U  J  C  J  U  J  C  J  U  C  J",  //  6
    "C  F  R  T  C  F  R  T  C  F  R  T  C  F  R  T  C  F  R  F  T",  //  7
    "J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J",  //  8
    "J  J  J  E  J  J  J  E  J  J  J  E  J  J  J  E  J  J  J  J  E",  //  9
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J",  // 10
    "K  F  R  T  K  F  R  T  K  F  R  T  K  F  R  T  K  F  R  F  T",  // 11
    "J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J",  // 12
    "J  J  e  J  J  J  J  J  J  J  e  J  J  J  J  J  J  J  e  J  J",  // 13
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J",  // 14
    "K  F  R  T  K  F  R  T  K  F  R  T  K  F  R  T  K  F  R  F  T",  // 15
    "J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J  T  J  J  J",  // 16
    "J  J  J  J  J  J  J  E  J  J  J  J  J  J  J  J  J  J  J  J  J",  // 17
    "U  F  C  Q  U  F  C  Q  U  F  C  Q  U  F  C  Q  U  F  C  F  Q",  // 18
    "F  J  U  J  F  J  U  J  F  J  U  J  F  J  U  J  F  J  U  C  J",  // 19
    "J  F  R  J  J  F  R  J  J  F  R  J  J  F  R  J  J  F  R  F  J",  // 20
    "J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J  J",  // 21
}};
