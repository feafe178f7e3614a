// The keyboard stays with the spins: whatever window the player opens or clicks, typed numbers
// go to the entry box unless the player clicked into another box. Real widgets, real clicks.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include <functional>
#include <map>
#include <set>
#include <string>

#include "gui/formview.h"
#include "gui/keyboard.h"
#include "gui/view.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace {

const char* const Panels[] = {"HGF", "FAST", "Help", "TCh", "Edge"};
const char* const PanelForms[] = {"frm3hgf", "frm6fast", "frm5help", "frm7tch", "frm8edge"};

struct Keyboard : ::testing::Test {
    Keyboard() {
        app();
        session.start();
        view.sync();
        main()->activateWindow();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    gui::FormView* main() { return view.window(session.frm1basic()); }

    void pickFromMenu(const QString& caption) {
        for (QAction* a : main()->findChild<QMenuBar*>()->actions())
            if (a->text() == caption) a->trigger();
        settle();
    }
    // Where the keyboard is, as the window system would deliver a key.
    static QWidget* keyboard() {
        QWidget* w = QApplication::focusWidget();
        return w ? w : QApplication::activeWindow();
    }
    // A click as a player makes it: the window system brings the window forward first.
    static void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(4, 4)) {
        w->window()->activateWindow();
        settle();
        QTest::mouseClick(w, button, Qt::NoModifier, at);
        settle();
    }
    // A click's message box, answered as a player would.
    static void closeMessages() {
        while (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QTest::keyClick(message, Qt::Key_Return);
            settle();
        }
    }
    // A spot of the canvas in sight where no control lies.
    static QPoint emptySpot(QScrollArea& scroll) {
        QWidget* canvas = scroll.widget();
        const QRect seen = canvas->visibleRegion().boundingRect();
        for (int y = seen.top() + 2; y < seen.bottom(); y += 6)
            for (int x = seen.left() + 2; x < seen.right(); x += 6)
                if (!canvas->childAt(QPoint(x, y))) return {x, y};
        return seen.topLeft();
    }
    std::map<const forms::Control*, std::string> typedBoxes() {
        std::map<const forms::Control*, std::string> texts;
        for (forms::Form* f : session.loadedForms())
            if (f != &session.frm1basic())
                for (forms::Control* c : f->controls())
                    if (c->kind() == forms::Kind::TextBox && !c->locked()) texts[c] = c->text();
        return texts;
    }
    // Types a spin where the keyboard is: no box but the entry sees the digits, and Enter takes it.
    void typeSpin(const std::string& where, const char* spin) {
        const auto before = typedBoxes();
        ASSERT_NE(keyboard(), nullptr) << where;
        QTest::keyClicks(keyboard(), spin);
        EXPECT_EQ(session.frm1basic().SpinEntryBox().text(), spin) << where;
        const auto after = typedBoxes();
        for (const auto& [c, text] : before)
            EXPECT_EQ(after.at(c), text) << where << ": typing reached " << c->form().name() << "." << c->name()
                                         << "(" << c->index() << ")";
        const int count = std::stoi(session.frm1basic().Command1.caption().substr(7));  // "Spins: N"; Reset zeroes it
        QTest::keyClick(keyboard(), Qt::Key_Return);
        settle();
        EXPECT_EQ(session.frm1basic().Text1[1].text(), spin) << where;
        EXPECT_EQ(session.frm1basic().Command1.caption(), "Spins: " + std::to_string(count + 1)) << where;
    }

    Session session{7};
    gui::View view{session};
};

// One of each kind a player clicks, the first in the window that does something harmless.
std::vector<forms::Control*> clickables(forms::Form& f) {
    // Ending, the long self-test and the numbers file are no place for a keyboard test.
    static const std::set<std::string> avoid = {"End", "Test", "S", "R"};
    std::vector<forms::Control*> picked;
    std::set<int> kinds;
    for (forms::Control* c : f.controls()) {
        if (!c->visible() || !c->enabled() || avoid.count(c->caption())) continue;
        int kind = -1;
        if (c->kind() == forms::Kind::CommandButton) kind = 0;
        else if (c->kind() == forms::Kind::CheckBox || c->kind() == forms::Kind::OptionButton) kind = 1;
        else if (c->kind() == forms::Kind::Label && c->onClick) kind = 2;
        else if (c->kind() == forms::Kind::TextBox && c->locked() && c->onClick) kind = 3;
        if (kind >= 0 && kinds.insert(kind).second) picked.push_back(c);
    }
    return picked;
}

}  // namespace

