// The whole screen side of the program: a window for each loaded form, kept in step with the model.
#pragma once

#include <map>
#include <memory>

#include "forms/form.h"

namespace gui {

class FormView;

class View {
public:
    explicit View(forms::Host& host);
    ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Creates windows for newly loaded forms, repaints what the model marked, applies focus, and
    // closes everything and quits once the model has ended.
    void sync();

    FormView* window(const forms::Form& f) const;  // nullptr until the form has loaded

private:
    void syncForm(forms::Form& f);
    void place(FormView& w);
    void end();

    // The width a panel leaves free on the main window's left side when its menu is narrower.
    static constexpr int EntryStrip = 240;

    forms::Host& host_;
    std::map<const forms::Form*, std::unique_ptr<FormView>> windows_;
    bool syncing_ = false;
    bool again_ = false;
    bool ended_ = false;
    int cascade_ = 0;
};

}  // namespace gui
