#include "gui/region.h"

#include <QPainterPath>
#include <QPolygon>

namespace gui {

namespace {

QRegion figure(const forms::RegionOp& op) {
    using F = forms::RegionOp::Figure;
    const QRect box(op.left, op.top, op.right - op.left, op.bottom - op.top);
    switch (op.figure) {
        case F::Rect: return box.isValid() ? QRegion(box) : QRegion();
        case F::Ellipse: return box.isValid() ? QRegion(box, QRegion::Ellipse) : QRegion();
        case F::RoundRect: {
            if (!box.isValid()) return {};
            QPainterPath path;
            // The corner sizes are the corner ellipse's width and height.
            path.addRoundedRect(QRectF(box), op.cornerW / 2.0, op.cornerH / 2.0);
            return QRegion(path.toFillPolygon().toPolygon(), Qt::WindingFill);
        }
        case F::Polygon: {
            QPolygon poly;
            poly.reserve(static_cast<qsizetype>(op.points.size()));
            for (const forms::Point& p : op.points) poly << QPoint(p.x, p.y);
            return QRegion(poly, Qt::OddEvenFill);
        }
    }
    return {};
}

}  // namespace

QRegion toQRegion(const std::vector<forms::RegionOp>& ops) {
    QRegion acc;
    for (const forms::RegionOp& op : ops) acc ^= figure(op);
    return acc;
}

}  // namespace gui
