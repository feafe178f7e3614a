// The keyboard stays with the spins: whatever window the player opens or clicks, typed numbers
// go to the entry box unless the player clicked into another box. Real widgets, real clicks.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include <functional>
#include <map>
#include <set>
#include <string>

#include "gui/formview.h"
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
    static void click(QWidget* w) {
        w->window()->activateWindow();
        settle();
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        settle();
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
        QTest::keyClick(keyboard(), Qt::Key_Return);
        settle();
        EXPECT_EQ(session.frm1basic().Text1[1].text(), spin) << where;
        ++spins;
        EXPECT_EQ(session.frm1basic().Command1.caption(), "Spins: " + std::to_string(spins)) << where;
    }

    Session session{7};
    gui::View view{session};
    int spins = 0;
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

forms::Control* firstTypedBox(forms::Form& f) {
    for (forms::Control* c : f.controls())
        if (c->kind() == forms::Kind::TextBox && !c->locked() && c->visible() && c->enabled()) return c;
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
