// Where windows open and how large. Each window fits the room it opens in; what does not fit
// scrolls at its designed size.
#pragma once

#include <QMargins>
#include <QRect>

#include <unordered_map>

namespace gui {

class FormView;

class Placement {
public:
    // Panels narrower than this beside the entry column would show too little: they open at the
    // screen's left edge instead.
    static constexpr int MinRoom = 320;

    // What of the main window must stay in sight, in global pixels: its menu and entry column
    // span left to right (exclusive), its menu bar ends at menuBottom.
    struct Column {
        int left = 0, right = 0, menuBottom = 0;
    };

    // Before the window is shown for the first time. The main window takes its screen's top left
    // corner; the others open on its screen beside the column, on its right where that room is
    // wide enough, else on its left, and below its menu, sized to the room there.
    void place(FormView& w, const FormView* main, Column keep);
    // Sizes the window to its room again, as after a new designed size or border.
    void refit(FormView& w);
    // Once the window system has framed the window: title bar and close button inside its room.
    void keepInRoom(FormView& w);

private:
    void fit(FormView& w, const QRect& room);
    QRect roomOf(const FormView& w) const;
    QMargins frame(const FormView& w);  // learnt from the first framed window shown
    QSize frameSize(FormView& w);

    QMargins frame_{4, 30, 4, 4};  // a title bar and borders until the window system says
    int cascade_ = 0;
    std::unordered_map<const FormView*, QRect> rooms_;
};

}  // namespace gui