TEST_F(Keyboard, PanelsOpenAndClickedNeverTakeTheSpins) {
    const char* spin[] = {"7", "12", "0", "33", "5", "19", "24", "36"};
    size_t k = 0;
    for (const char* panel : Panels) {
        pickFromMenu(panel);
        typeSpin(std::string("after opening ") + panel, spin[k++ % 8]);
    }
    for (forms::Form* f : session.loadedForms()) {
        gui::FormView* w = view.window(*f);
        if (!w || !w->isVisible() || w->isDialog()) continue;
        for (forms::Control* c : clickables(*f)) {
            QWidget* target = w->widget(*c);
            ASSERT_NE(target, nullptr);
            click(target);
            if (!c->visible()) continue;
            typeSpin("after a click on " + f->name() + "." + c->name() + " \"" + c->caption() + "\"", spin[k++ % 8]);
        }
    }
}

TEST_F(Keyboard, ABoxThePlayerClicksIntoTakesTheKeysUntilAButtonIsClicked) {
    pickFromMenu("HGF");
    forms::Form& hgf = session.form("frm3hgf");
    gui::FormView* w = view.window(hgf);
    forms::Control* box = nullptr;
    forms::Control* button = nullptr;
    for (forms::Control* c : hgf.controls()) {
        if (!box && c->kind() == forms::Kind::TextBox && !c->locked() && c->visible()) box = c;
        if (!button && c->kind() == forms::Kind::CommandButton && c->visible()) button = c;
    }
    ASSERT_TRUE(box && button);
    click(w->widget(*box));
    QTest::keyClicks(keyboard(), "4");
    EXPECT_NE(box->text().find('4'), std::string::npos) << "the player chose this box";
    EXPECT_EQ(session.frm1basic().SpinEntryBox().text(), "");
    click(w->widget(*button));
    typeSpin("after the box, a button", "9");
}

TEST_F(Keyboard, DialogsTakeTheKeyboardAndGiveItBackWhenClosed) {
    struct Case {
        const char* menu;
        const char* form;
        std::function<void(gui::FormView&)> close;
    };
    const Case cases[] = {
        {"About", "frm4about", [](gui::FormView&) { QTest::keyClick(keyboard(), Qt::Key_Return); }},
        {"About", "frm4about", [](gui::FormView&) { QTest::keyClick(keyboard(), Qt::Key_Escape); }},
        {"About", "frm4about", [](gui::FormView& w) { w.close(); }},
        {"Options", "frm2opti",
         [](gui::FormView& w) {
             for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
                 if (b->text() == "Ok") QTest::mouseClick(b, Qt::LeftButton);
         }},
    };
    const char* spin[] = {"3", "17", "29", "8"};
    int k = 0;
    for (const Case& c : cases) {
        pickFromMenu(c.menu);
        gui::FormView* w = view.window(session.form(c.form));
        ASSERT_TRUE(w && w->isVisible()) << c.menu;
        EXPECT_TRUE(w->isActiveWindow()) << c.menu << " takes the keyboard";
        c.close(*w);
        settle();
        EXPECT_FALSE(w->isVisible()) << c.menu;
        typeSpin(std::string("after closing ") + c.menu, spin[k++]);
    }
}

namespace {

// The first of a kind a player clicks in a panel: a button, a switch or clickable label, a locked box.
forms::Control* firstOf(forms::Form& f, int kind) {
    for (forms::Control* c : clickables(f)) {
        const bool button = c->kind() == forms::Kind::CommandButton;
        const bool locked = c->kind() == forms::Kind::TextBox;
        if ((kind == 0 && button) || (kind == 2 && locked) || (kind == 1 && !button && !locked)) return c;
    }
    return nullptr;
}

forms::Control* firstTypedBox(forms::Form& f, const forms::Control* except = nullptr) {
    for (forms::Control* c : f.controls())
        if (gui::Keyboard::takesTyping(*c) && c->visible() && c->enabled() && c != except) return c;
    return nullptr;
}

}  // namespace

