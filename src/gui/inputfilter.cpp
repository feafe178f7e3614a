#include "gui/inputfilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace gui {

InputFilter::InputFilter(Forward forward, Pressed pressed, Typed typed, QObject* parent)
    : QObject(parent), forward_(std::move(forward)), pressed_(std::move(pressed)), typed_(std::move(typed)) {}

void InputFilter::watch(QWidget* w, forms::Control& c) {
    controls_[w] = &c;
    w->installEventFilter(this);
}

int InputFilter::keyCode(const QKeyEvent& e) {
    switch (e.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return forms::KeyEnter;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Escape: return 27;
        default: break;
    }
    const QString t = e.text();
    if (t.size() != 1) return -1;
    const char16_t ch = t.front().unicode();
    return ch >= 32 && ch < 256 && ch != 127 ? ch : -1;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
    auto it = controls_.find(watched);
    if (it == controls_.end()) return false;
    forms::Control& c = *it->second;
    switch (event->type()) {
        case QEvent::KeyPress: return keyPress(c, watched, static_cast<const QKeyEvent&>(*event));
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                forward_([&c] { c.click(); });
                pressed_(c, static_cast<QWidget*>(watched));
            }
            return false;
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) forward_([&c] { c.dblClick(); });
            return false;
        case QEvent::FocusIn: focusIn(c, static_cast<QFocusEvent*>(event)->reason()); return false;
        default: return false;
    }
}

// The model sees the key before the box does: 0 swallows it, another code types that character.
bool InputFilter::keyPress(forms::Control& c, QObject* widget, const QKeyEvent& e) {
    const int original = keyCode(e);
    if (original < 0) return false;
    int key = original;
    forward_([&c, &key] { c.keyPress(key); });
    typed_(static_cast<QWidget*>(widget), original);
    if (key == original) return false;
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (key >= 32 && key < 256 && edit && !edit->isReadOnly()) edit->insert(QString(QChar(key)));
    return true;
}

// Focus the player moved; focus the model set is already recorded there.
void InputFilter::focusIn(forms::Control& c, Qt::FocusReason reason) {
    const bool byPlayer = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                          reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (byPlayer && c.form().focus() != &c) forward_([&c] { c.setFocus(); });
}

}  // namespace gui
