#include "gui/formview.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/colors.h"
#include "gui/controlwidgets.h"
#include "gui/formmenubar.h"
#include "gui/inputfilter.h"

namespace gui {

using forms::Kind;

FormView::FormView(forms::Form& form, forms::Host& host, std::function<void()> sync)
    : form_(form), host_(host), sync_(std::move(sync)), canvas_(new QWidget(this)),
      input_(new InputFilter([this](const std::function<void()>& a) { forward(a); }, this)) {
    // The windows were laid out for a narrow sans serif; DejaVu, the usual default, clips labels.
    QFont narrow = font();
    narrow.setFamilies({"Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans"});
    canvas_->setFont(narrow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(canvas_);
    canvas_->setAutoFillBackground(true);

    std::vector<forms::Control*> menuItems;
    for (forms::Control* c : form.controls()) {
        if (c->kind() == Kind::MenuItem)
            menuItems.push_back(c);
        else
            addControl(*c);
    }
    if (!menuItems.empty()) {
        menuBar_ = new FormMenuBar(menuItems, [this](forms::Control& c) { forward([&c] { c.click(); }); }, this);
        layout->setMenuBar(menuBar_);
    }
    // Frames, shapes and lines lie beneath the other controls, the first made lowest.
    const auto& all = form.controls();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        const Kind k = (*it)->kind();
        if (k == Kind::Frame || k == Kind::Shape || k == Kind::Line) widgets_.at(*it)->lower();
    }
    form.takeDirty();  // everything was just drawn as it is
}

QWidget* FormView::widget(const forms::Control& c) const {
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

void FormView::addControl(forms::Control& c) {
    if (c.kind() == Kind::Timer) {
        addTimer(c);
        return;
    }
    QWidget* w = createControlWidget(c, canvas_);
    if (!w) return;
    widgets_[&c] = w;
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        connect(edit, &QLineEdit::textEdited, this,
                [this, &c](const QString& text) { forward([&c, &text] { c.edit(text.toStdString()); }); });
    if (qobject_cast<QAbstractButton*>(w))
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                [this, &c] { forward([&c] { c.click(); }); });
    else
        input_->watch(w, c);  // text boxes, labels, frames
    applyControl(c, w);
}

void FormView::addTimer(forms::Control& c) {
    auto* t = new QTimer(this);
    timers_[&c] = t;
    connect(t, &QTimer::timeout, this, [this, &c] { forward([&c] { c.tick(); }); });
    apply(c);
}

void FormView::apply(const forms::Control& c) {
    if (QWidget* w = widget(c)) {
        applyControl(c, w);
    } else if (auto t = timers_.find(&c); t != timers_.end()) {
        if (t->second->interval() != c.interval()) t->second->setInterval(std::max(c.interval(), 0));
        if (c.enabled() && c.interval() > 0) {
            if (!t->second->isActive()) t->second->start();
        } else {
            t->second->stop();
        }
    } else if (menuBar_ && menuBar_->shows(c)) {
        menuBar_->apply(c);
    }
}

void FormView::applyFrame() {
    setWindowTitle(QString::fromStdString(form_.caption()));
    // The designed size is the client area; the menu bar sits above it. Only a new size from the
    // model resizes, so a caption change keeps the size the player chose.
    const QSize size(std::max(form_.geometry().width, 1), std::max(form_.geometry().height, 1));
    if (size != designedSize_) {
        designedSize_ = size;
        canvas_->setMinimumSize(size);
        resize(size.width(), size.height() + (menuBar_ ? menuBar_->sizeHint().height() : 0));
    }
    QPalette p = canvas_->palette();
    p.setColor(QPalette::Window, toQColor(form_.backColor()));
    canvas_->setPalette(p);
    setVisible(form_.loaded() && form_.visible());
}

void FormView::applyDirty() {
    for (forms::Control* c : form_.takeDirty()) apply(*c);
}

void FormView::applyFocus() {
    const forms::Control* c = form_.focus();
    QWidget* w = c ? widget(*c) : nullptr;
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);
    if (isVisible() && !isActiveWindow()) activateWindow();
}

void FormView::stopTimers() {
    for (auto& [c, t] : timers_) t->stop();
}

void FormView::closeEvent(QCloseEvent* event) {
    event->ignore();  // the model hides the window or ends the program
    forward([this] { host_.closeRequested(form_); });
}

void FormView::forward(const std::function<void()>& action) {
    action();
    sync_();
}

}  // namespace gui
