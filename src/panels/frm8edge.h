// "The Edge": the gap board of seven group families (counts since each group last came, with the
// longest count and the limit of each family at the right), the six progression switches, the
// multiples and pivot row, the four seeded triple systems and the follower counts of "Num".
#pragma once

#include <array>
#include <vector>

#include "forms/form.h"

class Session;

class Frm8edge : public forms::Form {
public:
    Frm8edge();

    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");   // 0..188
    forms::ControlArray& Label1 = makeArray(forms::Kind::Label, "Label1");   // six-lines, progression heads, triples
    forms::ControlArray& Label2 = makeArray(forms::Kind::Label, "Label2");   // 0..5 progression switches
    forms::ControlArray& Label4 = makeArray(forms::Kind::Label, "Label4");   // 87..104 pair captions

    // Captions nothing writes, numbered in creation order.
    forms::ControlArray& lblCaption = makeArray(forms::Kind::Label, "lblCaption");

    // The gap board's boxes, found on its first spin (the window never changes its controls).
    std::vector<forms::Control*> gapBoxes;
    // The seeded triples' boxes, found on their first spin.
    std::vector<forms::Control*> tripleBoxes;
};

// Wires the window's handlers (the window has no load handler of its own).
void attachFrm8edge(Session& s, Frm8edge& f);

// Where The Edge keeps its boxes (indexes into Text1 and the label arrays).
namespace edgebox {

// One family run of the gap board: count boxes first..first+count-1 in box order, compared with
// the limit box; the finals are two runs with their own maximum and limit.
struct GapRun {
    int first, count, maxBox, limitBox;
    const char* maxCaption;
    const char* limitDesign;
    bool whiteCounts;  // design BackColor of the count boxes: white, else the window colour
};

inline constexpr std::array<GapRun, 7> GapRuns{{
    {0, 18, 18, 19, "Mx2n", "182", false},   // opposite pairs, pair k in box k - 1
    {21, 6, 20, 27, "Mx6n", "49", true},     // six-lines
    {28, 12, 40, 41, "Mx3n", "140", true},   // streets
    {42, 3, 45, 46, "Mx12n", "22", true},    // dozens
    {47, 7, 54, 55, "Mx4n", "66", true},     // finals 0 to 6
    {56, 3, 59, 60, "Mx3n", "90", true},     // finals 7 to 9
    {61, 37, 98, 99, "Mx1n", "429", false},  // single numbers, see singleBox
}};

inline constexpr int pairBox(int k) { return k - 1; }  // k = 1..18
inline constexpr int sixLineBox(int i) { return 21 + i; }
inline constexpr int streetBox(int s) { return 28 + s; }  // s = 0..11
inline constexpr int dozenBox(int d) { return 42 + d; }
inline constexpr int finalBox(int d) { return d <= 6 ? 47 + d : 49 + d; }
inline constexpr int singleBox(int n) { return n <= 17 ? 78 - n : n <= 35 ? 114 - n : 97; }

inline constexpr int FollowerFirst = 100;  // number n in 100 + n
inline constexpr int ChosenNumber = 137;   // "Num"

inline constexpr int MultiplesFirst = 138;  // groups 0..5
inline constexpr int MultiplesMax = 144, Horni = 145, Dolni = 146, Pivot = 147, Result1 = 148, Result2 = 149;
inline constexpr int PivotSucc = 150, PivotNsucc = 151, PivotLine = 152, PivotMxNs = 153;

struct TripleBoxes {
    int label, cwin, minCw, bb, bbMax, succ, nsucc, cycles, seed;
    const char* labelDesign;
    const char* cyclesDesign;
    const char* seedDesign;
};

inline constexpr std::array<TripleBoxes, 4> Triples{{
    {113, 154, 155, 156, 157, 158, 159, 160, 161, "- ", "10", "33"},
    {116, 169, 168, 167, 166, 165, 164, 163, 162, "- ", "5", "6"},
    {117, 177, 176, 175, 174, 173, 172, 171, 170, "- ", "8", "0"},
    {118, 185, 184, 183, 182, 181, 180, 179, 178, "P", "10", "22"},
}};
// System 4 bets the numbers of these boxes, left to right on the window.
inline constexpr std::array<int, 3> Triple4Numbers{188, 186, 187};

}  // namespace edgebox
