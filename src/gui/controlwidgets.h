// The widget that shows each kind of control, and how the model's properties land on it.
#pragma once

#include <QFont>
#include <QWidget>

#include "forms/form.h"

namespace gui {

// The windows are laid out in pixels, so their fonts are sized in pixels too: a point as on a
// 96 dpi screen, whatever the screen reports.
int fontPixels(int points);

// The windows' font: a sans serif with Arial's widths (Liberation Sans ships with the build's
// packages), at the controls' default 8 points.
QFont designFont(const QFont& base);

// A new child of canvas for the control; nullptr for menu items and timers, which are not widgets.
QWidget* createControlWidget(const forms::Control& c, QWidget* canvas);

// Copies every shown property of the control onto its widget. A text box keeps its text (and
// cursor) when the model holds what it already shows; true when the model's text replaced it.
bool applyControl(const forms::Control& c, QWidget* w);

}  // namespace gui
