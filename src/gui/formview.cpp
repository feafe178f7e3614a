#include "gui/formview.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "gui/colors.h"
#include "gui/controlwidgets.h"
#include "gui/formmenubar.h"
#include "gui/inputfilter.h"
#include "gui/region.h"

namespace gui {

using forms::Kind;

FormView::FormView(forms::Form& form, forms::Host& host, std::function<void()> sync)
    : form_(form), host_(host), sync_(std::move(sync)), canvas_(new QWidget(this)),
      input_(new InputFilter([this](const std::function<void()>& a) { forward(a); }, this)) {
    // The windows were laid out for a narrow sans serif; DejaVu, the usual default, clips labels.
    canvas_->setFont(designFont(font()));

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
    orderTabStops();
    form.takeDirty();  // everything was just drawn as it is
}

// Tab walks the boxes a player types into as the eye reads the window: a framed group's boxes
// together, groups and loose boxes column by column, each column top to bottom.
void FormView::orderTabStops() {
    std::vector<forms::Control*> frames;
    std::vector<std::pair<std::tuple<int, int, int>, QWidget*>> stops;
    for (forms::Control* c : form_.controls())
        if (c->kind() == Kind::Frame) frames.push_back(c);
    for (forms::Control* c : form_.controls()) {
        if (c->kind() != Kind::TextBox || c->locked()) continue;
        const forms::Geometry& g = c->geometry();
        // The column of the frame the box lies in, else of a frame above or below it.
        int column = g.left;
        bool inside = false;
        for (forms::Control* fr : frames) {
            const forms::Geometry& h = fr->geometry();
            if (g.left < h.left || g.left >= h.left + h.width) continue;
            const bool within = g.top >= h.top && g.top < h.top + h.height;
            if (within || !inside) column = h.left;
            inside = inside || within;
        }
        stops.push_back({{column, g.top, g.left}, widgets_.at(c)});
    }
    std::stable_sort(stops.begin(), stops.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1].second, stops[i].second);
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

void FormView::applyFrame(const std::function<void(FormView&)>& beforeFirstShow) {
    setWindowTitle(QString::fromStdString(form_.caption()));
    // The designed size is the client area; the menu bar sits above it. Only a new size from the
    // model resizes, so a caption change keeps the size the player chose.
    const bool newBorder = applyBorder();
    const QSize size(std::max(form_.geometry().width, 1), std::max(form_.geometry().height, 1));
    if (size != designedSize_ || newBorder) {
        designedSize_ = size;
        canvas_->setMinimumSize(size);
        const QSize whole(size.width(), size.height() + (menuBar_ ? menuBar_->sizeHint().height() : 0));
        // Single and dialog borders cannot be dragged to another size.
        if (form_.borderStyle() == 1 || form_.borderStyle() == 3) {
            setFixedSize(whole);
        } else {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            resize(whole);
        }
    }
    QPalette p = canvas_->palette();
    p.setColor(QPalette::Window, toQColor(form_.backColor()));
    canvas_->setPalette(p);
    applyRegion();
    const bool shown = form_.loaded() && form_.visible();
    // Placed once; afterwards the window stays where the player moved it.
    if (shown && !placed_) {
        placed_ = true;
        if (beforeFirstShow) beforeFirstShow(*this);
    }
    setVisible(shown);
}

bool FormView::applyBorder() {
    const int style = form_.borderStyle();
    if (style == borderStyle_) return false;
    borderStyle_ = style;
    Qt::WindowFlags flags = style == 3 ? Qt::Dialog : Qt::Window;
    if (style == 0) flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);  // hides the window; applyFrame shows it again
    return true;
}

// The region is in the client area's pixels, below the menu bar.
void FormView::applyRegion() {
    if (form_.region() == region_) return;
    region_ = form_.region();
    if (!region_) {
        clearMask();
        return;
    }
    QRegion mask = toQRegion(*region_).translated(0, menuBar_ ? menuBar_->sizeHint().height() : 0);
    // An empty mask would mean no mask at all: a pixel outside the window leaves nothing shown.
    if (mask.isEmpty()) mask = QRegion(-1, -1, 1, 1);
    setMask(mask);
}

void FormView::showMessage(const forms::Form::Message& m) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (m.style & 0x70) {
        case 16: icon = QMessageBox::Critical; break;
        case 32: icon = QMessageBox::Question; break;
        case 48: icon = QMessageBox::Warning; break;
        case 64: icon = QMessageBox::Information; break;
        default: break;
    }
    auto* box = new QMessageBox(icon, QString::fromStdString(m.title), QString::fromStdString(m.text), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

int FormView::menuWidth() const { return menuBar_ ? menuBar_->sizeHint().width() : 0; }

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