// Every way into each panel, then each key: while no panel box was clicked, every number typed is
// a spin and no panel box changes; a box the player clicked keeps the keyboard.
TEST_F(Keyboard, EveryWayIntoAPanelLeavesTheSpinsWithTheEntryUnlessABoxWasClicked) {
    enum Way { Opened, Button, Switch, LockedBox, BoxThenActivated, MessageClosed };
    const char* const wayNames[] = {"opened from the menu", "a click on a button", "a click on a switch or label",
                                    "a click on a locked box", "a box clicked, then the window activated",
                                    "a message box closed"};
    enum Key { Number, TabNumber, BacktabNumber, Backspace };
    const char* const keyNames[] = {"a number", "Tab, a number", "Shift+Tab, a number", "Backspace, a number"};
    const char* spin[] = {"7", "12", "0", "33", "5", "19", "24", "36", "1", "28"};
    size_t k = 0;

    for (size_t p = 0; p < std::size(Panels); ++p) {
        forms::Form& panel = session.form(PanelForms[p]);
        for (int way = Opened; way <= MessageClosed; ++way) {
            const std::string where = std::string(Panels[p]) + ", after " + wayNames[way];
            if (way == Opened) {
                pickFromMenu(Panels[p]);
                // As a window manager keeps it: the panel opened without taking the keyboard.
                main()->activateWindow();
                settle();
            }
            gui::FormView* w = view.window(panel);
            ASSERT_TRUE(w && w->isVisible()) << where;
            QWidget* box = nullptr;
            if (way >= Button && way <= LockedBox) {
                forms::Control* c = firstOf(panel, way - Button);
                if (!c) continue;  // no such control in this panel
                click(w->widget(*c));
            } else if (way == BoxThenActivated) {
                // The click reaches the box before the window system activates the window.
                main()->activateWindow();
                settle();
                forms::Control* c = firstTypedBox(panel);
                ASSERT_NE(c, nullptr) << where;
                box = w->widget(*c);
                QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
                w->activateWindow();
                settle();
            } else if (way == MessageClosed) {
                click(w);
                panel.messageBox("A message", "Advisor", 64);
                view.sync();
                settle();
                auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(message, nullptr) << where;
                QTest::keyClick(message, Qt::Key_Return);
                settle();
                ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << where;
            }

            for (int key = Number; key <= Backspace; ++key) {
                const std::string how = where + ", " + keyNames[key];
                if (box) {
                    // The player's box: its own keys, and Tab walks the window's boxes.
                    ASSERT_EQ(QApplication::focusWidget(), box) << how;
                    const std::string entry = session.frm1basic().SpinEntryBox().text();
                    auto* edit = qobject_cast<QLineEdit*>(box);
                    const QString before = edit->text();
                    QTest::keyClick(keyboard(), Qt::Key_End);
                    if (key == Number) {
                        QTest::keyClick(keyboard(), Qt::Key_4);
                        EXPECT_EQ(edit->text(), before + "4") << how;
                    } else if (key == Backspace) {
                        QTest::keyClick(keyboard(), Qt::Key_Backspace);
                        EXPECT_EQ(edit->text(), before.chopped(std::min<qsizetype>(before.size(), 1))) << how;
                    } else {
                        QTest::keyClick(keyboard(), Qt::Key_Tab, key == TabNumber ? Qt::NoModifier : Qt::ShiftModifier);
                        QWidget* now = QApplication::focusWidget();
                        EXPECT_TRUE(now && now != box && now->window() == w && qobject_cast<QLineEdit*>(now)) << how;
                        // And back to the box the player chose.
                        QTest::keyClick(keyboard(), Qt::Key_Tab, key == TabNumber ? Qt::ShiftModifier : Qt::NoModifier);
                    }
                    EXPECT_EQ(session.frm1basic().SpinEntryBox().text(), entry) << how;
                    continue;
                }
                if (key == TabNumber) QTest::keyClick(keyboard(), Qt::Key_Tab);
                if (key == BacktabNumber) QTest::keyClick(keyboard(), Qt::Key_Backtab, Qt::ShiftModifier);
                if (key == Backspace) {
                    QTest::keyClicks(keyboard(), "3");
                    QTest::keyClick(keyboard(), Qt::Key_Backspace);
                    EXPECT_EQ(session.frm1basic().SpinEntryBox().text(), "") << how;
                }
                typeSpin(how, spin[k++ % std::size(spin)]);
            }
            if (box) {  // a button or a switch hands the keyboard back
                forms::Control* back = firstOf(panel, 0) ? firstOf(panel, 0) : firstOf(panel, 1);
                ASSERT_NE(back, nullptr) << where;
                click(w->widget(*back));
            }
        }
    }
}

