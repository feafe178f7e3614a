// The systems of the first spin pass, one call each, in the order the pass runs them. Each
// tests its own gate.
#pragma once

class Session;

namespace passes {

// 2nd system: settling the previous advice (sees the new spin in row 0), then the new advice.
void secondSystemSettle(Session& s);
void secondSystemAdvise(Session& s);

// 4th system.
void fourthSystem(Session& s);

// 6th system on columns.
void sixthSystem(Session& s);

// 7th system on streets.
void seventhSystem(Session& s);

// HGF lists, number statistics, sub-progressions, marking, sorted lists and the HGF progression.
void loadHgfLists(Session& s);
void hgfStatistics(Session& s);

// 9th system, unique numbers.
void ninthSystem(Session& s);

// even-chance low/high doubling.
void lowHighDoubling(Session& s);

// 11th system, Sixth.
void eleventhSystem(Session& s);

// 12th FAST, first-pass part.
void twelfthFastFirstPart(Session& s);

// 13th Fibonacci numbers.
void thirteenthSystem(Session& s);

// 14th system.
void fourteenthSystem(Session& s);

// 15th system.
void fifteenthSystem(Session& s);

// 16th Cycle 1Dozen.
void sixteenthSystem(Session& s);

// dozen non-appearance alarm.
void dozenAlarm(Session& s);

}  // namespace passes
