#include "aux/transparent.h"

#include <algorithm>
#include <cmath>

#include "forms/convert.h"

namespace aux {

namespace {

using forms::RegionOp;

int whole(double x) { return static_cast<int>(forms::roundEven(x)); }

// A band one pixel either side of the line: across it for a steep line, up and down otherwise.
RegionOp lineBand(const forms::Control::LineEnds& e) {
    const bool steep = e.x1 == e.x2 || std::abs(double(e.y1 - e.y2) / double(e.x1 - e.x2)) > 1;
    if (steep) return RegionOp::polygon({{e.x1 - 1, e.y1}, {e.x2 - 1, e.y2}, {e.x2 + 1, e.y2}, {e.x1 + 1, e.y1}});
    return RegionOp::polygon({{e.x1, e.y1 - 1}, {e.x2, e.y2 - 1}, {e.x2, e.y2 + 1}, {e.x1, e.y1 + 1}});
}

// The outer figure of a shape control.
RegionOp shapeFigure(const forms::Control& c) {
    const auto& g = c.geometry();
    const double l = g.left, t = g.top, w = g.width, h = g.height, m = std::min(w, h);
    // The m x m square centred in the control.
    const double sl = w < h ? l : l + (w - h) / 2, st = w < h ? t + (h - w) / 2 : t;
    switch (c.shape()) {
        case 1: return RegionOp::rect(whole(sl), whole(st), whole(sl + m), whole(st + m));
        case 2: return RegionOp::ellipse(whole(l), whole(t), whole(l + w + 0.5), whole(t + h + 0.5));
        case 3: return RegionOp::ellipse(whole(sl), whole(st), whole(sl + m + 0.5), whole(st + m + 0.5));
        case 4: return RegionOp::roundRect(whole(l), whole(t), whole(l + w + 1), whole(t + h + 1), whole(m / 4), whole(m / 4));
        case 5:
            return RegionOp::roundRect(whole(sl), whole(st), whole(sl + m + 1), whole(st + m + 1), whole(m / 4), whole(m / 4));
        default: return RegionOp::rect(whole(l), whole(t), whole(l + w), whole(t + h));
    }
}

}  // namespace

std::vector<RegionOp> regionOf(const forms::Form& f) {
    std::vector<RegionOp> ops;
    for (const forms::Control* c : f.controls()) {
        switch (c->kind()) {
            case forms::Kind::Timer:
            case forms::Kind::MenuItem: continue;  // nothing to outline
            case forms::Kind::Line: ops.push_back(lineBand(c->lineEnds())); continue;
            case forms::Kind::Shape: {
                RegionOp outer = shapeFigure(*c);
                ops.push_back(outer);
                if (c->backStyle() == 0) {
                    // The ring of a transparent shape: the same figure one pixel further in.
                    RegionOp inner = outer;
                    ++inner.left;
                    ++inner.top;
                    --inner.right;
                    --inner.bottom;
                    ops.push_back(inner);
                }
                continue;
            }
            default: {
                const auto& g = c->geometry();
                if (g.width == 0) continue;
                ops.push_back(RegionOp::rect(g.left, g.top, g.left + g.width, g.top + g.height));
            }
        }
    }
    return ops;
}

void MakeTransparent(forms::Form& f) {
    if (f.borderStyle() != 0) {
        f.messageBox("Change the borderstyle to 0!", "ACK!", 16);
        return;
    }
    f.setRegion(regionOf(f));
}

}  // namespace aux
