#include "shell/session.h"

#include <algorithm>
#include <chrono>

#include "aux/form1.h"
#include "aux/form2.h"
#include "panels/frm3hgf.h"
#include "panels/frm4about.h"
#include "panels/frm5help.h"
#include "panels/frm6fast.h"
#include "panels/frm7tch.h"
#include "panels/frm8edge.h"
#include "settings/frm2opti.h"
#include "shell/frm1basic.h"

// How each window is made and brought to life. Creating a window gives its design-time contents;
// attaching wires its handlers and runs its load handler.
struct Session::Slot {
    std::string name;
    std::function<std::unique_ptr<forms::Form>()> create;
    std::function<void(Session&, forms::Form&)> attach;
    std::unique_ptr<forms::Form> form;
};

namespace {

template <typename W>
std::unique_ptr<forms::Form> make() {
    return std::make_unique<W>();
}

}  // namespace

Session::Session(uint64_t seed) : rng_(seed) {
    auto add = [this](std::string name, std::function<std::unique_ptr<forms::Form>()> create,
                      std::function<void(Session&, forms::Form&)> attach) {
        slots_.push_back(std::make_unique<Slot>(Slot{std::move(name), std::move(create), std::move(attach), nullptr}));
    };
    // One entry per window, in the order of Win.
#define WINDOW(W, cls) add(#W, make<cls>, [](Session& s, forms::Form& f) { attach##cls(s, static_cast<cls&>(f)); })
    WINDOW(frm1basic, Frm1basic);
    WINDOW(frm2opti, Frm2opti);
    WINDOW(frm3hgf, Frm3hgf);
    WINDOW(frm4about, Frm4about);
    WINDOW(frm5help, Frm5help);
    WINDOW(frm6fast, Frm6fast);
    WINDOW(frm7tch, Frm7tch);
    WINDOW(frm8edge, Frm8edge);
    WINDOW(Form1, Form1);
    WINDOW(Form2, Form2);
#undef WINDOW
}

Session::~Session() = default;

uint64_t Session::defaultSeed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void Session::start() {
    frm1basic().show();
}

void* Session::loadTyped(Win w) {
    void*& p = typed_[static_cast<size_t>(w)];
    switch (w) {
        case Win::frm1basic: p = &get<Frm1basic>(w); break;
        case Win::frm2opti: p = &get<Frm2opti>(w); break;
        case Win::frm3hgf: p = &get<Frm3hgf>(w); break;
        case Win::frm4about: p = &get<Frm4about>(w); break;
        case Win::frm5help: p = &get<Frm5help>(w); break;
        case Win::frm6fast: p = &get<Frm6fast>(w); break;
        case Win::frm7tch: p = &get<Frm7tch>(w); break;
        case Win::frm8edge: p = &get<Frm8edge>(w); break;
        case Win::Form1: p = &get<Form1>(w); break;
        case Win::Form2: p = &get<Form2>(w); break;
        case Win::Count: break;
    }
    return p;
}

Session::Slot& Session::slot(std::string_view name) {
    for (auto& s : slots_)
        if (s->name == name) return *s;
    throw std::out_of_range("no window named " + std::string(name));
}

forms::Form& Session::load(Slot& s) {
    if (!s.form) {
        s.form = s.create();
        s.form->setLoaded(true);
        loadOrder_.push_back(s.form.get());
        s.attach(*this, *s.form);
    }
    return *s.form;
}

forms::Form& Session::form(std::string_view name) {
    Slot& s = slot(name);
    size_t i = 0;
    while (slots_[i].get() != &s) ++i;
    if (!cache_[i]) cache_[i] = &load(s);
    return *cache_[i];
}

std::vector<forms::Form*> Session::loadedForms() { return loadOrder_; }

bool Session::isLoaded(std::string_view name) const {
    for (auto& s : slots_)
        if (s->name == name) return s->form != nullptr;
    return false;
}

void Session::closeRequested(forms::Form& f) {
    if (f.onCloseRequest) {
        f.onCloseRequest();
        return;
    }
    f.hide();  // a panel keeps its contents while hidden
}

forms::Control* Session::entryBox() { return &frm1basic().SpinEntryBox(); }

std::vector<forms::Control*> Session::entryColumn() {
    Frm1basic& f = frm1basic();
    std::vector<forms::Control*> column = {&f.Command1};
    for (forms::ControlArray* rows : {&f.Text1, &f.Text2, &f.Label5})
        rows->forEach([&column](forms::Control& c) { column.push_back(&c); });
    return column;
}

void Session::end(const std::vector<std::string>& unloadOrder) {
    // The windows stay in memory until the session goes; the view closes them and quits.
    for (const auto& name : unloadOrder) {
        for (auto& s : slots_) {
            if (s->name == name && s->form) {
                s->form->hide();
                s->form->setLoaded(false);
            }
        }
    }
    ended_ = true;
}
