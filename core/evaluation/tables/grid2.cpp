#include "core/evaluation/tables/grids.h"

// Left reel at position 2.
// One row per center position 1..21, one outcome code per right position 1..21.
constinit const ReachMeGrid kGrid2{{
    //  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21
    "B  B  B  B  B  F  B  F  B  B  B  F  B  F  B  B  B  F  B  B  F",  //  1
    "E  B  B  H  B  E  B  H  B  B  E  H  B  E  B  H  B  B  E  B  H",  //  2
    "B  H  B  B  B  H  B  D  B  H  B  B  B  H  B  B  B  H  B  B  D",  //  3
    "B  E  B  C  B  E  B  C  B  E  B  C  B  E  B  C  B  E  B  B  C",  //  4
    "B  B  B  B  C  E  B  F  B  B  B  E  C  E  B  B  C  E  B  B  F",  //  5
    "B  B  E  C  B  F  C  C  B  B  E  C  B  F  C  C  B  B  F  B  C",  //  6
    "E  B  B  H  E  E  B  H  B  B  E  H  E  E  B  H  B  B  E  E  H",  //  7
    "B  H  B  B  B  H  B  C  B  H  B  C  B  H  B  B  B  H  B  B  C",  //  8
    "E  B  B  F  B  G  B  F  B  B  B  F  I  G  B  C  B  B  B  B  F",  //  9
    "B  B  B  C  B  C  B  C  B  B  B  C  B  C  B  C  B  C  B  C  C",  // 10
    "B  B  B  H  B  D  B  H  B  B  B  H  B  D  B  H  B  B  B  B  H",  // 11
    "B  H  B  B  B  H  B  C  B  H  B  C  B  H  B  B  B  H  B  B  C",  // 12
    "B  E  B  E  C  E  B  F  B  E  B  E  C  E  B  B  C  E  B  C  F",  // 13
    "B  B  B  B  B  F  B  C  B  B  B  C  B  F  B  B  B  B  F  B  C",  // 14
    "E  B  B  H  B  E  B  H  B  B  E  H  B  E  B  H  B  B  E  B  H",  // 15
    "B  H  B  B  B  H  B  C  B  H  B  C  B  H  B  B  B  H  B  B  C",  // 16
    "B  E  B  C  B  E  B  C  B  E  B  C  B  E  B  C  B  E  B  B  C",  // 17
    "B  B  B  B  B  E  B  E  B  B  B  E  B  E  B  B  B  E  B  B  E",  // 18
    "B  B  E  C  B  F  C  C  B  B  E  C  B  F  C  C  B  C  F  C  C",  // 19
    "E  B  B  B  B  E  B  D  B  B  E  B  B  E  B  B  B  B  E  B  D",  // 20
    "B  B  B  C  B  E  C  C  B  B  B  C  B  E  C  C  B  B  C  B  C",  // 21
}};
