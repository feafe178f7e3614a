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
    // What the player types and reads while panels are open: the entry, the history rows the
    // main window shows on the screen, and the menu bar.
    auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
    const QRect shown = global(main->findChild<QScrollArea*>()->viewport());
    std::vector<std::pair<std::string, QRect>> inSight = {
        {"the entry box", global(main->widget(session.frm1basic().SpinEntryBox()))},
        {"the menu bar", global(main->findChild<QMenuBar*>())}};
    for (int i = 1; i <= 28; ++i) {
        const QRect row = global(main->widget(session.frm1basic().Text1[i])) & shown;
        if (!row.isEmpty()) inSight.push_back({"history row " + std::to_string(i), row});
    }
    int strip = 0;
    for (const auto& [name, r] : inSight)
        if (name != "the menu bar") strip = std::max(strip, r.right() + 1);
    for (QAction* a : main->findChild<QMenuBar*>()->actions())
        strip = std::max(strip, main->findChild<QMenuBar*>()->actionGeometry(a).right() + 1 + global(main).left());
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
