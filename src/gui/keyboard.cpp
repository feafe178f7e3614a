#include "gui/keyboard.h"

#include <QApplication>
#include <QKeyEvent>

#include "gui/formview.h"

namespace gui {

Keyboard::Keyboard(forms::Host& host, Window window, std::function<void()> sync)
    : host_(host), window_(std::move(window)), sync_(std::move(sync)) {}

FormView* Keyboard::home() const {
    forms::Control* entry = host_.entryBox();
    return entry ? window_(entry->form()) : nullptr;
}

Qt::FocusPolicy Keyboard::focusPolicy(const forms::Control& c) {
    return c.kind() == forms::Kind::TextBox && !c.locked() ? Qt::StrongFocus : Qt::NoFocus;
}

bool Keyboard::isPanel(const FormView& w) const {
    forms::Control* entry = host_.entryBox();
    return !w.isDialog() && entry && &entry->form() != &w.form();
}

void Keyboard::adopt(FormView& w) {
    w.installEventFilter(this);
    forms::Control* entry = host_.entryBox();
    if (QWidget* box = entry && &entry->form() == &w.form() ? w.widget(*entry) : nullptr) box->installEventFilter(this);
    if (!following_) following_ = connect(qApp, &QApplication::focusChanged, this, &Keyboard::focusChanged);
}

// Panels open beside the entry without taking the keyboard from it.
void Keyboard::showing(FormView& w) { w.setAttribute(Qt::WA_ShowWithoutActivating, isPanel(w)); }

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::WindowActivate) return false;
    auto* w = dynamic_cast<FormView*>(watched);
    if (!w) return type == QEvent::KeyPress && isTab(static_cast<const QKeyEvent&>(*event));  // the entry's
    if (type == QEvent::WindowActivate) {
        // Qt gives the keyboard to the window's focus widget next, or to its first box when it has
        // none: a panel keeps the box the player clicked into and otherwise holds the keyboard itself.
        if (w == home()) {
            chosen_ = nullptr;
        } else if (isPanel(*w)) {
            QWidget* keep = chosen_ && chosen_->window() == w ? chosen_.data() : w;
            keep->setFocus(Qt::ActiveWindowFocusReason);
        }
        return false;
    }
    if (!isPanel(*w)) return false;
    // Keys a box ignored pass up to the window too: those are not the panel's to route.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus != w) return false;
    panelKey(static_cast<const QKeyEvent&>(*event));
    return true;
}

// Tab and Shift+Tab would take the keyboard from the spins into a box where the next spin would be
// lost: in the entry and in a panel that holds the keyboard they do nothing. In a box the player
// clicked into they walk the window's boxes.
bool Keyboard::isTab(const QKeyEvent& e) { return e.key() == Qt::Key_Tab || e.key() == Qt::Key_Backtab; }

// A panel that holds the keyboard passes typing on to the entry.
void Keyboard::panelKey(const QKeyEvent& e) {
    if (isTab(e)) return;
    forms::Control* entry = host_.entryBox();
    FormView* h = home();
    QWidget* target = entry && h ? h->widget(*entry) : nullptr;
    if (!target || !target->isVisible() || !target->isEnabled()) return;
    QKeyEvent copy(e.type(), e.key(), e.modifiers(), e.text(), e.isAutoRepeat(), static_cast<ushort>(e.count()));
    QApplication::sendEvent(target, &copy);
}

// Within a box the player chose, Tab walks the window's boxes and the choice goes along.
void Keyboard::focusChanged(QWidget* old, QWidget* now) {
    if (chosen_ && old == chosen_ && now && now != now->window() && now->window() == old->window()) chosen_ = now;
}

void Keyboard::pressed(FormView& w, forms::Control& c, QWidget* widget) {
    if (c.kind() == forms::Kind::TextBox && !c.locked()) {
        if (isPanel(w)) chosen_ = widget;
        // The window may be activated after the click: the model hears of the focus now.
        if (c.form().focus() != &c) {
            c.setFocus();
            sync_();
        }
    } else if (c.onClick) {  // a label, a frame or a box the system writes, that acts
        handBack(w);
    }
}

void Keyboard::clicked(FormView& w) { handBack(w); }

// The keyboard goes back to the spins: whatever box the player chose gives it up.
void Keyboard::toEntry(forms::Control& entry) {
    chosen_ = nullptr;
    entry.setFocus();
    sync_();
}

void Keyboard::handBack(FormView& w) {
    forms::Control* entry = host_.entryBox();
    if (!entry || w.isDialog() || !w.isVisible()) return;  // a dialog keeps the keyboard until it closes
    toEntry(*entry);
    if (isPanel(w) && w.focusWidget() != &w) w.setFocus(Qt::OtherFocusReason);  // its keys go to the entry again
}

void Keyboard::modelFocus(FormView& w) {
    const forms::Control* c = w.form().focus();
    QWidget* target = c ? w.widget(*c) : nullptr;
    if (!target) return;
    if (isPanel(w)) {
        // The model records focus in a panel box; the keyboard goes there only where the player types in that window.
        if (!chosen_ || chosen_->window() != &w) return;
        chosen_ = target;
    } else if (c == host_.entryBox() && chosen_) {
        // The program sends the keyboard back to the spins: the panel box gives it up.
        QWidget* panel = chosen_->window();
        chosen_ = nullptr;
        panel->setFocus(Qt::OtherFocusReason);
    }
    // Within the window only: focus set by the model never pulls another window to the front.
    target->setFocus(Qt::OtherFocusReason);
}

void Keyboard::hidden(FormView& w) {
    if (chosen_ && chosen_->window() == &w) chosen_ = nullptr;
    forms::Control* entry = host_.entryBox();
    FormView* h = home();
    if (!entry || !h || h == &w || !h->isVisible()) return;
    // A dialog had the keyboard; a panel that had it leaves nothing behind to type into.
    if (w.isDialog() || QApplication::activeWindow() == &w || !QApplication::activeWindow()) {
        toEntry(*entry);
        h->activateWindow();
    }
}

void Keyboard::messageClosed(FormView& owner) {
    chosen_ = nullptr;
    FormView* to = owner.isVisible() ? &owner : home();
    if (!to) return;
    forms::Control* entry = host_.entryBox();
    if (entry && !to->isDialog()) toEntry(*entry);
    to->activateWindow();
    if (isPanel(*to)) to->setFocus(Qt::OtherFocusReason);
}

}  // namespace gui
