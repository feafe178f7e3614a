#include "gui/view.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

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
        w->applyFrame([this](FormView& v) { place(v); });
    }
    w->applyDirty();
    for (const forms::Form::Message& m : f.takeMessages()) w->showMessage(m);
    if (f.focusDirty()) {
        f.clearFocusDirty();
        w->applyFocus();
    }
}

// The main window takes the screen's top left corner. The others open to its right, cascading,
// and never over the strip under its menu, where the entry column lies: a window too wide for
// the rest of the screen runs off its right edge rather than cover the entry box.
void View::place(FormView& w) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const std::vector<forms::Form*> forms = host_.loadedForms();
    FormView* main = forms.empty() ? nullptr : window(*forms.front());
    if (!main || main == &w) {
        w.move(avail.topLeft());
        return;
    }
    constexpr int Step = 28;  // a title bar's height: each window's caption stays in sight
    const QRect home = main->frameGeometry();
    const int strip = home.left() + std::max(main->menuWidth(), EntryStrip) + Step;
    const int k = cascade_++ % 6;
    const QSize size = w.frameGeometry().size();
    int x = std::max(home.right() + 1, strip) + k * Step;
    x = std::max(std::min(x, avail.right() + 1 - size.width()), strip + k * Step);
    int y = avail.top() + k * Step;
    y = std::max(std::min(y, avail.bottom() + 1 - size.height()), avail.top());
    w.move(x, y);
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
