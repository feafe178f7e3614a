// Shapes a borderless window to the outlines of its controls: everything between them is cut away.
#pragma once

#include <vector>

#include "forms/form.h"

namespace aux {

// The region operations of the window's controls, in their order.
std::vector<forms::RegionOp> regionOf(const forms::Form& f);

// Gives the window its region; a window that still has a border gets a message instead.
void MakeTransparent(forms::Form& f);

}  // namespace aux
