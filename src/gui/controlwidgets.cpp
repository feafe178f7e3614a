#include "gui/controlwidgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

#include "gui/colors.h"
#include "gui/keyboard.h"
#include "gui/modelswitch.h"
#include "gui/paintedcontrol.h"

namespace gui {

using forms::Kind;

namespace {

Qt::Alignment horizontal(int alignment) {
    switch (alignment) {
        case 1: return Qt::AlignRight;
        case 2: return Qt::AlignHCenter;
        default: return Qt::AlignLeft;
    }
}

// The model's box; a line's box is the one around its end points, and nothing is ever zero-sized.
QRect controlRect(const forms::Control& c) {
    const forms::Geometry& g = c.geometry();
    QRect r = QRect(g.left, g.top, g.width, g.height).normalized();
    if (c.kind() == Kind::Line) {
        const auto& e = c.lineEnds();
        r = QRect(QPoint(e.x1, e.y1), QPoint(e.x2, e.y2)).normalized();
    }
    r.setWidth(std::max(r.width(), 1));
    r.setHeight(std::max(r.height(), 1));
    return r;
}

void applyColors(const forms::Control& c, QWidget* w) {
    QPalette::ColorRole back = QPalette::Window;
    QPalette::ColorRole fore = QPalette::WindowText;
    if (c.kind() == Kind::TextBox) {
        back = QPalette::Base;
        fore = QPalette::Text;
    } else if (c.kind() == Kind::CommandButton || qobject_cast<QPushButton*>(w)) {
        back = QPalette::Button;
        fore = QPalette::ButtonText;
    } else if (c.kind() != Kind::Line && c.kind() != Kind::Shape) {
        // Lines and shapes paint only their figure; what lies around it is the window's.
        w->setAutoFillBackground(true);
    }
    QPalette p = w->palette();
    // A transparent box shows its window's background behind its text.
    p.setColor(back, c.transparent() ? QColor(Qt::transparent) : toQColor(c.backColor()));
    // The disabled look keeps Qt's greyed text.
    for (auto group : {QPalette::Active, QPalette::Inactive}) p.setColor(group, fore, toQColor(c.foreColor()));
    w->setPalette(p);
}

void applyFont(const forms::Control& c, QWidget* w) {
    QFont f = w->font();
    f.setPixelSize(fontPixels(c.fontSize()));
    f.setBold(c.bold());
    w->setFont(f);
}

// The program's "on" colour: a switch that is on shows green text or a green ground.
bool showsOn(const forms::Control& c) {
    for (forms::Color k : {c.foreColor(), c.backColor()})
        if (k == forms::colors::Green || k == forms::colors::BrightGreen) return true;
    return false;
}

bool applyTextBox(const forms::Control& c, QLineEdit* e) {
    e->setReadOnly(c.locked());
    e->setFocusPolicy(Keyboard::focusPolicy(c));
    e->setFrame(c.borderStyle() != 0);
    e->setAlignment(horizontal(c.alignment()) | Qt::AlignVCenter);
    const QString text = QString::fromStdString(c.text());
    if (e->text() != text) {
        e->setText(text);  // setText does not raise textEdited
        // A figure longer than its box reads from its start; where the player types, the cursor stays at the end.
        if (c.locked()) e->setCursorPosition(0);
        return true;
    }
    return false;
}

void applyLabel(const forms::Control& c, QLabel* l) {
    l->setText(QString::fromStdString(c.caption()));
    l->setAlignment(horizontal(c.alignment()) | Qt::AlignVCenter);
    // A switch looks like a raised key while off and is outlined in its text colour while on: the
    // text colour alone is easy to misread on a dark ground. One pixel either way, so the text
    // never moves.
    if (c.onClick)
        l->setFrameStyle(showsOn(c) ? QFrame::Box | QFrame::Plain : QFrame::Panel | QFrame::Raised);
    else
        l->setFrameStyle(c.borderStyle() != 0 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    l->setLineWidth(1);
}

void applyButton(const forms::Control& c, QAbstractButton* b) {
    b->setText(QString::fromStdString(c.caption()));
    if (auto* box = qobject_cast<QCheckBox*>(b)) {
        const bool greyed = c.value() == 2;
        if (greyed) box->setTristate(true);
        box->setCheckState(greyed ? Qt::PartiallyChecked : c.value() != 0 ? Qt::Checked : Qt::Unchecked);
        if (!greyed) box->setTristate(false);
    } else if (b->isCheckable()) {
        b->setChecked(c.value() != 0);
    }
}

QWidget* newControlWidget(const forms::Control& c, QWidget* canvas) {
    switch (c.kind()) {
        case Kind::TextBox: return new QLineEdit(canvas);
        case Kind::Label: {
            auto* l = new QLabel(canvas);
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(true);
            return l;
        }
        case Kind::CheckBox: {
            if (c.style() != 1) return new ModelSwitch<QCheckBox>(canvas);
            auto* toggle = new ModelSwitch<QPushButton>(canvas);  // the graphical check box
            toggle->setCheckable(true);
            return toggle;
        }
        case Kind::OptionButton: {
            auto* r = new ModelSwitch<QRadioButton>(canvas);
            r->setAutoExclusive(false);  // the model clears the others in the group
            return r;
        }
        case Kind::CommandButton: return new QPushButton(canvas);
        case Kind::Line:
        case Kind::Shape:
        case Kind::Frame: return new PaintedControl(c, canvas);
        case Kind::MenuItem:
        case Kind::Timer: return nullptr;
    }
    return nullptr;
}

}  // namespace

int fontPixels(int points) { return std::max(static_cast<int>(std::lround(points * 96.0 / 72.0)), 1); }

QFont designFont(const QFont& base) {
    QFont f = base;
    f.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans"});
    f.setPixelSize(fontPixels(8));
    return f;
}

QWidget* createControlWidget(const forms::Control& c, QWidget* canvas) {
    QWidget* w = newControlWidget(c, canvas);
    if (!w) return nullptr;
    if (qobject_cast<QAbstractButton*>(w)) w->setFocusPolicy(Keyboard::focusPolicy(c));
    if (c.onClick && (c.kind() == Kind::Label || (c.kind() == Kind::TextBox && c.locked())))
        w->setCursor(Qt::PointingHandCursor);
    return w;
}

bool applyControl(const forms::Control& c, QWidget* w) {
    w->setGeometry(controlRect(c));
    w->setVisible(c.visible());
    w->setEnabled(c.enabled());
    w->setToolTip(QString::fromStdString(c.toolTip()));
    applyFont(c, w);
    applyColors(c, w);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return applyTextBox(c, e);
    if (auto* l = qobject_cast<QLabel*>(w))
        applyLabel(c, l);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        applyButton(c, b);
    else
        w->update();
    return false;
}

}  // namespace gui
