// A long random session: every system on, every window loaded, and a player who mostly spins but
// also types junk and extreme figures into any box and clicks whatever answers a click. After
// each action the session must still hold together.
// ADVISOR_SOAK_ACTIONS sets the length of each session, ADVISOR_SOAK_SEED runs one given session,
// ADVISOR_SOAK_LOG=1 prints every action (to find which one a sanitizer report follows).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"
#include "support/everything_on.h"
#include "support/feed.h"

namespace {

using forms::Control;
using forms::Kind;

constexpr std::array<const char*, 20> Figures = {
    "-99999", "99999", "-9999", "9999", "12345", "-1", "0", "1", "2,5", "-0,5", "abc", "", "1e5",
    "999999999999", "2147483647", "-2147483648", "2", "5", "10", "36"};

// Entry texts beside the plain spins; "05", "00" and "-0" are spins too. None is a three-character
// number: the entry box clears those itself as they are typed.
constexpr std::array<const char*, 14> EntryJunk = {
    "37", "-1", "-0", "05", "00", "+5", "2,5", "abc", "", " 7", "-", "99999999999999999999", "1e1", "36"};

long envOr(const char* name, long fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

// What the entry road books for a text: an optional "-" and digits worth 0..36.
std::optional<int> spinOf(std::string_view t) {
    const bool minus = !t.empty() && t[0] == '-';
    if (minus) t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        v = std::min(v * 10 + (c - '0'), 1000);
    }
    if (v > 36 || (minus && v != 0)) return std::nullopt;
    return v;
}

bool canonicalSpin(const std::string& t) {
    if (t.empty() || t.size() > 2 || (t.size() == 2 && t[0] == '0')) return false;
    const auto v = spinOf(t);
    return v && t[0] != '-';
}

std::string nameOf(const Control& c) {
    std::string n = c.form().name() + "." + c.name();
    if (c.index() >= 0) n.append("(").append(std::to_string(c.index())).append(")");
    return n;
}

struct Action {
    char what = 's';  // s spin, t type, c click, d double click, k tick
    Control* target = nullptr;
    std::string text;

    std::string describe() const {
        switch (what) {
            case 's': return "spin \"" + text + "\"";
            case 't': return "type \"" + text + "\" into " + nameOf(*target);
            case 'd': return "double click " + nameOf(*target);
            case 'k': return "tick " + nameOf(*target);
            default: return "click " + nameOf(*target);
        }
    }
};

class Soak {
public:
    explicit Soak(uint64_t seed) : s_(seed), rng_(seed) {
        for (const char* w : {"frm1basic", "frm2opti", "frm3hgf", "frm4about", "frm5help", "frm6fast",
                              "frm7tch", "frm8edge", "Form1", "Form2"})
            s_.form(w);
        s_.start();
        switchEverythingOn(s_);
        auto& m = s_.frm1basic();
        auto& fast = s_.frm6fast();
        const std::array<const Control*, 4> excluded = {
            &m.end[2],        // ends the session
            &m.Command3,      // "Test": up to 100,000 spins in one click, and a log file
            &fast.Command4,   // "S": writes the numbers file into the working folder
            &fast.Command5};  // "R": reads that file back
        forms_ = s_.loadedForms();
        for (forms::Form* f : forms_) {
            for (Control* c : f->controls()) {
                if (std::find(excluded.begin(), excluded.end(), c) != excluded.end()) continue;
                if (c->kind() == Kind::TextBox && !c->locked() && c != &m.SpinEntryBox()) boxes_.push_back(c);
                if (c->kind() == Kind::Timer) timers_.push_back(c);
                else if (c->onClick || c->kind() == Kind::CheckBox || c->kind() == Kind::OptionButton)
                    clicks_.push_back(c);
                if (c->onDblClick) dblClicks_.push_back(c);
            }
        }
    }

    // Runs the actions; false after the first broken invariant, which it reports.
    bool run(long actions) {
        const bool log = envOr("ADVISOR_SOAK_LOG", 0) != 0;
        for (long i = 0; i < actions; ++i) {
            Action a = next();
            if (log) std::fprintf(stderr, "soak %ld: %s\n", i, a.describe().c_str());
            recent_[static_cast<size_t>(i) % recent_.size()] = a;
            const std::string fault = act(a);
            if (!fault.empty()) {
                std::string trail;
                for (long k = std::max(0L, i - static_cast<long>(recent_.size()) + 1); k <= i; ++k)
                    trail += "\n  " + std::to_string(k) + ": " + recent_[static_cast<size_t>(k) % recent_.size()].describe();
                ADD_FAILURE() << "after action " << i << ": " << fault << "; the last actions:" << trail;
                return false;
            }
        }
        return true;
    }

