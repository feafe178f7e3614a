// The whole screen side of the program: a window for each loaded form, kept in step with the model.
#pragma once

#include <map>
#include <memory>

#include "forms/form.h"

class QKeyEvent;
class QWidget;

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
    bool isMain(const FormView& w) const;

    // The keyboard belongs to the spin entry: a click on a button, switch or clickable label hands
    // it back there, and so does a dialog that closes. Typing in a panel that holds no box the
    // player clicked into goes to the entry.
    void clicked(FormView& w);
    void closed(FormView& w);
    bool typeIntoEntry(const QKeyEvent& e);

private:
    void syncForm(forms::Form& f);
    void place(FormView& w);
    void end();
    QWidget* entryWidget() const;

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
