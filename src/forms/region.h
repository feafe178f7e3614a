// A window region built from figures, each combined with what came before by exclusive or: what
// two figures share is cut away again.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace forms {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct RegionOp {
    enum class Figure { Rect, Ellipse, RoundRect, Polygon };
    Figure figure = Figure::Rect;
    // Bounding box: left, top, right, bottom (right and bottom outside the figure).
    int left = 0, top = 0, right = 0, bottom = 0;
    int cornerW = 0, cornerH = 0;  // round rectangles
    std::vector<Point> points;     // polygons, filled alternately

    bool operator==(const RegionOp&) const = default;

    static RegionOp rect(int l, int t, int r, int b) { return make(Figure::Rect, l, t, r, b); }
    static RegionOp ellipse(int l, int t, int r, int b) { return make(Figure::Ellipse, l, t, r, b); }
    static RegionOp roundRect(int l, int t, int r, int b, int cw, int ch) {
        RegionOp op = make(Figure::RoundRect, l, t, r, b);
        op.cornerW = cw;
        op.cornerH = ch;
        return op;
    }
    static RegionOp polygon(std::vector<Point> pts) {
        RegionOp op;
        op.figure = Figure::Polygon;
        op.points = std::move(pts);
        return op;
    }

    // Whether the pixel whose top-left corner is (x, y) lies inside the figure.
    bool contains(int x, int y) const;

private:
    static RegionOp make(Figure f, int l, int t, int r, int b) {
        RegionOp op;
        op.figure = f;
        op.left = l;
        op.top = t;
        op.right = r;
        op.bottom = b;
        return op;
    }
};

// Whether the pixel lies in the region that the operations build.
bool regionContains(const std::vector<RegionOp>& ops, int x, int y);

}  // namespace forms
