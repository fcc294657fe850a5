#include "core/evaluation/tables/grids.h"

// Left reel at position 21.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid21{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "B  E  B  B  B  E  B  D  B  E  B  B  B  E  B  B  B  E  B  B  D",  //  1
    "B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  E  B  B  B  B  E",  //  2
    "B  E  E  H  B  E  E  H  B  E  E  H  B  E  E  H  B  E  E  B  H",  //  3
    "B  H  C  C  B  H  C  C  B  H  C  C  B  H  C  C  B  H  C  B  C",  //  4
    "B  B  B  C  C  C  B  C  B  B  B  C  C  C  B  B  B  B  B  C  C",  //  5
    "B  B  F  C  B  C  B  C  B  B  F  C  B  C  B  C  B  B  F  F  A",  //  6
    "B  B  B  B  B  D  B  E  B  B  B  E  B  D  B  B  B  B  B  B  E",  //  7
    "B  B  B  H  B  E  B  H  B  B  B  H  B  E  B  H  B  B  B  B  H",  //  8
    "B  H  B  C  C  H  B  C  B  H  B  C  C  H  B  C  C  H  B  C  C",  //  9
    "B  B  F  B  B  C  F  C  B  B  F  C  B  C  F  B  B  B  F  B  C",  // 10
    "B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  E  B  B  B  B  E",  // 11
    "B  B  E  H  B  E  B  H  B  B  E  H  B  E  B  H  B  B  E  B  H",  // 12
    "B  H  B  B  C  H  B  C  B  H  B  B  C  H  B  B  C  H  B  C  C",  // 13
    "B  B  B  B  B  C  B  C  B  B  B  C  B  C  B  B  B  B  C  B  C",  // 14
    "B  B  B  E  B  D  B  E  B  B  B  E  B  D  B  E  B  B  B  B  E",  // 15
    "B  B  E  H  B  E  B  H  B  B  E  H  B  E  B  H  B  B  E  B  H",  // 16
    "B  H  C  C  B  H  C  C  B  H  C  C  B  H  C  C  B  H  C  B  C",  // 17
    "B  B  B  C  B  C  B  C  B  B  B  C  B  C  B  B  B  C  B  B  C",  // 18
    "B  B  F  B  B  D  F  C  B  B  F  C  B  D  F  B  B  B  F  B  C",  // 19
    "B  B  B  B  B  D  B  E  B  B  B  E  B  D  B  B  B  B  B  B  E",  // 20
    "B  B  C  C  B  F  B  C  B  B  C  C  B  F  B  C  B  B  C  F  A",  // 21
}};