    int64_t spins() const { return spins_; }

private:
    template <typename T>
    const T& pick(const std::vector<T>& v) {
        return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng_)];
    }
    template <typename T, size_t N>
    const T& pick(const std::array<T, N>& v) {
        return v[std::uniform_int_distribution<size_t>(0, N - 1)(rng_)];
    }

    Action next() {
        const int roll = std::uniform_int_distribution<int>(0, 99)(rng_);
        if (roll < 60) return {'s', nullptr, forms::numText(std::uniform_int_distribution<int>(0, 36)(rng_))};
        if (roll < 64) return {'s', nullptr, pick(EntryJunk)};
        if (roll < 84) return {'t', pick(boxes_), pick(Figures)};
        if (roll < 98) return {'c', pick(clicks_), {}};
        if (roll < 99) return {'d', pick(dblClicks_), {}};
        return {'k', pick(timers_), {}};
    }

    // Carries the action out as a player would and returns what it broke, "" if nothing.
    std::string act(const Action& a) {
        auto& m = s_.frm1basic();
        const std::string before = m.Command1.caption();
        std::optional<int> spin;
        switch (a.what) {
            case 's':
                spin = a.text.empty() ? std::nullopt : spinOf(a.text);  // Enter in an empty box is nothing
                enter(s_, a.text);
                break;
            case 't':
                if (!a.target->visible()) break;
                if (std::uniform_int_distribution<int>(0, 3)(rng_) == 0) {  // key by key, or all at once
                    a.target->edit("");
                    a.target->typeText(a.text);
                } else {
                    a.target->edit(a.text);
                }
                // The options window's own rule: a numeric text of at most five characters, else "0".
                if (&a.target->form() == &s_.frm2opti() && (a.target->text().size() > 5 || !forms::isNumeric(a.target->text())))
                    return "the options box keeps \"" + a.target->text() + "\"";
                break;
            case 'c':
                if (!a.target->visible()) break;
                if (a.target == &m.Command1) spin = spinOf(m.SpinEntryBox().text());
                if (a.target == &m.Command2 && s_.frm2opti().Check2[static_cast<int>(settings::Switch::ResetGeneral)].value() == 1)
                    spins_ = 0;  // Reset starts the count again only with its general switch on
                a.target->click();
                break;
            case 'd':
                if (a.target->visible()) a.target->dblClick();
                break;
            case 'k': a.target->tick(); break;
        }
        if (spin) {
            ++spins_;
            if (m.Command1.caption() != "Spins: " + std::to_string(spins_))
                return "the spin button says \"" + m.Command1.caption() + "\" after " + std::to_string(spins_) + " spins";
            if (m.Text1[1].text() != forms::numText(*spin)) return "the newest history row shows \"" + m.Text1[1].text() + "\"";
            if (!m.SpinEntryBox().text().empty()) return "the entry box keeps \"" + m.SpinEntryBox().text() + "\"";
        } else if (m.Command1.caption() != before && a.target != &m.Command2) {
            return "no spin was taken, yet the spin button went from \"" + before + "\" to \"" + m.Command1.caption() + "\"";
        }
        return invariants();
    }

    std::string invariants() {
        if (s_.ended()) return "the session ended";
        auto& m = s_.frm1basic();
        bool gap = false;
        for (int i = 1; i <= 28; ++i) {
            const std::string& t = m.Text1[i].text();
            if (t.empty()) {
                gap = true;
            } else if (!canonicalSpin(t) || gap) {
                return "history row " + std::to_string(i) + " shows \"" + t + "\"";
            }
        }
        for (forms::Form* f : forms_)
            if (auto msgs = f->takeMessages(); !msgs.empty()) return f->name() + " raised the message \"" + msgs.front().text + "\"";
        return {};
    }

    Session s_;
    std::mt19937_64 rng_;
    std::vector<forms::Form*> forms_;
    std::vector<Control*> boxes_, clicks_, dblClicks_, timers_;
    std::array<Action, 16> recent_;
    int64_t spins_ = 0;
};

}  // namespace

TEST(Soak, RandomPlayerNeverBreaksTheSession) {
    const long actions = envOr("ADVISOR_SOAK_ACTIONS", 12000);
    std::vector<uint64_t> seeds = {1, 2};
    if (const long seed = envOr("ADVISOR_SOAK_SEED", -1); seed >= 0) seeds = {static_cast<uint64_t>(seed)};
    for (uint64_t seed : seeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Soak soak(seed);
        if (!soak.run(actions)) break;
        EXPECT_GT(soak.spins(), 0);
    }
}
