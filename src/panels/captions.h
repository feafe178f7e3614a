// Design-time helpers shared by the panels: headings and legends that no code reads, numbered
// in one label array of their own, and figure boxes that the system writes or the player types.
#pragma once

#include <string>
#include <utility>

#include "forms/layout.h"

namespace panels {

// A figure box, black on white and centred; locked unless the player types into it.
inline forms::Control& figureBox(forms::Control& c, forms::Geometry g, std::string design, bool typed = false) {
    forms::place(c, g).design(std::move(design)).designColors(forms::colors::WindowText, forms::colors::White);
    c.setAlignment(2);
    c.setLocked(!typed);
    return c;
}

class Captions {
public:
    explicit Captions(forms::ControlArray& labels) : labels_(labels) {}

    // align: 0 left, 1 right, 2 centre.
    forms::Control& caption(std::string text, forms::Geometry g, int align = 0) {
        forms::Control& c = forms::place(labels_.add(next_++), g).design(std::move(text));
        c.setAlignment(align);
        return c;
    }
    forms::Control& heading(std::string text, int left, int top, int width) {
        forms::Control& c = caption(std::move(text), {left, top, width, 18});
        c.setFont(9, true);
        return c;
    }

    // A figure box under its centred caption, both the given width.
    forms::Control& over(forms::Control& box, std::string name, int left, int top, int width, std::string design,
                         bool typed = false) {
        caption(std::move(name), {left, top, width, 18}, 2);
        return figureBox(box, {left, top + 18, width, 20}, std::move(design), typed);
    }

private:
    forms::ControlArray& labels_;
    int next_ = 0;
};

}  // namespace panels
