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
        placement_.place(w, main, beside ? clearOfEntry(*main) : 0, beside ? main->menuBottom() : 0);
    }
    const bool wasShown = w.isVisible();
    if (shown && !wasShown) keyboard_.showing(w);
    w.setVisible(shown);
    if (first) {
        placement_.keepInRoom(w);
        // The window system adds the title bar and borders after the window appears.
        QTimer::singleShot(300, &w, [this, &w] { placement_.keepInRoom(w); });
    }
    if (wasShown && !shown) keyboard_.hidden(w);
}

// The global x just right of the main window's menu items, its entry and its history column; at
// most its right border.
int View::clearOfEntry(const FormView& main) const {
    int right = main.mapToGlobal(QPoint(main.menuWidth(), 0)).x();
    for (forms::Control* c : host_.entryColumn()) {
        const FormView* home = window(c->form());
        const QWidget* box = home ? home->widget(*c) : nullptr;
        if (box && box->isVisible()) right = std::max(right, box->mapToGlobal(QPoint(box->width(), 0)).x());
    }
    return std::min(right, main.frameGeometry().right() + 1);
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
