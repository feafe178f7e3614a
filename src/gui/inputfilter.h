// Player input on text boxes, labels and frames, forwarded to their controls as it arrives.
#pragma once

#include <QObject>

#include <functional>
#include <unordered_map>

#include "forms/form.h"

class QKeyEvent;

namespace gui {

class InputFilter : public QObject {
public:
    using Forward = std::function<void(const std::function<void()>&)>;
    using Pressed = std::function<void(forms::Control&, QWidget*)>;
    using Typed = std::function<void(const QWidget*, int)>;
    // forward runs one model call and then brings the windows up to date; pressed hears of a left
    // click and typed of a key press once the model has had it, to decide what the keyboard does.
    InputFilter(Forward forward, Pressed pressed, Typed typed, QObject* parent);

    void watch(QWidget* w, forms::Control& c);

    // The character code a key press hands to the model: Enter 13, Backspace 8, Escape 27, a
    // printable character its own code; -1 for keys that type nothing.
    static int keyCode(const QKeyEvent& e);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(forms::Control& c, QObject* widget, const QKeyEvent& e);
    void focusIn(forms::Control& c, Qt::FocusReason reason);

    Forward forward_;
    Pressed pressed_;
    Typed typed_;
    std::unordered_map<const QObject*, forms::Control*> controls_;
};

}  // namespace gui
