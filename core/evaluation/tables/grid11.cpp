#include "core/evaluation/tables/grids.h"

// Left reel at position 11.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid11{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "B  B  B  B  B  F  B  F  B  B  B  F  B  F  B  B  B  F  B  B  F",  //  1
    "B  H  B  C  B  H  B  C  B  H  B  C  B  H  B  C  B  H  B  C  D",  //  2
    "B  C  B  H  B  C  B  H  B  C  B  H  B  C  B  H  B  C  B  H  D",  //  3
    "B  E  B  B  C  E  B  D  C  E  B  B  C  E  B  B  C  E  E  B  D",  //  4
    "B  B  B  B  B  F  B  E  B  B  B  E  B  F  B  B  B  B  B  B  E",  //  5
    "B  B  E  C  B  F  B  C  B  B  E  B  B  F  B  B  B  B  E  C  C",  //  6
    "B  H  B  B  B  H  B  C  B  H  B  C  B  H  B  B  B  H  B  B  D",  //  7
    "B  B  B  H  B  C  B  H  B  B  B  H  B  C  B  H  B  B  B  H  D",  //  8
    "F  E  B  E  C  G  B  E  C  E  B  E  C  G  B  B  C  E  B  B  E",  //  9
    "B  B  B  B  B  C  B  C  B  B  B  C  B  C  B  B  B  C  B  B  C",  // 10
    "B  H  B  C  B  H  B  C  B  H  B  C  B  H  B  C  B  H  B  C  D",  // 11
    "E  B  B  H  B  F  B  H  B  B  B  H  B  F  B  H  B  B  E  H  D",  // 12
    "B  E  B  B  B  E  B  E  B  E  B  E  B  E  B  B  B  E  B  B  E",  // 13
    "B  B  E  C  B  F  B  C  B  B  E  C  B  F  B  C  B  B  E  C  C",  // 14
    "B  H  B  B  B  H  B  C  B  H  B  C  B  H  B  B  B  H  B  B  D",  // 15
    "B  B  B  H  B  F  B  H  B  B  B  H  B  F  B  H  B  B  B  H  D",  // 16
    "B  E  B  B  B  E  B  D  C  E  B  B  C  E  C  B  C  E  B  B  D",  // 17
    "B  B  B  B  B  F  B  E  B  C  B  E  B  F  B  B  B  F  B  C  E",  // 18
    "B  B  E  C  B  F  B  C  B  B  E  C  B  F  B  C  B  C  E  C  C",  // 19
    "B  H  B  B  B  H  B  D  B  H  B  B  B  H  B  B  B  H  B  B  D",  // 20
    "B  B  B  H  B  D  B  H  B  B  B  H  B  D  B  H  B  B  E  H  D",  // 21
}};
