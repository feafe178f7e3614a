// A window's menu bar, built from its menu items in the order they were created.
#pragma once

#include <QMenuBar>

#include <functional>
#include <unordered_map>
#include <vector>

#include "forms/form.h"

class QAction;

namespace gui {

class FormMenuBar : public QMenuBar {
public:
    // clicked runs when the player picks an item (or opens a menu that has items of its own).
    FormMenuBar(const std::vector<forms::Control*>& items, std::function<void(forms::Control&)> clicked,
                QWidget* parent);

    bool shows(const forms::Control& c) const { return actions_.count(&c) != 0; }
    void apply(const forms::Control& c);

private:
    QAction* add(forms::Control& c, QMenu* parent, bool hasItems);

    std::function<void(forms::Control&)> clicked_;
    std::unordered_map<const forms::Control*, QAction*> actions_;
};

}  // namespace gui
