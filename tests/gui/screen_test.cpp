// Every window fits the screen it opens on. CTest runs these on a laptop and a desktop screen as
// well as on the offscreen default (tests/gui/screens).
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include <string>

#include "gui/formview.h"
#include "gui/view.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace {

const char* const Windows[] = {"frm2opti", "frm3hgf", "frm4about", "frm5help", "frm6fast",
                               "frm7tch",  "frm8edge", "Form1", "Form2"};

std::string text(const QRect& r) {
    return std::to_string(r.width()) + "x" + std::to_string(r.height()) + "+" + std::to_string(r.x()) + "+" +
           std::to_string(r.y());
}

}  // namespace

TEST(Screen, EveryWindowFitsItsScreenAndScrollsToAllItsContents) {
    app();
    Session session{3};
    session.start();
    gui::View view(session);
    view.sync();
    for (const char* name : Windows) {
        session.form(name).show();
        view.sync();
    }
    QTest::qWait(400);  // the second look, once the window system has framed the windows

    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    gui::FormView* main = view.window(session.frm1basic());
    const QRect home = main->frameGeometry();
    QWidget* entry = main->widget(session.frm1basic().SpinEntryBox());
    const int strip = home.left() + std::max(entry->mapTo(main, QPoint(entry->width(), 0)).x(), main->menuWidth());
    for (forms::Form* f : session.loadedForms()) {
        gui::FormView* w = view.window(*f);
        if (!w->isVisible()) continue;
        const std::string where = f->name() + " on a " + text(avail) + " screen";
        const QRect frame = w->frameGeometry();
        EXPECT_TRUE(avail.contains(frame)) << where << ": " << text(frame) << ", title bar and close button included";
        EXPECT_LE(w->minimumSize().width(), avail.width()) << where;
        EXPECT_LE(w->minimumSize().height(), avail.height()) << where;

        // The contents keep their designed size; what the window cannot show, it scrolls to.
        auto* scroll = w->findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr) << where;
        const QSize design(f->geometry().width, f->geometry().height);
        EXPECT_EQ(scroll->widget()->size(), design) << where;
        EXPECT_GE(scroll->horizontalScrollBar()->maximum() + scroll->viewport()->width(), design.width()) << where;
        EXPECT_GE(scroll->verticalScrollBar()->maximum() + scroll->viewport()->height(), design.height()) << where;

        if (w == main) continue;
        // Beside the entry column where there is room for it, else at the screen's left edge.
        if (avail.right() + 1 - frame.width() >= strip)
            EXPECT_GE(frame.left(), strip) << where << " covers the menu or the entry column";
        else
            EXPECT_EQ(frame.left(), avail.left()) << where;
    }

    // A window the player moved stays there.
    gui::FormView* options = view.window(session.form("frm2opti"));
    options->move(options->pos() + QPoint(-20, 10));
    const QPoint moved = options->pos();
    session.form("frm2opti").hide();
    view.sync();
    session.form("frm2opti").show();
    view.sync();
    EXPECT_EQ(options->pos(), moved);
}
