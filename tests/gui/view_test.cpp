#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include "gui/colors.h"
#include "gui/formview.h"
#include "gui/view.h"
#include "settings/frm2opti.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace {

struct ViewTest : ::testing::Test {
    ViewTest() {
        app();
        session.start();
        view.sync();
        window()->activateWindow();
        QApplication::processEvents();
    }
    gui::FormView* window() { return view.window(session.frm1basic()); }
    template <typename W>
    W* widget(const forms::Control& c) {
        return qobject_cast<W*>(window()->widget(c));
    }

    Session session{42};
    gui::View view{session};
};

void sendKey(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void typeDigits(QWidget* w, const QString& digits) {
    for (QChar d : digits) sendKey(w, Qt::Key_0 + d.digitValue(), QString(d));
}

QColor textColor(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Text); }

}  // namespace

TEST(Colors, ModelAndSystemColours) {
    struct Case {
        forms::Color model;
        QColor shown;
    };
    const Case cases[] = {
        {forms::colors::Red, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {forms::colors::Green, QColor(0, 192, 0)},
        {0x80FF, QColor(255, 128, 0)},
        {forms::colors::ScrollBar, Qt::black},  // the text colour of black numbers
        {forms::colors::Window, Qt::white},
        {forms::colors::WindowText, Qt::black},
        {forms::colors::ButtonFace, QColor(0xf0, 0xf0, 0xf0)},
        {forms::colors::ButtonText, Qt::black},
        {0x8000000E, QColor(0xfc, 0xfc, 0xfc)},
        {0x80000009, Qt::white},  // an unmarked history row: black numbers must read on it
        {0x800000FF, Qt::black},  // no such entry
    };
    for (const Case& c : cases) EXPECT_EQ(gui::toQColor(c.model), c.shown) << std::hex << c.model;
}

TEST_F(ViewTest, TypedSpinLandsInTheHistory) {
    auto& f = session.frm1basic();
    auto* entry = widget<QLineEdit>(f.Text1[0]);
    ASSERT_NE(entry, nullptr);

    typeDigits(entry, "123");  // three digits are no spin: the box clears itself
    EXPECT_EQ(entry->text(), "");
    EXPECT_EQ(f.Text1[0].text(), "");

    typeDigits(entry, "14");
    EXPECT_EQ(entry->text(), "14");
    sendKey(entry, Qt::Key_Return, "\r");

    auto* row1 = widget<QLineEdit>(f.Text1[1]);
    EXPECT_EQ(row1->text(), "14");
    EXPECT_EQ(f.Text1[1].foreColor(), forms::colors::Red);
    EXPECT_EQ(textColor(row1), QColor(255, 0, 0));
    EXPECT_EQ(widget<QLineEdit>(f.Text2[1])->text(), "M");
    EXPECT_EQ(widget<QPushButton>(f.Command1)->text(), "Spins: 1");
    EXPECT_EQ(entry->text(), "");
    EXPECT_EQ(f.focus(), &f.Text1[0]);
    EXPECT_EQ(QApplication::focusWidget(), entry);
}

TEST_F(ViewTest, ClickOnAHistoryRowReachesTheModel) {
    auto& f = session.frm1basic();
    auto* entry = widget<QLineEdit>(f.Text1[0]);
    typeDigits(entry, "7");
    sendKey(entry, Qt::Key_Return, "\r");

    auto* row1 = widget<QLineEdit>(f.Text1[1]);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), row1->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(row1, &press);
    EXPECT_EQ(f.Text1[1].backColor(), forms::colors::Green);
    EXPECT_EQ(row1->palette().color(QPalette::Base), QColor(0, 192, 0));
}

TEST_F(ViewTest, ClosingAPanelHidesIt) {
    auto& panel = session.form("frm2opti");
    panel.show();
    view.sync();
    gui::FormView* w = view.window(panel);
    ASSERT_TRUE(w && w->isVisible());
    w->close();
    EXPECT_FALSE(panel.visible());
    EXPECT_FALSE(w->isVisible());
}

