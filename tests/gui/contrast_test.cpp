// Texts stay readable where the view picks the colours: desktop colours the windows name only by
// number, on their own or under a see-through box, and the grey of a disabled control. A colour
// a window gives as a value is the system's own and is kept, whatever it stands on.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include <cmath>
#include <random>
#include <string>

#include "gui/colors.h"
#include "gui/formview.h"
#include "gui/view.h"
#include "shell/session.h"
#include "support/everything_on.h"
#include "support/feed.h"

namespace {

double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isSystem(forms::Color c) { return (c & 0x80000000u) != 0; }

struct Shown {
    QColor text, ground;
};

// The colours the control's text is drawn in and on, as its widget has them.
Shown shown(const forms::Control& c, QWidget* w, const QColor& windowGround) {
    const QPalette& p = w->palette();
    const QPalette::ColorGroup g = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
    Shown s;
    if (qobject_cast<QLineEdit*>(w)) {
        s = {p.color(g, QPalette::Text), p.color(g, QPalette::Base)};
    } else if (qobject_cast<QPushButton*>(w)) {
        s = {p.color(g, QPalette::ButtonText), p.color(g, QPalette::Button)};
    } else {
        s = {p.color(g, QPalette::WindowText), p.color(g, QPalette::Window)};
    }
    if (c.transparent() || s.ground.alpha() == 0) s.ground = windowGround;
    return s;
}

}  // namespace

TEST(Contrast, TextsOnTheViewsOwnColoursStayReadableThroughALongSession) {
    app();
    Session session{11};
    session.start();
    switchEverythingOn(session);
    for (const char* name : {"frm3hgf", "frm5help", "frm6fast", "frm7tch", "frm8edge", "Form1", "Form2"})
        session.form(name).show();
    gui::View view(session);
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> pocket(0, 36);
    int checked = 0;
    for (int round = 0; round < 8; ++round) {
        for (int i = 0; i < 150; ++i) feed(session, {pocket(rng)});
        view.sync();
        for (forms::Form* f : session.loadedForms()) {
            gui::FormView* win = view.window(*f);
            if (!win || !win->isVisible()) continue;
            const QColor windowGround = gui::toQColor(f->backColor());
            for (forms::Control* c : f->controls()) {
                QWidget* w = win->widget(*c);
                const std::string text = c->kind() == forms::Kind::TextBox ? c->text() : c->caption();
                if (!w || !w->isVisibleTo(win) || text.empty()) continue;
                if (c->kind() == forms::Kind::Line || c->kind() == forms::Kind::Shape) continue;
                const bool groundIsDesktop = isSystem(c->backColor()) || (c->transparent() && isSystem(f->backColor()));
                const bool viewsOwn = (isSystem(c->foreColor()) && groundIsDesktop) || !w->isEnabled();
                if (!viewsOwn) continue;
                const Shown s = shown(*c, w, windowGround);
                ++checked;
                EXPECT_GE(contrast(s.text, s.ground), 3.0)
                    << f->name() << "." << c->name() << "(" << c->index() << ") \"" << text << "\": "
                    << s.text.name().toStdString() << " on " << s.ground.name().toStdString() << " after "
                    << (round + 1) * 150 << " spins";
            }
        }
    }
    EXPECT_GT(checked, 1000);
}
