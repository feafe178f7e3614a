// The HGF panel "HGF & 12 unique numbers": the per-number HGF grid with the 19th system's marks,
// the HGF lists and progressions, and the boxes of the 9th, 11th, 14th, 15th, 16th and 17th systems.
#pragma once

#include "forms/form.h"

class Session;

class Frm3hgf : public forms::Form {
public:
    Frm3hgf();

    // The number grid, one column per number 0..36.
    forms::ControlArray& Label2 = makeArray(forms::Kind::Label, "Label2");     // 0..36 numbers, 46..82 gaps, 83/84 max
    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");     // HGF value per number
    forms::ControlArray& Text2 = makeArray(forms::Kind::TextBox, "Text2");     // hits per number
    forms::ControlArray& Label12 = makeArray(forms::Kind::Label, "Label12");   // 19th stake per number
    forms::ControlArray& Label13 = makeArray(forms::Kind::Label, "Label13");   // 19th spins left per number

    // Hit statistics, marking and the session alert.
    forms::ControlArray& Label14 = makeArray(forms::Kind::Label, "Label14");   // 0 "AVG", 1..3 headings, 4..6 Mn/Mx/Avg
    forms::Control& Label11 = makeControl(forms::Kind::Label, "Label11");     // "MARK"
    forms::Control& Label5 = makeControl(forms::Kind::Label, "Label5");       // "Timer Off" / "Timer On"
    forms::Control& Label6 = makeControl(forms::Kind::Label, "Label6");       // minutes left
    forms::Control& Timer1 = makeControl(forms::Kind::Timer, "Timer1");

    // HGF lists, 9th system and HGF progression.
    forms::ControlArray& Text3 = makeArray(forms::Kind::TextBox, "Text3");
    forms::ControlArray& Text4 = makeArray(forms::Kind::TextBox, "Text4");     // 0..6 sub-progressions, 7..11 progression
    forms::ControlArray& Check1 = makeArray(forms::Kind::CheckBox, "Check1");  // captions hold the picked numbers
    forms::ControlArray& Label15 = makeArray(forms::Kind::Label, "Label15");   // schedule lengths, totals, "Eur"
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");  // "cls"

    // 11th Sixth.
    forms::ControlArray& Label1 = makeArray(forms::Kind::Label, "Label1");     // 1 "11th Sixth", 2 "14th Dorviks doz."
    forms::ControlArray& Label4 = makeArray(forms::Kind::Label, "Label4");     // six-line switches
    forms::ControlArray& Text5 = makeArray(forms::Kind::TextBox, "Text5");
    forms::Control& Text6 = makeControl(forms::Kind::TextBox, "Text6");

    // 14th Dorvik dozens.
    forms::ControlArray& Text7 = makeArray(forms::Kind::TextBox, "Text7");
    forms::ControlArray& Text8 = makeArray(forms::Kind::TextBox, "Text8");

    // 15th Shotwell.
    forms::ControlArray& Label7 = makeArray(forms::Kind::Label, "Label7");     // 0..5 groups, 6..11 legends, 12 "-"
    forms::ControlArray& Text9 = makeArray(forms::Kind::TextBox, "Text9");

    // 16th Cycle 1Dozen and the manual counter.
    forms::ControlArray& Text10 = makeArray(forms::Kind::TextBox, "Text10");
    forms::ControlArray& Text11 = makeArray(forms::Kind::TextBox, "Text11");
    forms::ControlArray& Label8 = makeArray(forms::Kind::Label, "Label8");

    // 17th Waves.
    forms::ControlArray& Text12 = makeArray(forms::Kind::TextBox, "Text12");
    forms::ControlArray& Text13 = makeArray(forms::Kind::TextBox, "Text13");

    // Headings and legends that no code reads.
    forms::ControlArray& lbl = makeArray(forms::Kind::Label, "lbl");

    forms::Control& HgfValues(int n) const { return Text1[n]; }
    forms::Control& HitCounts(int n) const { return Text2[n]; }
    forms::Control& NonAppearLabels(int n) const { return Label2[NonAppearFirst + n]; }
    forms::Control& WaveBoxes(int k) const { return Text12[k]; }
    forms::Control& ManualCounter() const { return Label8[0]; }

    static constexpr int NonAppearFirst = 46;
    static constexpr int MaxLabel = 83;  // caption of the longest absence
};

// Wires the panel's handlers and runs its load handler.
void attachFrm3hgf(Session& s, Frm3hgf& f);
