#include "shell/startup.h"

#include "forms/convert.h"
#include "panels/frm5help.h"
#include "panels/frm6fast.h"
#include "panels/frm7tch.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace shell {

using settings::Box;

void Form_Load(Session& s) {
    auto& f = s.frm1basic();
    auto& st = s.st;

    // 1. The first batch of start values (the "35" lists, the 12th Fast panel, the TCh counter,
    //    the Edge maxima) and 10. the remaining ones are the groups' initialisers in state/,
    //    given when the session was made; only the tables below are filled here.

    // 2. The auto-click timer stays off.
    f.Timer1.setEnabled(false);

    // 3. The click count in the stop button's caption; the first touch loads the options hidden.
    f.Command5[1].setCaption(f.Command5[1].caption() + " " + settings::text(s, Box::ClickCount));

    // 4. The 2nd system's base bet and the stop loss (Text5's own check does not run here).
    st.l_basebet = 1;
    st.l_cwin2 = 0;
    if (auto bb = forms::toInt(f.Text5.text())) f.Text7.setText(forms::numText(int64_t{5} * *bb));

    // 5. The low/high doubling starts at the options' multiplicator.
    if (auto m = settings::integer(s, Box::FourthMultiplicator)) st.l_bb = *m;

    // 6. The HGF panel's counters; they live in the session, so the panel stays unloaded.
    st.l_16cnt = 0;
    st.l_16cntc = 0;

    // 7. The statistics window is loaded and kept hidden.
    s.frm5help().hide();

    // 8. The four arcs of the wheel, together each number 0..36 once.
    st.WheelSectorA = {0, 32, 26, 15, 3, 19, 35, 12, 4};
    st.WheelSectorB = {28, 7, 29, 18, 22, 9, 31, 14, 20};
    st.WheelSectorC = {1, 33, 16, 24, 5, 10, 23, 8, 30};
    st.WheelSectorD = {11, 36, 13, 27, 6, 34, 17, 25, 2, 21};

    // 9. The NICHE window limits into the FAST panel ("InS" even boxes, "InE" odd boxes).
    auto& fast = s.frm6fast();
    for (int i = 34; i <= 41; ++i)
        fast.Text4[i].setText(settings::text(s, i % 2 == 0 ? Box::MinNapp : Box::MaxNapp));

    // 10. The lists and tables that start-up sizes and fills.
    st.UniqueNumbers.assign(1, 0);
    st.IgBetNumbers.assign(1, forms::Var(-2));
    st.NumberIdentity = state::TchNumberState::identity();

    // 11. The street gap limit from the "TCh" window, which this loads hidden.
    if (auto gap = forms::toInt(s.frm7tch().Text1[201].text())) st.i_22plcnt = *gap;

    f.SpinEntryBox().setFocus();
}

}  // namespace shell
