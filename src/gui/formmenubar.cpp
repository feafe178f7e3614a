#include "gui/formmenubar.h"

#include <QMenu>

#include <algorithm>
#include <map>
#include <string>

namespace gui {

FormMenuBar::FormMenuBar(const std::vector<forms::Control*>& items, std::function<void(forms::Control&)> clicked,
                         QWidget* parent)
    : QMenuBar(parent), clicked_(std::move(clicked)) {
    // An item names its parent by caption; an unknown parent puts it on the bar.
    std::map<std::string, QMenu*> menus;
    for (forms::Control* c : items) {
        const bool hasItems = !c->caption().empty() && std::any_of(items.begin(), items.end(), [c](auto* o) {
            return o != c && o->parentMenu() == c->caption();
        });
        auto parent = c->parentMenu().empty() ? menus.end() : menus.find(c->parentMenu());
        QAction* a = add(*c, parent == menus.end() ? nullptr : parent->second, hasItems);
        if (hasItems) menus[c->caption()] = a->menu();
        actions_[c] = a;
        apply(*c);
    }
}

QAction* FormMenuBar::add(forms::Control& c, QMenu* parent, bool hasItems) {
    const QString caption = QString::fromStdString(c.caption());
    if (hasItems) {
        QMenu* m = parent ? parent->addMenu(caption) : addMenu(caption);
        connect(m, &QMenu::aboutToShow, this, [this, &c] { clicked_(c); });
        return m->menuAction();
    }
    QAction* a = parent ? parent->addAction(caption) : addAction(caption);
    connect(a, &QAction::triggered, this, [this, &c] {
        clicked_(c);
        apply(c);  // a tick mark is the model's to set, not Qt's
    });
    return a;
}

void FormMenuBar::apply(const forms::Control& c) {
    QAction* a = actions_.at(&c);
    a->setText(QString::fromStdString(c.caption()));
    a->setSeparator(c.caption() == "-");
    a->setVisible(c.visible());
    a->setEnabled(c.enabled());
    a->setCheckable(c.value() != 0);
    a->setChecked(c.value() != 0);
}

}  // namespace gui
