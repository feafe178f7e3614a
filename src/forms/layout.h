// Small helpers to place design-time controls in rows, columns and grids instead of writing
// every coordinate by hand.
#pragma once

#include <string>

#include "forms/form.h"

namespace forms {

// A cell grid: cell(col, row) gives the rectangle of that cell.
struct Grid {
    int left = 0, top = 0;
    int cellWidth = 40, cellHeight = 20;
    int gapX = 2, gapY = 2;

    Geometry cell(int col, int row, int spanCols = 1) const {
        return {left + col * (cellWidth + gapX), top + row * (cellHeight + gapY),
                spanCols * cellWidth + (spanCols - 1) * gapX, cellHeight};
    }
    int right(int cols) const { return left + cols * (cellWidth + gapX); }
    int bottom(int rows) const { return top + rows * (cellHeight + gapY); }
};

inline Control& place(Control& c, const Geometry& g) { return c.at(g.left, g.top, g.width, g.height); }

// Adds elements first..last of an array along a row (or a column when vertical).
inline void addRun(ControlArray& a, int first, int last, const Grid& g, int col, int row, bool vertical = false,
                   const std::string& design = {}) {
    for (int i = first; i <= last; ++i) {
        int k = i - first;
        place(a.add(i), vertical ? g.cell(col, row + k) : g.cell(col + k, row)).design(design);
    }
}

}  // namespace forms
