// One window on screen for one form: a canvas with a widget per control at its designed place,
// the menu bar and the timers.
#pragma once

#include <QWidget>

#include <functional>
#include <unordered_map>

#include "forms/form.h"

class QTimer;

namespace gui {

class FormMenuBar;
class InputFilter;

class FormView : public QWidget {
public:
    // sync brings every window up to date after a forwarded event.
    FormView(forms::Form& form, forms::Host& host, std::function<void()> sync);

    forms::Form& form() const { return form_; }
    QWidget* widget(const forms::Control& c) const;  // nullptr for menu items and timers

    void applyFrame();  // caption, size, back colour, shown or hidden
    void applyDirty();  // only the controls the model marked
    void applyFocus();
    void stopTimers();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addControl(forms::Control& c);
    void connectButton(forms::Control& c, QWidget* w);
    void addTimer(forms::Control& c);
    void apply(const forms::Control& c);
    void forward(const std::function<void()>& action);

    forms::Form& form_;
    forms::Host& host_;
    std::function<void()> sync_;
    QWidget* canvas_;
    InputFilter* input_;
    FormMenuBar* menuBar_ = nullptr;
    QSize designedSize_;
    std::unordered_map<const forms::Control*, QWidget*> widgets_;
    std::unordered_map<const forms::Control*, QTimer*> timers_;
};

}  // namespace gui