// The player's box keeps the keyboard only until it goes back to the spins: the main window
// brought to the front, or the panel closed. Coming to the front again, the panel holds it.
TEST_F(Keyboard, ABoxChoiceEndsWhenTheKeyboardGoesBackToTheSpins) {
    pickFromMenu("Edge");
    forms::Form& edge = session.form("frm8edge");
    gui::FormView* w = view.window(edge);
    forms::Control* box = firstTypedBox(edge);
    ASSERT_TRUE(w && box);
    click(w->widget(*box));
    QTest::keyClick(keyboard(), Qt::Key_End);
    QTest::keyClick(keyboard(), Qt::Key_5);
    const std::string typed = box->text();
    EXPECT_EQ(typed.back(), '5');

    main()->activateWindow();
    settle();
    typeSpin("after the main window came to the front", "21");
    w->activateWindow();
    settle();
    typeSpin("after the panel came to the front again", "22");
    EXPECT_EQ(box->text(), typed);

    click(w->widget(*box));
    w->close();
    settle();
    EXPECT_FALSE(w->isVisible());
    typeSpin("after the panel closed", "23");
    EXPECT_EQ(box->text(), typed);
}

namespace {

// What a player clicks that is not a box to type into, with the mouse button they click it with.
struct Target {
    QWidget* widget;
    Qt::MouseButton button;
    std::string name;
};

bool acts(const forms::Control& c) {
    return c.kind() == forms::Kind::CommandButton || c.kind() == forms::Kind::CheckBox ||
           c.kind() == forms::Kind::OptionButton || c.onClick;
}

// Every button, switch and clickable label or box of the window, and some of the many boxes and
// captions that only show a figure (every nth, each with another mouse button), and an empty spot.
std::vector<Target> targets(gui::FormView& w, size_t shownEvery) {
    static const std::set<std::string> avoid = {"End", "Test", "S", "R"};
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};
    std::vector<Target> out;
    size_t shown = 0;
    for (forms::Control* c : w.form().controls()) {
        QWidget* widget = w.widget(*c);
        if (!widget || !c->visible() || avoid.count(c->caption()) || gui::Keyboard::takesTyping(*c)) continue;
        const bool box = c->kind() == forms::Kind::TextBox, label = c->kind() == forms::Kind::Label;
        if (!acts(*c) && !box && !label) continue;  // frames, lines and shapes lie under other controls
        const std::string name = w.form().name() + "." + c->name() + "(" + std::to_string(c->index()) + ") \"" +
                                 (box ? c->text() : c->caption()) + "\"";
        if (acts(*c)) {
            out.push_back({widget, Qt::LeftButton, name});
        } else if (shown++ % shownEvery == 0) {
            Qt::MouseButton b = buttons[(shown / shownEvery) % 3];
            if (box && b == Qt::RightButton) b = Qt::MiddleButton;  // a box's right click opens its edit menu
            out.push_back({widget, b, name});
        }
    }
    return out;
}

}  // namespace

