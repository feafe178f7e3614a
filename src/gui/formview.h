// One window on screen for one form: a canvas with a widget per control at its designed place,
// the menu bar and the timers.
#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/form.h"

class QScrollArea;
class QTimer;

namespace gui {

class FormMenuBar;
class InputFilter;
class Keyboard;

class FormView : public QWidget {
public:
    // sync brings every window up to date after a model call; keyboard hears of the clicks.
    FormView(forms::Form& form, forms::Host& host, Keyboard& keyboard, std::function<void()> sync);

    forms::Form& form() const { return form_; }
    bool isDialog() const { return form_.borderStyle() == 3; }
    QWidget* widget(const forms::Control& c) const;  // nullptr for menu items and timers
    forms::Control* control(const QWidget* w) const;  // nullptr for what no control drew
    void bringIntoSight(QWidget& child);  // scrolls the window's contents so that child shows

    // Caption, border, designed size, back colour and region; true when the designed size or the
    // border changed, so that the window must be fitted to its room again.
    bool applyFrame();
    void applyDirty();  // only the controls the model marked
    void stopTimers();
    int menuWidth() const;  // the menu bar's width as its items need it; 0 without one
    int menuBottom() const;  // in global pixels; the window's top without a menu bar
    QSize wholeSize() const;  // the designed client area with the menu bar
    int scrollBarExtent() const;
    bool placed() const { return placed_; }
    void setPlaced() { placed_ = true; }
    // A message box a handler raised, shown without waiting for it to be closed.
    void showMessage(const forms::Form::Message& m);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addControl(forms::Control& c);
    void orderTabStops();
    void connectButton(forms::Control& c, QWidget* w);
    void addTimer(forms::Control& c);
    void apply(const forms::Control& c);
    void forward(const std::function<void()>& action);
    void forwardClick(forms::Control& c);
    bool applyBorder();  // true when the border changed
    void applyRegion();

    forms::Form& form_;
    forms::Host& host_;
    Keyboard& keyboard_;
    std::function<void()> sync_;
    QScrollArea* scroll_;
    QWidget* canvas_;
    InputFilter* input_;
    FormMenuBar* menuBar_ = nullptr;
    QSize designedSize_;
    bool placed_ = false;
    int borderStyle_ = -1;
    std::optional<std::vector<forms::RegionOp>> region_;
    std::unordered_map<const forms::Control*, QWidget*> widgets_;
    std::unordered_map<const QWidget*, forms::Control*> controls_;
    std::unordered_map<const forms::Control*, QTimer*> timers_;
};

}  // namespace gui
