// The sections of the column-systems pass, one call each. Each tests its own gate.
#pragma once

class Session;

namespace edge {

// A: column system 1, following the changing column.
void columnSystem1(Session& s);

// B, C: column strings and the column display.
void columnSystem2(Session& s);
void columnDisplay(Session& s);

// D: one-number progression on the numbers not yet seen.
void unseenNumbers(Session& s);

// E, F: partner numbers and their five-number progression.
void partnerNumbers(Session& s);
void fiveNumberProgression(Session& s);

// G, H: drawn number lists.
void drawnThreeList(Session& s);
void drawnFiveLists(Session& s);

// I: The Edge gap board.
void edgeGapBoard(Session& s);

// J: The Edge progressions.
void edgeProgressions(Session& s);

// K: multiples groups and pivot figures.
void multiplesAndPivots(Session& s);

// L: seeded triple systems.
void seededTriples(Session& s);

// M: follower counts and street gaps (run last).
void Command10_Click(Session& s);

}  // namespace edge
