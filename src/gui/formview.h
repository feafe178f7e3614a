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
class View;

class FormView : public QWidget {
public:
    FormView(forms::Form& form, forms::Host& host, View& view);

    forms::Form& form() const { return form_; }
    bool isDialog() const { return form_.borderStyle() == 3; }
    QWidget* widget(const forms::Control& c) const;  // nullptr for menu items and timers

    // Caption, border, size, back colour, region, shown or hidden; beforeFirstShow may move the
    // window before it is shown for the first time.
    void applyFrame(const std::function<void(FormView&)>& beforeFirstShow = {});
    void applyDirty();  // only the controls the model marked
    void applyFocus();
    void stopTimers();
    int menuWidth() const;  // the menu bar's width as its items need it; 0 without one

    // The screen room it opens in, and its size there: the designed size where it fits, else the
    // room, with the contents scrolling at their designed size.
    QRect availableArea() const;
    void fitInto(const QRect& avail);
    QSize frameSize() const;  // with the title bar and borders, as far as they are known yet
    // A message box a handler raised, shown without waiting for it to be closed.
    void showMessage(const forms::Form::Message& m);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void addControl(forms::Control& c);
    void orderTabStops();
    void connectButton(forms::Control& c, QWidget* w);
    void addTimer(forms::Control& c);
    void apply(const forms::Control& c);
    void forward(const std::function<void()>& action);
    void forwardClick(const std::function<void()>& action);
    bool applyBorder();  // true when the border changed
    void applyRegion();
    QSize wholeSize() const;  // the designed client area with the menu bar
    QMargins frameMargins() const;
    void keepOnScreen();

    forms::Form& form_;
    forms::Host& host_;
    View& view_;
    QScrollArea* scroll_;
    QWidget* canvas_;
    InputFilter* input_;
    FormMenuBar* menuBar_ = nullptr;
    QSize designedSize_;
    bool placed_ = false;
    int borderStyle_ = -1;
    std::optional<std::vector<forms::RegionOp>> region_;
    std::unordered_map<const forms::Control*, QWidget*> widgets_;
    std::unordered_map<const forms::Control*, QTimer*> timers_;
};

}  // namespace gui
