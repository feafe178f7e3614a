// Line, shape and frame: drawn straight from the model's properties.
#pragma once

#include <QWidget>

#include "forms/form.h"

namespace gui {

class PaintedControl : public QWidget {
public:
    PaintedControl(const forms::Control& control, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLine(QPainter& p) const;
    void paintShape(QPainter& p) const;
    void paintFrame(QPainter& p) const;

    const forms::Control& control_;
};

}  // namespace gui