// The player's box keeps the keyboard only until their next click elsewhere: whatever they click
// in any window, with whichever button, the next number typed is a spin and the box keeps its text.
TEST_F(Keyboard, AClickOnAnythingButABoxEndsTheChoiceOfABox) {
    const char* spin[] = {"7", "12", "0", "33", "5", "19", "24", "36", "1", "28"};
    size_t k = 0, round = 0;
    const forms::Control* entry = &session.frm1basic().SpinEntryBox();
    std::vector<gui::FormView*> windows = {main()};
    for (size_t p = 0; p < std::size(Panels); ++p) {
        pickFromMenu(Panels[p]);
        windows.push_back(view.window(session.form(PanelForms[p])));
    }
    for (gui::FormView* w : windows) {
        ASSERT_TRUE(w && w->isVisible());
        forms::Control* box = firstTypedBox(w->form(), entry);
        ASSERT_NE(box, nullptr) << w->form().name();
        auto* scroll = w->findChild<QScrollArea*>();
        std::vector<Target> all = targets(*w, 8);
        all.push_back({scroll->widget(), Qt::RightButton, w->form().name() + ", an empty spot"});
        for (const Target& t : all) {
            if (!box->visible() || !t.widget->isVisible()) continue;  // a click before hid it
            const std::string where = "after a click with button " + std::to_string(t.button) + " on " + t.name;
            // The player chooses the box, with the left or the middle button, and types into it.
            QWidget* boxWidget = w->widget(*box);
            scroll->ensureWidgetVisible(boxWidget);
            click(boxWidget, round++ % 4 == 3 ? Qt::MiddleButton : Qt::LeftButton);
            QTest::keyClick(keyboard(), Qt::Key_End);
            QTest::keyClick(keyboard(), Qt::Key_4);
            ASSERT_EQ(box->text().back(), '4') << where << ": the box was chosen";
            if (t.widget == scroll->widget()) {
                click(t.widget, t.button, emptySpot(*scroll));
            } else {
                scroll->ensureWidgetVisible(t.widget);
                click(t.widget, t.button, t.widget->visibleRegion().boundingRect().center());
            }
            closeMessages();
            // No digit reaches the box, as the click left it; the spin itself may write into it.
            typeSpin(where, spin[k++ % std::size(spin)]);
            if (!box->visible()) continue;
            // Back as it was, so that the box does not grow.
            click(w->widget(*box));
            QTest::keyClick(keyboard(), Qt::Key_End);
            QTest::keyClick(keyboard(), Qt::Key_Backspace);
            click(w);
        }
    }
}

// A number the program put in the entry (the HGF keypad's), or one that a submission refused, is
// replaced by the next number typed, never run on into it.
TEST_F(Keyboard, ANumberHeldInTheEntryIsReplacedByTheNextTyped) {
    const char* spin[] = {"15", "2", "0", "33", "5", "19", "24", "36", "1", "28"};
    forms::Control& entry = session.frm1basic().SpinEntryBox();
    pickFromMenu("HGF");
    forms::Form& hgf = session.form("frm3hgf");
    gui::FormView* w = view.window(hgf);
    forms::ControlArray& keypad = *hgf.array("Text2");
    auto press = [&](int n) {
        QWidget* key = w->widget(keypad[n]);
        w->findChild<QScrollArea*>()->ensureWidgetVisible(key);
        click(key);
        EXPECT_EQ(entry.text(), std::to_string(n)) << "the keypad's " << n;
    };
    for (int n = 0; n <= 36; ++n) {
        press(n);
        typeSpin("after the keypad's " + std::to_string(n), spin[n % std::size(spin)]);
    }
    // Enter still books the keypad's own number.
    press(22);
    QTest::keyClick(keyboard(), Qt::Key_Return);
    settle();
    EXPECT_EQ(session.frm1basic().Text1[1].text(), "22");
    EXPECT_EQ(entry.text(), "");

    // Refused by Enter, or by the Spins button.
    size_t k = 0;
    for (const char* refused : {"37", "40", "99"}) {
        for (bool byButton : {false, true}) {
            const std::string where = std::string("after ") + refused + (byButton ? " and Spins" : " and Enter");
            const std::string spins = session.frm1basic().Command1.caption();
            QTest::keyClicks(keyboard(), refused);
            if (byButton)
                click(main()->widget(session.frm1basic().Command1));
            else
                QTest::keyClick(keyboard(), Qt::Key_Return);
            settle();
            closeMessages();
            ASSERT_EQ(entry.text(), refused) << where << ": the number stays in the box";
            EXPECT_EQ(session.frm1basic().Command1.caption(), spins) << where << ": and is not booked";
            typeSpin(where, spin[k++ % std::size(spin)]);
        }
    }
    // Backspace takes the whole held number away.
    QTest::keyClicks(keyboard(), "37");
    QTest::keyClick(keyboard(), Qt::Key_Return);
    QTest::keyClick(keyboard(), Qt::Key_Backspace);
    EXPECT_EQ(entry.text(), "");
    // The player's own digits still run on, and a third empties the box.
    QTest::keyClicks(keyboard(), "1");
    QTest::keyClicks(keyboard(), "2");
    EXPECT_EQ(entry.text(), "12");
    QTest::keyClicks(keyboard(), "3");
    EXPECT_EQ(entry.text(), "");
}

