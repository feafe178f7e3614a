// Where typed keys go. The keyboard belongs to the spin entry: panels open without taking it, and
// a panel that comes to the front holds it itself and passes what is typed on to the entry, until
// the player clicks into one of its boxes. A click on anything that acts hands it back. Dialogs
// and message boxes take it while open and give it back when closed.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "forms/form.h"

class QKeyEvent;
class QWidget;

namespace gui {

class FormView;

class Keyboard : public QObject {
public:
    using Window = std::function<FormView*(const forms::Form&)>;  // nullptr until the form has loaded
    // sync brings the windows up to date after a model call.
    Keyboard(forms::Host& host, Window window, std::function<void()> sync);

    void adopt(FormView& w);    // a new window
    void showing(FormView& w);  // about to be shown
    void hidden(FormView& w);   // the model closed it
    // After the model had a click: on a box, a label or a frame (pressed), on a button or switch (clicked).
    void pressed(FormView& w, forms::Control& c, QWidget* widget);
    void clicked(FormView& w);
    void messageClosed(FormView& owner);
    void modelFocus(FormView& w);  // the model moved the focus in w

    // Only a box the player types into ever takes the keyboard; buttons, switches and the boxes
    // the system writes never do, so a click on them leaves it where it was.
    static Qt::FocusPolicy focusPolicy(const forms::Control& c);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormView* home() const;  // the entry's window
    bool isPanel(const FormView& w) const;
    void handBack(FormView& w);
    void toEntry(forms::Control& entry);
    void panelKey(const QKeyEvent& e);
    static bool isTab(const QKeyEvent& e);
    void focusChanged(QWidget* old, QWidget* now);

    forms::Host& host_;
    Window window_;
    std::function<void()> sync_;
    // The panel box the player clicked into, which keeps the keyboard until something hands it back.
    QPointer<QWidget> chosen_;
    QMetaObject::Connection following_;
};

}  // namespace gui
