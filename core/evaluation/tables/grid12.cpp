#include "core/evaluation/tables/grids.h"

// Left reel at position 12.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid12{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "C  E  E  B  F  B  F  B  D  E  F  B  F  B  F  B  B  E  C  D  B",  //  1
    "F  B  B  B  E  B  E  B  C  B  B  B  F  B  E  B  C  C  B  C  B",  //  2
    "D  B  B  B  E  B  C  B  D  B  B  B  E  B  C  B  B  E  B  E  B",  //  3
    "D  B  E  B  E  B  E  B  D  B  E  B  E  B  E  B  B  B  B  E  B",  //  4
    "D  B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  E  B  B  D  E",  //  5
    "C  F  C  B  F  B  C  B  F  E  C  B  F  B  C  B  F  F  C  F  B",  //  6
    "F  B  B  B  F  B  F  B  D  B  B  B  F  B  F  B  B  B  B  D  B",  //  7
    "D  B  F  B  E  B  F  B  D  B  F  B  E  B  F  B  B  B  C  E  B",  //  8
    "D  B  F  B  G  B  F  B  E  B  F  B  G  B  F  B  E  B  C  E  B",  //  9
    "F  C  E  B  F  B  G  B  C  B  E  B  F  B  G  B  C  C  E  F  B",  // 10
    "D  B  B  B  D  B  D  B  D  B  B  B  D  B  D  B  B  B  B  D  B",  // 11
    "C  B  B  B  C  B  C  B  D  B  B  B  C  B  C  B  B  B  B  D  B",  // 12
    "C  B  C  B  F  B  A  B  E  B  C  B  F  B  C  B  E  B  C  D  B",  // 13
    "C  F  E  B  F  B  E  B  A  E  E  B  F  B  E  B  C  F  B  F  B",  // 14
    "E  B  B  B  E  B  E  B  D  B  B  B  E  B  E  B  B  B  B  D  B",  // 15
    "C  E  B  B  F  B  C  B  D  E  C  B  F  B  C  B  B  E  C  E  B",  // 16
    "D  B  F  B  E  B  F  B  D  B  F  B  E  B  F  B  B  B  C  E  B",  // 17
    "D  B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  E  B  B  D  E",  // 18
    "C  C  C  B  C  B  C  B  C  B  C  B  C  B  C  B  C  C  C  C  B",  // 19
    "F  B  B  B  F  B  F  B  D  B  B  B  F  B  F  B  B  E  B  E  B",  // 20
    "C  B  C  B  F  B  C  B  F  B  C  B  F  B  C  B  F  B  C  C  B",  // 21
}};
