#include "gui/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

#include "gui/formview.h"
#include "gui/inputfilter.h"

namespace gui {

Keyboard::Keyboard(forms::Host& host, Window window, std::function<void()> sync)
    : host_(host), window_(std::move(window)), sync_(std::move(sync)) {}

FormView* Keyboard::home() const {
    forms::Control* entry = host_.entryBox();
    return entry ? window_(entry->form()) : nullptr;
}

FormView* Keyboard::ours(QObject* o) const {
    auto* w = dynamic_cast<FormView*>(o);
    return w && window_(w->form()) == w ? w : nullptr;
}

bool Keyboard::takesTyping(const forms::Control& c) { return c.kind() == forms::Kind::TextBox && !c.locked(); }

Qt::FocusPolicy Keyboard::focusPolicy(const forms::Control& c) { return takesTyping(c) ? Qt::StrongFocus : Qt::NoFocus; }

bool Keyboard::isPanel(const FormView& w) const {
    forms::Control* entry = host_.entryBox();
    return !w.isDialog() && entry && &entry->form() != &w.form();
}

void Keyboard::adopt(FormView& w) {
    forms::Control* entry = host_.entryBox();
    if (entry && &entry->form() == &w.form()) entry_ = qobject_cast<QLineEdit*>(w.widget(*entry));
    // Clicks anywhere and keys for the windows and the entry: the router sees them before any box does.
    if (!following_) {
        qApp->installEventFilter(this);
        following_ = connect(qApp, &QApplication::focusChanged, this, &Keyboard::focusChanged);
    }
}

// Panels open beside the entry without taking the keyboard from it.
void Keyboard::showing(FormView& w) { w.setAttribute(Qt::WA_ShowWithoutActivating, isPanel(w)); }

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: return key(watched, static_cast<const QKeyEvent&>(*event));
        case QEvent::MouseButtonPress: mouse(watched, static_cast<const QMouseEvent&>(*event)); return false;
        case QEvent::WindowActivate:
            if (FormView* w = ours(watched)) activated(*w);
            return false;
        // A number held in the entry shows selected, so the player sees the next key replace it.
        case QEvent::FocusIn:
            if (watched == entry_ && held_) entry_->selectAll();
            return false;
        case QEvent::MouseButtonRelease:
            if (watched == entry_ && held_ && static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton)
                entry_->selectAll();
            return false;
        default: return false;
    }
}

// Qt gives the keyboard to the window's focus widget next, or to its first box when it has none:
// a panel keeps the box the player clicked into and otherwise holds the keyboard itself.
void Keyboard::activated(FormView& w) {
    if (&w == home()) {
        chosen_ = nullptr;
    } else if (isPanel(w)) {
        QWidget* keep = chosen_ && chosen_->window() == &w ? chosen_.data() : &w;
        keep->setFocus(Qt::ActiveWindowFocusReason);
    }
}

bool Keyboard::key(QObject* watched, const QKeyEvent& e) {
    if (watched == entry_) {
        entryKey(e);
        return isTab(e);
    }
    FormView* w = ours(watched);
    if (!w || !isPanel(*w)) return false;
    // Keys a box ignored pass up to the window too: those are not the panel's to route.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus != w) return false;
    panelKey(e);
    return true;
}

// Tab and Shift+Tab would take the keyboard from the spins into a box where the next spin would be
// lost: in the entry and in a panel that holds the keyboard they do nothing. In a box the player
// clicked into they walk the window's boxes.
bool Keyboard::isTab(const QKeyEvent& e) { return e.key() == Qt::Key_Tab || e.key() == Qt::Key_Backtab; }

// Whatever reaches the entry is typed in sight of the player.
void Keyboard::entryKey(const QKeyEvent& e) {
    if (FormView* h = home()) h->bringIntoSight(*entry_);
    if (!held_) return;
    const int k = e.key();
    const bool edits = InputFilter::keyCode(e) >= 32 || k == Qt::Key_Backspace || k == Qt::Key_Delete ||
                       e.matches(QKeySequence::Paste);
    if (edits) entry_->selectAll();
    if (edits || k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End) held_ = false;
}

// A panel that holds the keyboard passes typing on to the entry; keys that type nothing (arrows,
// Page keys, Home, End) would only scroll the main window away from it.
void Keyboard::panelKey(const QKeyEvent& e) {
    if (InputFilter::keyCode(e) < 0 && e.key() != Qt::Key_Delete) return;
    if (!entry_ || !entry_->isVisible() || !entry_->isEnabled()) return;
    QKeyEvent copy(e.type(), e.key(), e.modifiers(), e.text(), e.isAutoRepeat(), static_cast<ushort>(e.count()));
    QApplication::sendEvent(entry_, &copy);
}

// Within a box the player chose, Tab walks the window's boxes and the choice goes along.
void Keyboard::focusChanged(QWidget* old, QWidget* now) {
    if (chosen_ && old == chosen_ && now && now != now->window() && now->window() == old->window()) chosen_ = now;
}

// Any click, with any button, decides: into a box the player types in, that box is theirs; on
// anything else, the keyboard goes back to the spins. The window's scroll bars and menu bar are
// its frame, not its contents: they leave the choice as it is (a menu item picked hands back).
void Keyboard::mouse(QObject* watched, const QMouseEvent& e) {
    auto* widget = qobject_cast<QWidget*>(watched);
    FormView* w = widget ? ours(widget->window()) : nullptr;
    if (!w) return;
    // A press a child ignored comes again to each parent: only the widget under the mouse decides.
    QWidget* under = w->childAt(widget->mapTo(w, e.position().toPoint()));
    if ((under ? under : w) != widget) return;
    for (const QWidget* p = widget; p && p != w; p = p->parentWidget())
        if (qobject_cast<const QScrollBar*>(p) || qobject_cast<const QMenuBar*>(p)) return;
    forms::Control* c = w->control(widget);
    // A left click on a box, label or frame reaches the model first, and pressed then decides. A
    // button clicks only where it is drawn: a press beside that hands back now, a click again later.
    if (c && e.button() == Qt::LeftButton && widget->isEnabled() && !qobject_cast<QAbstractButton*>(widget)) return;
    if (c)
        pressed(*w, *c, widget);
    else
        handBack(*w);
}

void Keyboard::choose(FormView& w, forms::Control& c, QWidget* widget) {
    if (isPanel(w)) chosen_ = widget;
    // The window may be activated after the click: the model hears of the focus now.
    if (c.form().focus() != &c) {
        c.setFocus();
        sync_();
    }
}

void Keyboard::pressed(FormView& w, forms::Control& c, QWidget* widget) {
    if (takesTyping(c) && widget->isEnabled())
        choose(w, c, widget);
    else
        handBack(w);
}

void Keyboard::clicked(FormView& w, const forms::Control& c) {
    // A number the Spins button refused is held as one Enter refused.
    if (c.kind() == forms::Kind::CommandButton) {
        const std::vector<forms::Control*> column = host_.entryColumn();
        if (std::find(column.begin(), column.end(), &c) != column.end()) hold();
    }
    handBack(w);
}

void Keyboard::typed(const QWidget* box, int key) {
    if (box == entry_ && key == forms::KeyEnter) hold();
}

void Keyboard::written(const QWidget* box) {
    if (box == entry_) hold();
}

void Keyboard::hold() {
    held_ = entry_ && !entry_->text().isEmpty();
    if (held_) entry_->selectAll();
}

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
