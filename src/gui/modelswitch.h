// A check box, option button or toggle button whose state only the model sets.
#pragma once

namespace gui {

// Qt's own toggling on a click is blocked; the click still emits clicked(), which the view
// forwards, and the repaint shows the value the model chose.
template <typename Button>
class ModelSwitch : public Button {
public:
    using Button::Button;

protected:
    void nextCheckState() override {}
};

}  // namespace gui
