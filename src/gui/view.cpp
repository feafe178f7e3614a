#include "gui/view.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

#include "gui/formview.h"

namespace gui {

View::View(forms::Host& host)
    : host_(host), keyboard_(host, [this](const forms::Form& f) { return window(f); }, [this] { sync(); }) {}

View::~View() = default;

void View::sync() {
    // Showing a window can deliver events that come back here; they are caught up in the loop.
    if (syncing_) {
        again_ = true;
        return;
    }
    syncing_ = true;
    do {
        again_ = false;
        if (ended_) break;
        for (forms::Form* f : host_.loadedForms()) syncForm(*f);
        if (host_.ended()) end();
    } while (again_);
    syncing_ = false;
}

FormView* View::window(const forms::Form& f) const {
    auto it = windows_.find(&f);
    return it == windows_.end() ? nullptr : it->second.get();
}

void View::syncForm(forms::Form& f) {
    auto& w = windows_[&f];
    if (!w) {
        w = std::make_unique<FormView>(f, host_, keyboard_, [this] { sync(); });
        keyboard_.adopt(*w);
    }
    if (f.frameDirty()) {
        f.clearFrameDirty();
        applyFrame(*w);
    }
    w->applyDirty();
    for (const forms::Form::Message& m : f.takeMessages()) w->showMessage(m);
    if (f.focusDirty()) {
        f.clearFocusDirty();
        keyboard_.modelFocus(*w);
    }
}

void View::applyFrame(FormView& w) {
    if (w.applyFrame()) placement_.refit(w);
    const bool shown = w.form().loaded() && w.form().visible();
    // Placed once; afterwards the window stays where the player moved it.
    const bool first = shown && !w.placed();
    if (first) {
        w.setPlaced();
        const std::vector<forms::Form*> forms = host_.loadedForms();
        FormView* main = forms.empty() ? nullptr : window(*forms.front());
        const bool beside = main && main != &w && main->isVisible();
        placement_.place(w, main, beside ? column(*main) : Placement::Column{});
    }
    const bool wasShown = w.isVisible();
    if (shown && !wasShown) keyboard_.showing(w);
    w.setVisible(shown);
    // Shown again from the menu: in front of the others, the keyboard left where it is.
    if (w.form().takeRaise() && shown && wasShown) w.raise();
    if (first) {
        placement_.keepInRoom(w);
        // The window system adds the title bar and borders after the window appears.
        QTimer::singleShot(300, &w, [this, &w] { placement_.keepInRoom(w); });
    }
    if (wasShown && !shown) keyboard_.hidden(w);
}

// The main window's menu and its entry column, in global pixels: from the window's left edge to
// just right of its menu items, its entry and its history, and at most to its right border.
Placement::Column View::column(const FormView& main) const {
    const QRect frame = main.frameGeometry();
    int right = main.mapToGlobal(QPoint(main.menuWidth(), 0)).x();
    for (forms::Control* c : host_.entryColumn()) {
        const FormView* home = window(c->form());
        const QWidget* box = home ? home->widget(*c) : nullptr;
        if (box && box->isVisible()) right = std::max(right, box->mapToGlobal(QPoint(box->width(), 0)).x());
    }
    return {frame.left(), std::min(right, frame.right() + 1), main.menuBottom()};
}

void View::end() {
    ended_ = true;
    for (auto& [f, w] : windows_) {
        w->stopTimers();
        w->hide();
    }
    QCoreApplication::quit();
}

}  // namespace gui
