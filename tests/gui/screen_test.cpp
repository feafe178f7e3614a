// Every window fits the screen it opens on. CTest runs these on a laptop and a desktop screen as
// well as on the offscreen default (tests/gui/screens).
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include <string>

#include "gui/formview.h"
#include "gui/placement.h"
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

QRect global(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// What the player types and reads while panels are open: the entry, the history rows the main
// window shows on the screen, and the menu bar.
std::vector<std::pair<std::string, QRect>> mustStayInSight(Session& session, gui::View& view) {
    gui::FormView* main = view.window(session.frm1basic());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect shown = global(main->findChild<QScrollArea*>()->viewport()) & screen;
    std::vector<std::pair<std::string, QRect>> inSight = {
        {"the entry box", global(main->widget(session.frm1basic().SpinEntryBox())) & screen},
        {"the menu bar", global(main->findChild<QMenuBar*>()) & screen}};
    for (int i = 1; i <= 28; ++i) {
        const QRect row = global(main->widget(session.frm1basic().Text1[i])) & shown;
        if (!row.isEmpty()) inSight.push_back({"history row " + std::to_string(i), row});
    }
    return inSight;
}

// The global right edge of the menu items and the entry column.
int stripRight(Session& session, gui::View& view) {
    gui::FormView* main = view.window(session.frm1basic());
    int strip = 0;
    for (const auto& [name, r] : mustStayInSight(session, view))
        if (name != "the menu bar") strip = std::max(strip, r.right() + 1);
    auto* bar = main->findChild<QMenuBar*>();
    for (QAction* a : bar->actions()) strip = std::max(strip, bar->actionGeometry(a).right() + 1 + global(main).left());
    return strip;
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
    const auto inSight = mustStayInSight(session, view);
    const int strip = stripRight(session, view);
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
        // Beside the entry column, sized to the room there; at the screen's left edge only where
        // that room is too narrow for a window to show anything.
        if (avail.right() + 1 - strip >= gui::Placement::MinRoom) {
            for (const auto& [name, r] : inSight)
                EXPECT_FALSE(frame.intersects(r)) << where << ": " << text(frame) << " covers " << name;
        } else {
            EXPECT_EQ(frame.left(), avail.left()) << where;
        }
    }

    // A window the player moved or resized stays so.
    for (const char* name : {"frm2opti", "frm3hgf", "frm5help"}) {
        gui::FormView* w = view.window(session.form(name));
        w->move(w->pos() + QPoint(-20, 10));
        if (w->minimumSize() != w->maximumSize()) w->resize(w->size() - QSize(30, 20));
        const QRect moved = w->geometry();
        session.form(name).hide();
        view.sync();
        session.form(name).show();
        view.sync();
        EXPECT_EQ(w->geometry(), moved) << name;
    }
}

// With the main window dragged to the right, so that its menu and entry column lie near the
// screen's right edge, the panels open on the column's left, where the room is.
TEST(Screen, PanelsOpenLeftOfAColumnThatLiesNearTheRightEdge) {
    app();
    Session session{5};
    session.start();
    gui::View view(session);
    view.sync();
    QTest::qWait(400);
    gui::FormView* main = view.window(session.frm1basic());
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    const int column = stripRight(session, view) - main->frameGeometry().left();
    main->move(avail.right() + 1 - column - 40 + (main->pos().x() - main->frameGeometry().left()), main->pos().y());
    QTest::qWait(50);
    ASSERT_LT(avail.right() + 1 - stripRight(session, view), gui::Placement::MinRoom);
    const auto inSight = mustStayInSight(session, view);

    for (const char* name : {"frm3hgf", "frm6fast", "frm5help", "frm7tch", "frm8edge"}) {
        session.form(name).show();
        view.sync();
    }
    QTest::qWait(400);
    for (const char* name : {"frm3hgf", "frm6fast", "frm5help", "frm7tch", "frm8edge"}) {
        const QRect frame = view.window(session.form(name))->frameGeometry();
        const std::string where = std::string(name) + " on a " + text(avail) + " screen";
        EXPECT_TRUE(avail.contains(frame)) << where << ": " << text(frame);
        for (const auto& [what, r] : inSight)
            EXPECT_FALSE(frame.intersects(r)) << where << ": " << text(frame) << " covers " << what;
    }
}
