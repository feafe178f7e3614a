#include "passes/second/twins25.h"

#include "fast/twins.h"
#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "passes/second/hgf_number_list.h"
#include "passes/second/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace {

using fast::TwinsDisplay;

// A seed or twin box's number; nullopt unless it holds a whole number.
std::optional<int64_t> boxNumber(const forms::Control& c) {
    const std::string& t = c.text();
    if (!forms::isWholeNumberText(t)) return std::nullopt;
    // Short ones read in place; the same value toInt64 gives.
    if (t.size() <= 9) return forms::toInt(t);
    return forms::toInt64(t);
}

struct Instance {
    int64_t& step;
    int64_t& nb;
    int64_t& stake;
    int64_t& cw;
    int32_t& mincw;
    const TwinsDisplay& boxes;
    int selector;  // Label5 index of its progression
    int (*stakeOf)(Session&, int64_t, int64_t);
};

class TwinsRun {
public:
    explicit TwinsRun(Session& s)
        : s_(s),
          st_(s.st),
          f_(s.frm6fast()),
          mode_(settings::text(s, settings::Box::TwinsMode)),
          row1_(s.frm1basic().Text1[1].text()),
          row2_(s.frm1basic().Text1[2].text()),
          row3_(s.frm1basic().Text1[3].text()),
          one_{st_.i_25cntplay, st_.i_25nb, st_.i_25bbet, st_.i_cw25, st_.i_mincw25, fast::TwinsInstance1, 1, &fast::f_bbet25},
          two_{st_.i_25cntplay2, st_.i_25nb2, st_.i_25bbet2, st_.i_cw252, st_.i_mincw252, fast::TwinsInstance2, 0, &fast::f_bbet252} {}

    void run() {
        // Only an instance that was in play when the spin came runs its end path this spin.
        const bool inPlay1 = one_.step >= 0, inPlay2 = two_.step >= 0;
        // The newest spin, -1 while row 1 holds none.
        const int64_t spin = forms::isWholeNumberText(row1_) ? forms::toInt64(row1_).value_or(-1) : -1;
        const bool modeSets = mode_ == "3" || mode_ == "4" || mode_ == "5";

        if (mode_ == "3" && !row3_.empty() && bothIdle()) {
            setPair(one_, row3_);
            setPair(two_, row2_);
        }
        if (mode_ == "4" && bothIdle() && spin > 0) {
            const auto trio = forms::split(fast::street_nbr25(spin), ",");
            if (trio.size() == 3) {
                if (row1_ == trio[0]) setPairs(trio[1], trio[2]);
                else if (row1_ == trio[1]) setPairs(trio[0], trio[2]);
                else if (row1_ == trio[2]) setPairs(trio[0], trio[1]);
            }
        }
        const bool dozen = dozenQualifies();
        if (mode_ == "5" && !row3_.empty() && bothIdle() && dozen) {
            if (auto f = twins::sixths(s_))
                twins::apply(s_, twins::derive(hgfNumberItems(s_, scratch_), *f, 0, 0));
            Command7_Click(s_);
            f_.Text4[one_.boxes.seed].setText(std::string(f_.Text4[one_.boxes.twin].text()));
            f_.Text4[two_.boxes.twin].setText(std::string(f_.Text4[two_.boxes.seed].text()));
        }

        if (mode_ == "4" && bothIdle() && spin > 0) {
            start(one_);
            start(two_);
        } else if (!row3_.empty()) {
            if (bothIdle() && dozen) {
                start(one_);
                start(two_);
                const auto twin1 = boxNumber(f_.Text4[one_.boxes.twin]);
                const auto seed2 = boxNumber(f_.Text4[two_.boxes.seed]);
                if (!twin1 || !seed2 || *twin1 == -1 || *seed2 == -1) one_.step = two_.step = -1;
            } else if (one_.step == -1 && matchesSeed(one_, spin)) {
                start(one_);
            }
        }
        if ((mode_ == "0" || mode_ == "2") && one_.step == -1) seedFromHgfList(one_, 1);
        turn(one_, two_, inPlay1, spin, modeSets, true);

        if (mode_ == "2" && !row1_.empty() && row1_ == row2_ && two_.step == -1) setPair(two_, row1_);
        if (mode_ != "4" && two_.step == -1 && matchesSeed(two_, spin)) start(two_);
        if (mode_ == "0" && two_.step == -1) seedFromHgfList(two_, 2);
        turn(two_, one_, inPlay2, spin, modeSets, false);

        f_.Text4[97].setNumber(st_.i_cw25 + st_.i_cw252);
        f_.Text4[107].setNumber(int64_t{st_.i_25gosess});
        f_.Text4[106].setNumber(st_.i_25wrsess);
    }

private:
    bool bothIdle() const { return one_.step == -1 && two_.step == -1; }

