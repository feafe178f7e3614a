#include "gui/view.h"

#include <QCoreApplication>

#include "gui/formview.h"

namespace gui {

View::View(forms::Host& host) : host_(host) {}

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
    if (!w) w = std::make_unique<FormView>(f, host_, [this] { sync(); });
    if (f.frameDirty()) {
        f.clearFrameDirty();
        w->applyFrame();
    }
    w->applyDirty();
    if (f.focusDirty()) {
        f.clearFocusDirty();
        w->applyFocus();
    }
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
