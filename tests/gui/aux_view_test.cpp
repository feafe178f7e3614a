// The auxiliary windows on screen: the cut window's mask, the message of a bordered window and
// the text box drawn over its window's background.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "support/qt_app.h"

#include "aux/form1.h"
#include "aux/form2.h"
#include "aux/show_forms.h"
#include "aux/transparent.h"
#include "gui/colors.h"
#include "gui/formview.h"
#include "gui/region.h"
#include "gui/view.h"
#include "shell/session.h"

namespace {

using forms::Point;
using forms::RegionOp;


std::vector<QMessageBox*> messageBoxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) boxes.push_back(b);
    return boxes;
}

}  // namespace

// The window system must cut exactly the pixels the model's region holds.
TEST(WindowRegion, CutsThePixelsTheModelHolds) {
    const std::vector<std::vector<RegionOp>> cases = {
        {RegionOp::rect(5, 5, 15, 15), RegionOp::rect(6, 6, 14, 14)},                  // a ring
        {RegionOp::polygon({{0, 4}, {20, 4}, {20, 6}, {0, 6}})},                        // a flat line
        {RegionOp::polygon({{6, 0}, {6, 30}, {8, 30}, {8, 0}})},                        // an upright line
        {RegionOp::rect(0, 0, 10, 10), RegionOp::rect(5, 5, 15, 15)},                   // overlap cut away
        {RegionOp::rect(3, 3, 3, 9), RegionOp::rect(2, 2, 4, 4)},                       // an empty figure
    };
    for (size_t k = 0; k < cases.size(); ++k) {
        const QRegion r = gui::toQRegion(cases[k]);
        for (int y = -1; y < 32; ++y)
            for (int x = -1; x < 32; ++x)
                ASSERT_EQ(r.contains(QPoint(x, y)), forms::regionContains(cases[k], x, y))
                    << "case " << k << " at " << x << "," << y;
    }
}

TEST(WindowRegion, RoundFiguresStayInsideTheirBoxes) {
    const QRegion oval = gui::toQRegion({RegionOp::ellipse(0, 0, 20, 10)});
    const QRegion round = gui::toQRegion({RegionOp::roundRect(0, 0, 21, 21, 5, 5)});
    EXPECT_EQ(oval.boundingRect(), QRect(0, 0, 20, 10));
    EXPECT_TRUE(oval.contains(QPoint(10, 5)));
    EXPECT_FALSE(oval.contains(QPoint(0, 0)));
    EXPECT_TRUE(round.contains(QPoint(10, 0)));
    EXPECT_FALSE(round.contains(QPoint(0, 0)));  // the corner is cut
}

struct AuxViewTest : ::testing::Test {
    AuxViewTest() {
        app();
        session.start();
        view.sync();
    }
    Session session{7};
    gui::View view{session};
};

TEST_F(AuxViewTest, ABorderlessWindowIsCutToItsControls) {
    aux::ShowForm1(session);
    view.sync();
    Form1& f = session.form1();
    gui::FormView* w = view.window(f);
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(w->mask().isEmpty());  // whole until it is cut

    aux::MakeTransparent(f);
    view.sync();
    EXPECT_EQ(w->mask(), gui::toQRegion(*f.region()));
    const forms::Geometry& button = f.Command1.geometry();
    EXPECT_TRUE(w->mask().contains(QPoint(button.left + 2, button.top + 2)));
    EXPECT_FALSE(w->mask().contains(QPoint(4, 100)));  // between the controls
}

TEST_F(AuxViewTest, ABorderedWindowShowsTheMessageInsteadOfBeingCut) {
    aux::ShowForm2(session);
    view.sync();
    Form2& f = session.form2();
    gui::FormView* w = view.window(f);
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->windowFlags() & Qt::FramelessWindowHint);

    aux::MakeTransparent(f);
    view.sync();
    const auto boxes = messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->text(), "Change the borderstyle to 0!");
    EXPECT_EQ(boxes[0]->windowTitle(), "ACK!");
    EXPECT_EQ(boxes[0]->icon(), QMessageBox::Critical);
    boxes[0]->close();  // shown without waiting: the program goes on
    QApplication::processEvents();
    EXPECT_TRUE(messageBoxes().empty());
    EXPECT_TRUE(w->mask().isEmpty());
    EXPECT_FALSE(session.ended());
    view.sync();
    EXPECT_TRUE(messageBoxes().empty());  // shown once
}

TEST_F(AuxViewTest, TheBoxShowsTheWindowsBackgroundOnceSwitchedOn) {
    aux::ShowForm1(session);
    view.sync();
    Form1& f = session.form1();
    gui::FormView* w = view.window(f);
    QWidget* box = w->widget(f.Text1);
    // A pixel of the box right of its (empty) text.
    auto shown = [&] { return w->grab().toImage().pixelColor(box->mapTo(w, QPoint(box->width() - 6, box->height() / 2))); };
    EXPECT_EQ(shown(), gui::toQColor(f.Text1.backColor()));
    qobject_cast<QPushButton*>(w->widget(f.Command1))->click();
    EXPECT_EQ(shown(), gui::toQColor(f.backColor()));
}

namespace {

// A window of lines and shapes, which no window of the program has yet.
struct Drawing : forms::Form {
    Drawing() : Form("drawing") {
        setLoaded(true);
        show();
        setGeometry({0, 0, 240, 80});
        line.setLineEnds({10, 30, 60, 30});
        line.designColors(forms::colors::Red, forms::colors::Window);
        for (auto* s : {&hollow, &solid}) {
            s->designColors(forms::colors::Black, 0xFF0000);
            s->setBorderStyle(1);
        }
        hollow.at(100, 10, 40, 40);
        solid.at(160, 10, 40, 40);
        solid.setBackStyle(1);
    }
    forms::Control& line = makeControl(forms::Kind::Line, "Line1");
    forms::Control& hollow = makeControl(forms::Kind::Shape, "Shape1");
    forms::Control& solid = makeControl(forms::Kind::Shape, "Shape2");
};

struct DrawingHost : forms::Host {
    Drawing drawing;
    forms::Form& form(std::string_view) override { return drawing; }
    std::vector<forms::Form*> loadedForms() override { return {&drawing}; }
    bool ended() const override { return false; }
    void closeRequested(forms::Form& f) override { f.hide(); }
};

}  // namespace

TEST(Drawing, LinesRunBetweenTheirEndsAndHollowShapesShowTheWindow) {
    app();
    DrawingHost host;
    gui::View view(host);
    view.sync();
    const QImage shot = view.window(host.drawing)->grab().toImage();
    const QColor ground = gui::toQColor(host.drawing.backColor()), blue(0, 0, 255);
    struct Case {
        QPoint at;
        QColor colour;
    };
    const Case cases[] = {
        {{10, 30}, Qt::red}, {{60, 30}, Qt::red}, {{35, 31}, ground}, {{62, 30}, ground},
        {{120, 30}, ground},  // inside the hollow shape
        {{100, 30}, Qt::black},  // its outline
        {{180, 30}, blue},
    };
    for (const Case& c : cases) EXPECT_EQ(shot.pixelColor(c.at), c.colour) << c.at.x() << "," << c.at.y();
}
