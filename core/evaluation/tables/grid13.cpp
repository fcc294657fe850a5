#include "core/evaluation/tables/grids.h"

// Left reel at position 13.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid13{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "B  E  B  B  B  F  B  C  B  B  B  C  B  F  B  B  B  F  B  B  C",  //  1
    "E  B  B  H  B  D  B  H  B  B  B  H  B  D  B  H  B  B  B  B  H",  //  2
    "B  H  B  B  B  H  B  E  B  H  B  E  B  H  B  B  B  H  B  B  E",  //  3
    "E  B  B  C  E  D  B  C  E  B  B  C  E  D  B  C  E  B  B  B  C",  //  4
    "B  B  B  B  C  C  B  C  B  B  B  C  C  C  B  B  C  C  B  B  C",  //  5
    "B  B  B  C  B  F  C  C  B  B  B  C  B  F  C  C  B  B  C  B  C",  //  6
    "E  B  B  H  E  D  B  H  E  B  B  H  E  D  B  H  E  B  B  B  H",  //  7
    "B  H  B  B  B  H  B  E  B  H  B  E  B  H  B  B  B  H  B  B  E",  //  8
    "B  B  B  C  B  D  B  C  B  B  B  C  B  D  B  C  B  B  B  B  C",  //  9
    "B  E  B  C  B  F  B  C  B  E  B  C  B  F  B  C  B  F  B  C  C",  // 10
    "E  B  B  H  B  D  B  H  B  B  B  H  B  D  B  H  B  B  B  B  H",  // 11
    "B  H  B  B  B  H  B  E  B  H  B  E  B  H  B  B  B  H  B  B  E",  // 12
    "B  B  B  B  C  D  B  C  B  B  B  B  C  D  B  B  C  B  B  C  C",  // 13
    "B  B  B  B  B  F  B  A  B  B  B  C  B  F  B  B  B  B  C  B  C",  // 14
    "B  B  B  H  B  D  B  H  B  B  B  H  B  D  B  H  B  B  B  B  H",  // 15
    "B  H  B  B  B  H  B  E  B  H  B  E  B  H  B  B  B  H  B  B  E",  // 16
    "E  B  B  C  E  D  B  C  E  B  B  C  E  D  B  C  E  B  B  B  C",  // 17
    "B  B  B  B  B  C  B  C  B  B  B  C  B  C  B  B  B  C  B  B  C",  // 18
    "B  E  B  C  B  F  C  C  B  E  B  C  B  F  C  C  B  F  C  C  C",  // 19
    "B  B  B  B  B  D  B  D  B  B  B  B  B  D  B  B  B  B  B  B  D",  // 20
    "B  B  B  F  B  C  C  F  B  B  B  F  B  C  C  F  B  B  C  B  F",  // 21
}};
