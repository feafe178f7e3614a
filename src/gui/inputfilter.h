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
    // forward runs one model call and then brings the windows up to date.
    InputFilter(std::function<void(const std::function<void()>&)> forward, QObject* parent);

    void watch(QWidget* w, forms::Control& c);

    // The character code a key press hands to the model: Enter 13, Backspace 8, Escape 27, a
    // printable character its own code; -1 for keys that type nothing.
    static int keyCode(const QKeyEvent& e);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(forms::Control& c, QObject* widget, const QKeyEvent& e);
    void focusIn(forms::Control& c, Qt::FocusReason reason);

    std::function<void(const std::function<void()>&)> forward_;
    std::unordered_map<const QObject*, forms::Control*> controls_;
};

}  // namespace gui
