#include "gui/view.h"

#include <QApplication>
#include <QKeyEvent>
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

bool View::isMain(const FormView& w) const {
    const std::vector<forms::Form*> forms = host_.loadedForms();
    return !forms.empty() && forms.front() == &w.form();
}

void View::syncForm(forms::Form& f) {
    auto& w = windows_[&f];
    if (!w) w = std::make_unique<FormView>(f, host_, *this);
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

QWidget* View::entryWidget() const {
    forms::Control* entry = host_.entryBox();
    FormView* home = entry ? window(entry->form()) : nullptr;
    return home ? home->widget(*entry) : nullptr;
}

void View::clicked(FormView& w) {
    forms::Control* entry = host_.entryBox();
    if (!entry || w.isDialog() || !w.isVisible()) return;  // a dialog keeps the keyboard until it closes
    entry->setFocus();
    sync();
    if (!isMain(w) && w.focusWidget() != &w) w.setFocus(Qt::OtherFocusReason);  // its keys go to the entry again
}

void View::closed(FormView& w) {
    forms::Control* entry = host_.entryBox();
    FormView* home = entry ? window(entry->form()) : nullptr;
    if (!home || home == &w || !home->isVisible()) return;
    // A dialog had the keyboard; a panel that had it leaves nothing behind to type into.
    if (w.isDialog() || QApplication::activeWindow() == &w || !QApplication::activeWindow()) {
        entry->setFocus();
        sync();
        home->activateWindow();
    }
}

bool View::typeIntoEntry(const QKeyEvent& e) {
    QWidget* entry = entryWidget();
    if (!entry || !entry->isVisible() || !entry->isEnabled()) return false;
    QKeyEvent copy(e.type(), e.key(), e.modifiers(), e.text(), e.isAutoRepeat(), static_cast<ushort>(e.count()));
    QApplication::sendEvent(entry, &copy);
    return true;
}

// The main window takes its screen's top left corner. The others open on its screen, to its
// right and cascading where they fit beside its menu and entry column; a window too wide for that
// opens at the screen's left edge, and one too tall at its top.
void View::place(FormView& w) {
    const std::vector<forms::Form*> forms = host_.loadedForms();
    FormView* main = forms.empty() ? nullptr : window(*forms.front());
    if (main && main != &w && main->screen()) w.setScreen(main->screen());
    const QRect avail = w.availableArea();
    w.fitInto(avail);
    const QSize size = w.frameSize();
    if (!main || main == &w) {
        w.move(avail.topLeft());
        return;
    }
    constexpr int Step = 28;  // a title bar's height: each window's caption stays in sight
    const QRect home = main->frameGeometry();
    const int strip = home.left() + std::max(main->menuWidth(), EntryStrip);
    const int k = cascade_++ % 6;
    const int rightmost = avail.right() + 1 - size.width();
    int x = avail.left();
    if (rightmost >= strip) x = std::min(std::max(home.right() + 1, strip + Step) + k * Step, rightmost);
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
