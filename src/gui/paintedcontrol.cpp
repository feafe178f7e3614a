#include "gui/paintedcontrol.h"

#include <algorithm>

#include <QPainter>

#include "gui/colors.h"

namespace gui {

PaintedControl::PaintedControl(const forms::Control& control, QWidget* parent)
    : QWidget(parent), control_(control) {
    // Lines and shapes are decoration: clicks go to whatever lies beneath.
    if (control.kind() != forms::Kind::Frame) setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaintedControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    switch (control_.kind()) {
        case forms::Kind::Line: paintLine(p); break;
        case forms::Kind::Shape: paintShape(p); break;
        default: paintFrame(p); break;
    }
}

void PaintedControl::paintLine(QPainter& p) const {
    p.setPen(toQColor(control_.foreColor()));
    // The widget lies over the box around the end points.
    const auto& e = control_.lineEnds();
    const QPoint origin = QRect(QPoint(e.x1, e.y1), QPoint(e.x2, e.y2)).normalized().topLeft();
    p.drawLine(QPoint(e.x1, e.y1) - origin, QPoint(e.x2, e.y2) - origin);
}

void PaintedControl::paintShape(QPainter& p) const {
    // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
    const int shape = control_.shape();
    QRect r = rect().adjusted(0, 0, -1, -1);
    const int side = std::min(r.width(), r.height());
    if (shape % 2 == 1) r = QRect(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    p.setRenderHint(QPainter::Antialiasing, shape >= 2);
    // A transparent shape shows only its outline.
    p.setBrush(control_.backStyle() == 0 ? QBrush(Qt::NoBrush) : QBrush(toQColor(control_.backColor())));
    p.setPen(control_.borderStyle() == 0 ? QPen(Qt::NoPen) : QPen(toQColor(control_.foreColor())));
    if (shape == 2 || shape == 3)
        p.drawEllipse(r);
    else if (shape == 4 || shape == 5)
        p.drawRoundedRect(r, side / 8.0, side / 8.0);  // corners a quarter of the shorter side across
    else
        p.drawRect(r);
}

void PaintedControl::paintFrame(QPainter& p) const {
    p.fillRect(rect(), toQColor(control_.backColor()));
    const QString caption = QString::fromStdString(control_.caption());
    const int textHeight = fontMetrics().height();
    const int top = caption.isEmpty() ? 0 : textHeight / 2;
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, top, -1, -1));
    if (caption.isEmpty()) return;
    const QRect textRect(6, 0, fontMetrics().horizontalAdvance(caption) + 4, textHeight);
    p.fillRect(textRect, toQColor(control_.backColor()));
    p.setPen(toQColor(control_.foreColor()));
    p.drawText(textRect, Qt::AlignCenter, caption);
}

}  // namespace gui
