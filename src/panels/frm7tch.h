// The "TCh" window: the sleeper rows of the TCh board on the left (finals and doubles, wheel
// sectors), the derived-number, alternation and gap rows and the street gaps on the right, the
// column systems and number lists below. The spin passes write it; the player types the limits,
// the "GO" pair, the "Re" boxes and clicks "Cls", "Re", "Go" and the labels.
#pragma once

#include <array>
#include <vector>

#include "forms/form.h"

class Session;

class Frm7tch : public forms::Form {
public:
    Frm7tch();

    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");   // 0..310, gaps at 100..103
    forms::ControlArray& Label1 = makeArray(forms::Kind::Label, "Label1");   // heads, row captions, switch
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");  // "Cls"
    forms::Control& Command2 = makeControl(forms::Kind::CommandButton, "Command2");  // "Re"
    forms::Control& Check1 = makeControl(forms::Kind::CheckBox, "Check1");           // "Go", graphical

    // Titles and column heads that nothing writes, numbered in creation order.
    forms::ControlArray& lblCaption = makeArray(forms::Kind::Label, "lblCaption");

    // The sleeper rows' boxes, found on the board's first spin (the window never changes its controls).
    std::vector<forms::Control*> sleeperBoxes;
    // The street gap boxes: gap and longest gap of each street, found on their first spin.
    std::vector<forms::Control*> streetBoxes;
    // The figure boxes of the drawn lists and of the five-number progression, found on their first spin.
    std::vector<forms::Control*> listBoxes;
};

// Wires the window's handlers (the window has no load handler of its own).
void attachFrm7tch(Session& s, Frm7tch& f);

// Where each board row keeps its boxes (indexes into Text1 and Label1), one table per row family,
// in the order the board books them.
namespace tchbox {

struct StandardRowBoxes {  // finals and doubles
    const char* caption;
    int label, cwin, cwMin, sleep, bb, bbMx, cntW, cntL, rounds, limit;
    bool highlight;  // the sleep box turns green while the counter is above the limit
};

inline constexpr std::array<StandardRowBoxes, 11> StandardRows{{
    {"5,15,25,35", 7, 0, 1, 163, 2, 3, 4, 5, 185, 6, false},
    {"8,18,28", 8, 7, 8, 164, 9, 10, 11, 12, 186, 13, false},
    {"9,19,29", 9, 14, 15, 165, 16, 17, 18, 19, 187, 20, false},
    {"0,10,20,30", 10, 21, 22, 166, 23, 24, 25, 26, 188, 27, false},
    {"11,22,33", 11, 28, 29, 167, 30, 31, 32, 33, 189, 34, true},
    {"4,14,24,34", 17, 57, 58, 168, 59, 60, 61, 62, 190, 63, true},
    {"6,16,26,36", 23, 124, 123, 169, 122, 121, 120, 119, 191, 118, true},
    {"1,11,21,31", 24, 131, 130, 170, 129, 128, 127, 126, 192, 125, true},
    {"2,12,22,32", 25, 138, 137, 171, 136, 135, 134, 133, 193, 132, true},
    {"3,13,23,33", 26, 145, 144, 172, 143, 142, 141, 140, 194, 139, true},
    {"7,17,27", 40, 204, 205, 203, 206, 207, 208, 209, 202, 210, true},
}};

struct DerivedRowBoxes {  // partners of three spins, first HGF number, partners of four spins
    int label, cwin, cwMin, betsLeft, bb, bbMx, cntW, cntL, limit;
    const char* limitDesign;
    int extra;  // -1: none
};

inline constexpr std::array<DerivedRowBoxes, 3> DerivedRows{{
    {12, 35, 36, 105, 37, 38, 39, 40, 41, "24", -1},
    {13, 42, 43, 107, 44, 45, 46, 47, 48, "36", 104},
    {14, 49, 50, 106, 51, 52, 53, 54, 55, "8", 108},
}};

struct AlternationRowBoxes {  // "26,14-26,14", "GO", "31-13,35"
    const char* caption;
    const char* toolTip;
    int label, cwin, cwMin, lossRun, bb, bbMx, cntW, cntL, limit;
    const char* limitDesign;
};

inline constexpr std::array<AlternationRowBoxes, 3> AlternationRows{{
    {"26,14-26,14", "32 a 23 alternatively", 16, 64, 65, 86, 66, 67, 68, 69, 70, "6"},
    {"GO", "27 a 7 alternatively", 15, 71, 72, 87, 73, 74, 75, 76, 77, "6"},
    {"31-13,35", "19 a 9 alternatively", 18, 78, 79, 85, 80, 81, 82, 83, 84, "33"},
}};

inline constexpr int GoPairFirst = 309, GoPairSecond = 310;  // the "GO" row's two numbers
inline constexpr int SwitchLabel = 21, SwitchStake = 109, SwitchLeft = 110, SwitchLength = 111;

struct GapRowBoxes {  // N-X-N, in the order the board books them
    const char* caption;
    int label, cwin, cwMin, count, bb, bbMx, countMax;
};

inline constexpr std::array<GapRowBoxes, 5> GapRows{{
    {"7-X-7", 41, 211, 212, 215, 213, 214, 216},
    {"4-X-4", 42, 222, 221, 218, 220, 219, 217},
    {"6-X-6", 62, 308, 307, 304, 306, 305, 303},
    {"5-X-5", 60, 291, 292, 295, 293, 294, 296},
    {"8-X-8", 61, 302, 301, 298, 300, 299, 297},
}};
inline constexpr int GapRowLimit = 230;

struct SectorRowBoxes {
    int label, cwin, cwMin, sleep, bb, bbMx, rounds;
};

inline constexpr std::array<SectorRowBoxes, 7> SectorRows{{
    {47, 237, 236, 238, 235, 234, 239},
    {48, 242, 243, 241, 244, 245, 240},
    {49, 248, 249, 247, 250, 251, 246},
    {50, 254, 255, 253, 256, 257, 252},
    {51, 260, 261, 259, 262, 263, 258},
    {52, 266, 267, 265, 268, 269, 264},
    {59, 288, 287, 289, 286, 285, 290},
}};
inline constexpr int SectorSleepLimit = 231, SectorLadderLimit = 232, SectorWidenStep = 233;

inline constexpr int CommonLimit = 56;
// "Cls" spreads the common limit over these, in this order.
inline constexpr std::array<int, 11> SleepLimitBoxes{6, 13, 20, 27, 34, 118, 125, 132, 139, 63, 210};

inline constexpr int StreetGapLimit = 201;     // "Ncnt"
inline constexpr int StreetGapFirst = 88;      // street s at 87 + s
inline constexpr int StreetGapMaxFirst = 173;  // street s at 172 + s
inline constexpr int ReMultiplier = 270, ReAddend = 271;

}  // namespace tchbox
