// A window region from the model's figures, as the window system cuts windows.
#pragma once

#include <QRegion>

#include <vector>

#include "forms/region.h"

namespace gui {

// Each figure exclusive-or'ed into those before it; right and bottom edges lie outside.
QRegion toQRegion(const std::vector<forms::RegionOp>& ops);

}  // namespace gui
