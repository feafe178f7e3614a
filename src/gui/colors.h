// Model colours as screen colours.
#pragma once

#include <QColor>

#include "forms/form.h"

namespace gui {

// &H00BBGGRR as it is; a system colour &H800000nn as a fixed, readable stand-in for the
// desktop palette entry nn.
QColor toQColor(forms::Color c);

}  // namespace gui
