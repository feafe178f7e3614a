// The session: owns the state and every window. A window is created, hidden, with its design-time
// contents the first time its accessor is called, and its load handler runs then, once.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form.h"
#include "state/session_state.h"

class Frm1basic;
class Frm2opti;
class Frm3hgf;
class Frm4about;
class Frm5help;
class Frm6fast;
class Frm7tch;
class Frm8edge;
class Form1;
class Form2;

class Session : public forms::Host {
public:
    explicit Session(uint64_t seed = defaultSeed());
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Loads the main window (running its load handler) and shows it.
    void start();

    state::SessionState st;

    Frm1basic& frm1basic() { return window<Frm1basic>(Win::frm1basic); }
    Frm2opti& frm2opti() { return window<Frm2opti>(Win::frm2opti); }
    Frm3hgf& frm3hgf() { return window<Frm3hgf>(Win::frm3hgf); }
    Frm4about& frm4about() { return window<Frm4about>(Win::frm4about); }
    Frm5help& frm5help() { return window<Frm5help>(Win::frm5help); }
    Frm6fast& frm6fast() { return window<Frm6fast>(Win::frm6fast); }
    Frm7tch& frm7tch() { return window<Frm7tch>(Win::frm7tch); }
    Frm8edge& frm8edge() { return window<Frm8edge>(Win::frm8edge); }
    Form1& form1() { return window<Form1>(Win::Form1); }
    Form2& form2() { return window<Form2>(Win::Form2); }

    // The local date and time the drawn number lists read; tests fix it.
    // A Test run enters thousands of spins a second: the calendar is worked out once a second.
    std::function<std::tm()> localTime = [last = std::time_t(-1), t = std::tm{}]() mutable {
        const std::time_t now = std::time(nullptr);
        if (now != last) {
            localtime_r(&now, &t);
            last = now;
        }
        return t;
    };

    // Random numbers for the self-test; injectable through the seed.
    std::mt19937_64& rng() { return rng_; }
    static uint64_t defaultSeed();

    // forms::Host
    forms::Form& form(std::string_view name) override;
    std::vector<forms::Form*> loadedForms() override;
    bool ended() const override { return ended_; }
    void closeRequested(forms::Form& f) override;
    forms::Control* entryBox() override;
    std::vector<forms::Control*> entryColumn() override;

    // Unloads every window in the given order; the program ends with it.
    void end(const std::vector<std::string>& unloadOrder);
    bool isLoaded(std::string_view name) const;

    // The windows, in the order of their slots.
    enum class Win { frm1basic, frm2opti, frm3hgf, frm4about, frm5help, frm6fast, frm7tch, frm8edge, Form1, Form2, Count };

private:
    // The windows are reached on every spin: the typed pointer is kept once the window exists.
    template <typename W>
    W& window(Win w) {
        void* p = typed_[static_cast<size_t>(w)];
        if (!p) p = loadTyped(w);
        return *static_cast<W*>(p);
    }
    void* loadTyped(Win w);

    struct Slot;
    Slot& slot(std::string_view name);
    forms::Form& load(Slot& s);
    template <typename W>
    W& get(Win w) {
        forms::Form* f = cache_[static_cast<size_t>(w)];
        if (!f) f = cache_[static_cast<size_t>(w)] = &load(*slots_[static_cast<size_t>(w)]);
        return static_cast<W&>(*f);
    }

    std::vector<std::unique_ptr<Slot>> slots_;
    forms::Form* cache_[static_cast<size_t>(Win::Count)] = {};
    void* typed_[static_cast<size_t>(Win::Count)] = {};
    std::vector<forms::Form*> loadOrder_;
    std::mt19937_64 rng_;
    bool ended_ = false;
};
