// Typed, live reads of the options window. Nothing is copied: every call converts the box's text
// as it stands now (decimal comma or point, halves to even). A text that is not a number gives
// nullopt, and the caller's step then does nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class Session;

namespace settings {

// The options window's text boxes, by their index in Text1.
enum class Box : int {
    TrendCounter = 0,
    FourthCheckingStart = 1,
    FourthMultiplicator = 2,
    FourthSavePlusCount = 3,
    NoRepeatCount = 4,
    ProgressionListB = 5,
    ProgressionListA = 6,
    ColumnsSavePlusCount = 7,
    ColumnsCheckingStart = 8,
    StreetsStopLoss = 9,
    TwoDozensBaseBet = 10,
    HgfBettingSystem = 11,
    HgfRatioMin = 12,
    BaseBetPercentFromLost = 13,
    AvailableSpins = 14,
    SecondsPerSpin = 15,
    AlertMinutes = 16,
    TestSpinCount = 17,
    StopAfterLoss = 18,
    FiboNONnbrs = 19,
    TargetDozenCount28 = 20,
    NonAppearWindow16 = 21,
    Wincnt16 = 22,
    MaxAllPercent = 23,
    NonAppearCnt = 24,
    CntForMarking = 25,
    ClickCount = 26,
    ClickDelaySeconds = 27,
    MinNapp = 28,
    MaxNapp = 29,
    NicheMultiplier = 30,
    NicheTotalCwin = 31,
    IgRatio = 32,
    ProfitTarget = 33,
    StopLoss = 34,
    HgfDisadvDivisor = 35,
    TwinsMode = 36,
};
inline constexpr int BoxCount = 37;

// The "Sys del:", "Active Y/N" and test switches, by their index in Check2.
enum class Switch : int {
    Reset3rd = 0,
    Reset4th = 1,
    Reset5th = 2,
    Reset6th = 3,
    HgfActive = 4,
    ResetGeneral = 5,
    Reset8th = 6,
    NinthActive = 7,
    TestsEnabled = 8,
    FastActive = 9,
    DorvikActive = 10,
    FiboActive = 11,
    TestsFileFlag = 12,
    ShotwellActive = 13,
    Cycle16Active = 14,
    AvgFlag = 15,
};
inline constexpr int SwitchCount = 16;

enum class EighthAdv { S90, M90, ES141, None };

// The box's text as it stands (what text comparisons such as TwinsMode use).
const std::string& text(Session& s, Box b);
// Whole number, halves to even; nullopt when the text is not a number or does not fit 32 bits.
std::optional<int32_t> integer(Session& s, Box b);
// Fractional value ("0,03" and "0.03" both read as 0.03); nullopt when not a number.
std::optional<double> number(Session& s, Box b);
// A setting used as a count of history rows, clamped to 0..28.
std::optional<int32_t> historyRows(Session& s, Box b);

// A check box is on when its Value is 1.
bool on(Session& s, Switch w);
// Check1(0) beside "1,2,4,8,16,32,64", Check1(1) beside "1,3,9,19,40,80".
bool progressionChoice(Session& s, int k);
EighthAdv eighthAdvSchedule(Session& s);
// "Yes" of "HGF disadv".
bool hgfDisadvEnabled(Session& s);

}  // namespace settings
