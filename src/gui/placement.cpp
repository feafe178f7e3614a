#include "gui/placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "gui/formview.h"

namespace gui {

namespace {

QRect screenArea(const QWidget& w) {
    const QScreen* s = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1920, 1080);
}

// Moves r the least that puts its top left corner where all of it lies in room, or as much as can.
QPoint inside(const QRect& r, const QRect& room) {
    return {std::max(std::min(r.x(), room.right() + 1 - r.width()), room.left()),
            std::max(std::min(r.y(), room.bottom() + 1 - r.height()), room.top())};
}

}  // namespace

QRect Placement::roomOf(const FormView& w) const {
    auto it = rooms_.find(&w);
    return it == rooms_.end() ? screenArea(w) : it->second & screenArea(w);
}

QMargins Placement::frame(const FormView& w) {
    if (w.form().borderStyle() == 0) return {};
    const QRect outer = w.frameGeometry(), inner = w.geometry();
    const QMargins seen(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    if (w.isVisible() && !seen.isNull()) frame_ = seen;
    return frame_;
}

QSize Placement::frameSize(FormView& w) { return w.size().grownBy(frame(w)); }

void Placement::fit(FormView& w, const QRect& room) {
    const QSize inner = room.size().shrunkBy(frame(w)).expandedTo(QSize(1, 1));
    const QSize whole = w.wholeSize();
    QSize size = whole.boundedTo(inner);
    // A scroll bar in one direction takes room from the other: give it that room where there is some.
    const int bar = w.scrollBarExtent();
    if (size.height() < whole.height()) size.setWidth(std::min(whole.width() + bar, inner.width()));
    if (size.width() < whole.width()) size.setHeight(std::min(whole.height() + bar, inner.height()));
    // Single and dialog borders cannot be dragged to another size.
    if (w.form().borderStyle() == 1 || w.form().borderStyle() == 3) {
        w.setFixedSize(size);
    } else {
        w.setMinimumSize(0, 0);
        w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        w.resize(size);
    }
}

void Placement::refit(FormView& w) { fit(w, roomOf(w)); }

void Placement::place(FormView& w, const FormView* main, Column keep) {
    if (main && main != &w && main->screen()) w.setScreen(main->screen());
    const QRect avail = screenArea(w);
    QRect room = avail;
    bool leftOfColumn = false;
    if (main && main != &w) {
        // Beside the entry column and below the menu, so that typing goes on in sight.
        if (avail.right() + 1 - keep.right >= MinRoom) {
            room.setLeft(keep.right);
        } else if (keep.left - avail.left() >= MinRoom) {
            room.setRight(keep.left - 1);
            leftOfColumn = true;
        }
        if (avail.bottom() + 1 - keep.menuBottom >= MinRoom) room.setTop(keep.menuBottom);
    }
    rooms_[&w] = room;
    fit(w, room);
    if (!main || main == &w) {
        w.move(room.topLeft());
        return;
    }
    // Cascading, each caption in sight; right of the column as far right as the main window
    // reaches, to hide less of it; left of it, against it.
    constexpr int Step = 28;
    const int k = cascade_++ % 6;
    const QSize size = frameSize(w);
    const int x = leftOfColumn ? room.right() + 1 - size.width() - k * Step
                               : std::max(main->frameGeometry().right() + 1, room.left()) + k * Step;
    w.move(inside(QRect(QPoint(x, room.top() + k * Step), size), room));
}

void Placement::keepInRoom(FormView& w) {
    if (!w.isVisible()) return;
    frame(w);  // learnt for the windows that open later
    const QRect room = roomOf(w);
    QRect outer = w.frameGeometry();
    if (outer.width() > room.width() || outer.height() > room.height()) {
        fit(w, room);
        outer.setSize(frameSize(w));
    }
    const QPoint at = inside(outer, room);
    if (at != outer.topLeft()) w.move(at);
}

}  // namespace gui