// The entry is in sight whenever a key reaches it, however the main window was scrolled; keys a
// panel passes on that the entry does not use leave the main window where it is.
TEST_F(Keyboard, TheEntryIsInSightWheneverAKeyReachesIt) {
    auto* scroll = main()->findChild<QScrollArea*>();
    QWidget* entry = main()->widget(session.frm1basic().SpinEntryBox());
    auto inSight = [&] {
        const QRect r(entry->mapTo(scroll->viewport(), QPoint(0, 0)), entry->size());
        return scroll->viewport()->rect().contains(r);
    };
    auto scrolled = [&] { return QPoint(scroll->horizontalScrollBar()->value(), scroll->verticalScrollBar()->value()); };
    pickFromMenu("HGF");
    gui::FormView* panel = view.window(session.form("frm3hgf"));
    struct Case {
        const char* how;
        std::function<void()> keys;
    };
    const Case cases[] = {
        {"Page Down in the entry",
         [&] {
             click(main()->widget(session.frm1basic().SpinEntryBox()));
             for (int i = 0; i < 3; ++i) QTest::keyClick(keyboard(), Qt::Key_PageDown);
         }},
        {"the main window scrolled to its far corner",
         [&] {
             main()->activateWindow();
             settle();
             scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
             scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
         }},
        {"arrow, Page, Home and End keys in a panel",
         [&] {
             click(panel);
             const QPoint before = scrolled();
             for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Right, Qt::Key_End, Qt::Key_PageUp,
                                 Qt::Key_Up, Qt::Key_Left, Qt::Key_Home})
                 QTest::keyClick(keyboard(), key);
             EXPECT_EQ(scrolled(), before) << "the panel's keys scrolled the main window";
         }},
    };
    const char* spin[] = {"4", "31", "17"};
    size_t k = 0;
    for (const Case& c : cases) {
        c.keys();
        typeSpin(std::string("after ") + c.how, spin[k++]);
        EXPECT_TRUE(inSight()) << "after " << c.how << ", the entry is out of sight";
    }
}

// The menu brings a window that is open already to the front again, as it is, and the keyboard
// stays with the spins.
TEST_F(Keyboard, TheMenuBringsAnOpenWindowToTheFront) {
    struct Raised : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            count += e->type() == QEvent::ZOrderChange;
            return false;
        }
    };
    const char* spin[] = {"8", "23", "0", "35", "11"};
    for (size_t p = 0; p < std::size(Panels); ++p) {
        pickFromMenu(Panels[p]);
        gui::FormView* w = view.window(session.form(PanelForms[p]));
        ASSERT_TRUE(w && w->isVisible()) << Panels[p];
        // Covered by the main window, as a click on it does under a window manager.
        main()->raise();
        main()->activateWindow();
        settle();
        Raised raised;
        w->installEventFilter(&raised);
        const QRect where = w->geometry();
        pickFromMenu(Panels[p]);
        w->removeEventFilter(&raised);
        EXPECT_GE(raised.count, 1) << Panels[p] << " stayed behind the main window";
        EXPECT_TRUE(w->isVisible()) << Panels[p];
        EXPECT_EQ(w->geometry(), where) << Panels[p];
        typeSpin(std::string("after ") + Panels[p] + " was brought up again", spin[p]);
    }
}
