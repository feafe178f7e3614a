#include "passes/second/second_pass.h"

#include "edge/column_pass.h"
#include "passes/second/systems.h"
#include "shell/session.h"
#include "tch/board.h"

namespace passes {

// Runs after every accepted spin; blocks 1 to 8 see the TCh board and the column systems as they
// stood after the previous spin, blocks 10 to 15 see them after this one.
void Command4_Click(Session& s) {
    firstSystem(s);               // 1
    trendMarking(s);              // 2
    fifthSystem(s);               // 3
    seventeenthWaves(s);          // 4
    eighteenthColourPatterns(s);  // 5
    nineteenthHgfAdv(s);          // 6
    twoNbProg(s);                 // 7
    twentyFirstNiche(s);          // 8
    tch::Command8_Click(s);       // 9
    edge::Command9_Click(s);
    twentySecondSystem(s);        // 10
    twentyThirdNeuronNet(s);      // 11
    twentyFourthSystem(s);        // 12
    twelfthFastGroups(s);         // 13
    twentyFifthTwins(s);          // 14
    twelfthFastTail(s);           // 15
}

}  // namespace passes
