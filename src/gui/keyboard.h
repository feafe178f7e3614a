// Where typed keys go. The keyboard belongs to the spin entry: panels open without taking it, and
// a panel that comes to the front holds it itself and passes what is typed on to the entry, until
// the player clicks into one of its boxes. Any other click, in any window, hands it back. Dialogs
// and message boxes take it while open and give it back when closed.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "forms/form.h"

class QKeyEvent;
class QLineEdit;
class QMouseEvent;
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
    // A press on a control, after the model had it where it was a left click on a box, a label or
    // a frame (pressed); a click on a button, switch or menu item, after the model had it (clicked).
    void pressed(FormView& w, forms::Control& c, QWidget* widget);
    void clicked(FormView& w, const forms::Control& c);
    void typed(const QWidget* box, int key);  // after the model had a key press in the box
    void written(const QWidget* box);         // the program put a new text into the box
    void messageClosed(FormView& owner);
    void modelFocus(FormView& w);  // the model moved the focus in w

    // Only a box the player types into ever takes the keyboard; buttons, switches and the boxes
    // the system writes never do, so a click on them leaves it where it was.
    static bool takesTyping(const forms::Control& c);
    static Qt::FocusPolicy focusPolicy(const forms::Control& c);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormView* home() const;  // the entry's window
    FormView* ours(QObject* o) const;  // the window o is, if it is one of this view's
    bool isPanel(const FormView& w) const;
    void activated(FormView& w);
    bool key(QObject* watched, const QKeyEvent& e);
    void entryKey(const QKeyEvent& e);
    void mouse(QObject* watched, const QMouseEvent& e);
    void choose(FormView& w, forms::Control& c, QWidget* widget);
    void handBack(FormView& w);
    void toEntry(forms::Control& entry);
    void panelKey(const QKeyEvent& e);
    void hold();
    static bool isTab(const QKeyEvent& e);
    void focusChanged(QWidget* old, QWidget* now);

    forms::Host& host_;
    Window window_;
    std::function<void()> sync_;
    QPointer<QLineEdit> entry_;
    // A number the program put in the entry, or one a submission refused: the next typed
    // character replaces it rather than running on from it.
    bool held_ = false;
    // The panel box the player clicked into, which keeps the keyboard until something hands it back.
    QPointer<QWidget> chosen_;
    QMetaObject::Connection following_;
};

}  // namespace gui
