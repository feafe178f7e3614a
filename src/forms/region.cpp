#include "forms/region.h"

namespace forms {

namespace {

bool inEllipse(double cx, double cy, double rx, double ry, double x, double y) {
    if (rx <= 0 || ry <= 0) return false;
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace

bool RegionOp::contains(int x, int y) const {
    // Pixel centres, as a rasteriser samples them.
    const double px = x + 0.5, py = y + 0.5;
    switch (figure) {
        case Figure::Rect: return x >= left && x < right && y >= top && y < bottom;
        case Figure::Ellipse:
            return inEllipse((left + right) / 2.0, (top + bottom) / 2.0, (right - left) / 2.0, (bottom - top) / 2.0, px, py);
        case Figure::RoundRect: {
            if (x < left || x >= right || y < top || y >= bottom) return false;
            const double rx = cornerW / 2.0, ry = cornerH / 2.0;
            const double cx = px < left + rx ? left + rx : px > right - rx ? right - rx : px;
            const double cy = py < top + ry ? top + ry : py > bottom - ry ? bottom - ry : py;
            if (cx == px || cy == py) return true;
            return inEllipse(cx, cy, rx, ry, px, py);
        }
        case Figure::Polygon: {
            bool inside = false;  // alternate (even-odd) filling
            if (points.empty()) return false;
            for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                const Point& a = points[i];
                const Point& b = points[j];
                if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / double(b.y - a.y) + a.x)
                    inside = !inside;
            }
            return inside;
        }
    }
    return false;
}

bool regionContains(const std::vector<RegionOp>& ops, int x, int y) {
    bool in = false;
    for (const RegionOp& op : ops) in ^= op.contains(x, y);
    return in;
}

}  // namespace forms