namespace {

// A window of its own for what the main window lacks: option buttons and a label.
struct Panel : forms::Form {
    Panel() : Form("panel") {
        setLoaded(true);
        show();
        Option.add(0).at(10, 10, 80, 20);
        Option.add(1).at(10, 40, 80, 20);
        Caption.design("x").at(10, 70, 80, 20);
    }
    forms::ControlArray& Option = makeArray(forms::Kind::OptionButton, "Option");
    forms::Control& Caption = makeControl(forms::Kind::Label, "Caption");
};

struct PanelHost : forms::Host {
    Panel panel;
    bool over = false;
    forms::Form& form(std::string_view) override { return panel; }
    std::vector<forms::Form*> loadedForms() override { return {&panel}; }
    bool ended() const override { return over; }
    void closeRequested(forms::Form& f) override { f.hide(); }
};

void mouse(QWidget* w, QEvent::Type type) {
    QMouseEvent e(type, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace

TEST(PanelView, OptionButtonsShowOnlyTheModelsChoice) {
    app();
    PanelHost host;
    gui::View view(host);
    view.sync();
    gui::FormView* w = view.window(host.panel);
    auto* first = qobject_cast<QRadioButton*>(w->widget(host.panel.Option[0]));
    auto* second = qobject_cast<QRadioButton*>(w->widget(host.panel.Option[1]));
    first->click();
    second->click();
    second->click();  // a chosen option stays chosen
    EXPECT_EQ(host.panel.Option[0].value(), 0);
    EXPECT_EQ(host.panel.Option[1].value(), 1);
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(second->isChecked());
}

TEST(PanelView, LabelClicksAndDoubleClicks) {
    app();
    PanelHost host;
    std::string seen;
    host.panel.Caption.onClick = [&] { seen += "c"; };
    host.panel.Caption.onDblClick = [&] { seen += "d"; };
    gui::View view(host);
    view.sync();
    QWidget* label = view.window(host.panel)->widget(host.panel.Caption);
    mouse(label, QEvent::MouseButtonPress);
    mouse(label, QEvent::MouseButtonRelease);
    mouse(label, QEvent::MouseButtonDblClick);
    EXPECT_EQ(seen, "cd");
}

TEST(PanelView, EndHidesEveryWindow) {
    app();
    PanelHost host;
    host.panel.Caption.onClick = [&] { host.over = true; };
    gui::View view(host);
    view.sync();
    gui::FormView* w = view.window(host.panel);
    ASSERT_TRUE(w->isVisible());
    mouse(w->widget(host.panel.Caption), QEvent::MouseButtonPress);
    EXPECT_FALSE(w->isVisible());
}

namespace {

// A click as the window system delivers it, so Qt moves the focus as it would for a player.
void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4)); }

// Keys go where the keyboard is, as they would for a player.
void typeAtFocus(QWidget* window, const char* digits) {
    QTest::keyClicks(window->focusWidget() ? window->focusWidget() : window, digits);
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Return);
}

}  // namespace

TEST_F(ViewTest, ClicksLeaveTheKeyboardInTheEntryBox) {
    auto& f = session.frm1basic();
    typeAtFocus(window(), "7");
    ASSERT_EQ(f.Text1[1].text(), "7");

    struct Case {
        const char* what;
        forms::Control* target;
        const char* spin;
    };
    const Case cases[] = {
        {"history row", &f.Text1[1], "5"},
        {"Reset", &f.Command2, "12"},
        {"system switch", &f.Check2, "0"},
        {"Command6", &f.Command6, "36"},
        {"2NB prog", &f.Label9, "5"},
    };
    for (const Case& c : cases) {
        click(window()->widget(*c.target));
        typeAtFocus(window(), c.spin);
        EXPECT_EQ(f.Text1[1].text(), c.spin) << "after a click on " << c.what;
    }
}

namespace {

QWidget* nextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    return next;
}

}  // namespace

TEST_F(ViewTest, TabWalksOnlyTheBoxesAPlayerTypesInto) {
    auto& f = session.frm1basic();
    // Bbet, past the history and the buttons.
    EXPECT_EQ(nextTabStop(widget<QLineEdit>(f.Text1[0])), widget<QLineEdit>(f.Text5));

    // The options go down each column, group by group; a box between groups keeps its place.
    auto& o = session.frm2opti();
    o.show();
    view.sync();
    gui::FormView* w = view.window(o);
    const int columns[][5] = {{10, 0, 1, 2, 3}, {20, 21, 22, 23, 28}};
    for (const auto& run : columns)
        for (int k = 0; k + 1 < 5; ++k)
            EXPECT_EQ(nextTabStop(w->widget(o.Text1[run[k]])), w->widget(o.Text1[run[k + 1]])) << "after box " << run[k];
}

TEST_F(ViewTest, AFigureLongerThanItsBoxReadsFromItsStart) {
    auto& f = session.frm1basic();
    f.Text4[0].setText("0,0244 0,0216 0,021 0,0204 0,0196 0,019 0,0184");
    view.sync();
    auto* box = widget<QLineEdit>(f.Text4[0]);
    EXPECT_EQ(box->cursorPosition(), 0);
    typeDigits(widget<QLineEdit>(f.Text1[0]), "2");
    EXPECT_EQ(widget<QLineEdit>(f.Text1[0])->cursorPosition(), 1);  // where the player types
}
