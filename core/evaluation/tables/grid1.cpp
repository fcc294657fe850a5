#include "core/evaluation/tables/grids.h"

// Left reel at position 1.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid1{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "A  B  C  B  C  B  C  B  D  B  C  B  C  B  C  B  C  B  B  D  B",  //  1
    "E  C  B  B  F  B  D  B  F  B  B  B  F  B  D  B  B  F  B  C  B",  //  2
    "D  B  B  B  D  B  E  B  D  B  B  B  D  B  E  B  B  B  B  D  B",  //  3
    "E  B  B  B  E  B  E  B  D  B  E  B  E  B  E  B  B  B  E  D  B",  //  4
    "E  B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  B  B  B  D  B",  //  5
    "F  C  E  B  F  B  F  B  C  B  F  B  F  B  F  B  C  C  F  A  B",  //  6
    "A  B  B  B  C  B  C  B  D  B  C  B  C  B  C  B  C  B  C  D  B",  //  7
    "E  B  B  B  G  B  E  B  E  B  B  B  G  B  E  B  B  B  B  D  B",  //  8
    "E  B  E  B  E  B  G  B  D  B  E  B  E  B  G  B  B  B  E  D  B",  //  9
    "D  C  B  B  C  B  D  B  C  B  B  B  C  B  D  B  B  C  B  C  B",  // 10
    "C  B  B  B  C  B  C  B  D  B  C  B  C  B  C  B  C  B  C  D  B",  // 11
    "C  B  B  B  C  B  D  B  C  B  B  B  C  B  C  B  B  B  B  D  B",  // 12
    "F  B  E  B  F  B  F  B  E  B  F  B  F  B  F  B  C  B  F  D  B",  // 13
    "F  B  B  B  F  B  F  B  C  B  B  B  F  B  F  B  C  B  B  C  B",  // 14
    "E  B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  B  E  B  D  B",  // 15
    "C  B  B  B  C  B  C  B  D  B  B  B  C  B  C  B  B  B  B  D  B",  // 16
    "E  B  E  B  E  B  E  B  D  B  E  B  E  B  E  B  B  B  E  D  B",  // 17
    "E  B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  B  E  B  D  B",  // 18
    "F  B  B  B  F  B  F  B  C  B  B  B  F  B  F  B  C  B  B  C  B",  // 19
    "F  B  B  B  F  B  C  B  E  B  C  B  F  B  C  B  C  E  C  D  B",  // 20
    "F  B  B  B  F  B  F  B  F  B  B  B  F  B  F  B  C  B  B  A  B",  // 21
}};
