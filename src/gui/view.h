// The whole screen side of the program: a window for each loaded form, kept in step with the model.
#pragma once

#include <map>
#include <memory>

#include "forms/form.h"
#include "gui/keyboard.h"
#include "gui/placement.h"

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
    void applyFrame(FormView& w);
    Placement::Column column(const FormView& main) const;
    void end();

    forms::Host& host_;
    Placement placement_;
    Keyboard keyboard_;
    std::map<const forms::Form*, std::unique_ptr<FormView>> windows_;
    bool syncing_ = false;
    bool again_ = false;
    bool ended_ = false;
};

}  // namespace gui
