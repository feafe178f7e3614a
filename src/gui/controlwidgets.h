// The widget that shows each kind of control, and how the model's properties land on it.
#pragma once

#include <QWidget>

#include "forms/form.h"

namespace gui {

// A new child of canvas for the control; nullptr for menu items and timers, which are not widgets.
QWidget* createControlWidget(const forms::Control& c, QWidget* canvas);

// Copies every shown property of the control onto its widget. A text box keeps its text (and
// cursor) when the model holds what it already shows.
void applyControl(const forms::Control& c, QWidget* w);

}  // namespace gui