    bool dozenQualifies() {
        const auto f = twins::sixths(s_);
        if (!f) return false;
        for (size_t d = 0; d < 3; ++d)
            if ((*f)[2 * d] >= 1 && (*f)[2 * d + 1] >= 1) return true;
        return false;
    }

    void setPair(const Instance& in, const std::string& number) {
        f_.Text4[in.boxes.seed].setText(number);
        f_.Text4[in.boxes.twin].setText(number);
    }
    void setPairs(const std::string& first, const std::string& second) {
        setPair(one_, first);
        setPair(two_, second);
    }

    void seedFromHgfList(const Instance& in, size_t item) {
        const auto& items = hgfNumberItems(s_, scratch_);
        if (items.size() > item && forms::isWholeNumberText(items[item])) setPair(in, items[item]);
    }

    bool matchesSeed(const Instance& in, int64_t spin) const {
        const auto seed = boxNumber(f_.Text4[in.boxes.seed]);
        return spin >= 0 && seed && *seed == spin;
    }

    void start(Instance& in) {
        const auto twin = boxNumber(f_.Text4[in.boxes.twin]);
        if (!twin) return;
        in.nb = *twin;
        in.step = 0;
        in.stake = 0;
    }

    void turn(Instance& in, Instance& other, bool wasInPlay, int64_t spin, bool modeSets, bool first) {
        const auto prog = forms::toInt(f_.Label5[in.selector].caption());
        if (!prog) return;
        if (in.nb >= 0) {
            if (in.step > 0 && in.nb == spin) {
                in.cw += 35 * in.stake;
                in.step = -1;
                if (modeSets) endBoth(in, other, first);
            } else if (in.step > 0) {
                in.cw -= in.stake;
            }
            if (in.step >= 0) in.step += 1;
            if (in.step >= 0 || wasInPlay) in.stake = in.stakeOf(s_, in.step, *prog);
        }
        if (in.cw < in.mincw) in.mincw = static_cast<int32_t>(std::max<int64_t>(in.cw, INT32_MIN));
        const auto& b = in.boxes;
        f_.Text4[b.cwin].setNumber(in.cw);
        f_.Text4[b.bb].setNumber(in.stake);
        f_.Text4[b.mincw].setNumber(int64_t{in.mincw});
        if (in.step > 0) {
            static constexpr int64_t Last[] = {37, 71, 23};
            if (*prog >= 0 && *prog <= 2) f_.Text4[b.end].setNumber(Last[*prog] - in.step);
            constexpr forms::Color Running = 0xFF00, Seed = 0xC0;
            f_.Text4[b.end].setForeColor(Running);
            f_.Text4[b.bb].setForeColor(Running);
            f_.Label4[b.bbLabel].setForeColor(Running);
            f_.Label4[b.endLabel].setForeColor(Running);
            f_.Label4[b.seedLabel].setForeColor(Seed);
            f_.Text4[b.seed].setForeColor(Seed);
        }
    }

    // In modes "3" to "5" a win ends the series of both instances.
    void endBoth(Instance& winner, Instance& other, bool first) {
        if (first) {
            if (other.step >= 0) other.cw -= other.stake;
            other.step = -1;
            ++st_.i_25gosess;
            setPair(winner, "-1");
        } else {
            other.step = -1;
            setPair(other, "-1");
            f_.Text4[other.boxes.end].setText("0");
            fast::paintTwinsIdle(f_, other.boxes);
            ++st_.i_25gosess;
            setPair(winner, "-1");
        }
    }

    Session& s_;
    state::SessionState& st_;
    Frm6fast& f_;
    const std::string& mode_;
    const std::string& row1_;
    const std::string& row2_;
    const std::string& row3_;
    Instance one_, two_;
    std::vector<std::string> scratch_;  // the HGF number list, when it has to be split here
};

}  // namespace

void twentyFifthTwins(Session& s) { TwinsRun(s).run(); }

}  // namespace passes
