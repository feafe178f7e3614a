// The keyboard stays with the spins: whatever window the player opens or clicks, typed numbers
// go to the entry box unless the player clicked into another box. Real widgets, real clicks.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
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
