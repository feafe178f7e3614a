#include "edge/column_pass.h"

#include "edge/sections.h"
#include "shell/session.h"

namespace edge {

void Command9_Click(Session& s) {
    columnSystem1(s);          // A
    columnSystem2(s);          // B
    columnDisplay(s);          // C
    unseenNumbers(s);          // D
    partnerNumbers(s);         // E
    fiveNumberProgression(s);  // F
    drawnThreeList(s);         // G
    drawnFiveLists(s);         // H
    edgeGapBoard(s);           // I
    edgeProgressions(s);       // J
    multiplesAndPivots(s);     // K
    seededTriples(s);          // L
    Command10_Click(s);        // M
}

}  // namespace edge
