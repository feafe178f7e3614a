#include "gui/formview.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QStyle>
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
#include "gui/keyboard.h"
#include "gui/region.h"

namespace gui {

using forms::Kind;

FormView::FormView(forms::Form& form, forms::Host& host, Keyboard& keyboard, std::function<void()> sync)
    : form_(form), host_(host), keyboard_(keyboard), sync_(std::move(sync)), scroll_(new QScrollArea(this)),
      canvas_(new QWidget),
      input_(new InputFilter([this](const std::function<void()>& a) { forward(a); },
                             [this](forms::Control& c, QWidget* w) { keyboard_.pressed(*this, c, w); },
                             [this](const QWidget* w, int key) { keyboard_.typed(w, key); }, this)) {
    // The windows were laid out for a narrow sans serif; DejaVu, the usual default, clips labels.
    canvas_->setFont(designFont(font()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // A window larger than its screen keeps its designed layout and scrolls.
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll_->setWidget(canvas_);
    layout->addWidget(scroll_);
    canvas_->setAutoFillBackground(true);

    std::vector<forms::Control*> menuItems;
    for (forms::Control* c : form.controls()) {
        if (c->kind() == Kind::MenuItem)
            menuItems.push_back(c);
        else
            addControl(*c);
    }
    if (!menuItems.empty()) {
        menuBar_ = new FormMenuBar(menuItems, [this](forms::Control& c) { forwardClick(c); }, this);
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
        if (!Keyboard::takesTyping(*c)) continue;
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

forms::Control* FormView::control(const QWidget* w) const {
    auto it = controls_.find(w);
    return it == controls_.end() ? nullptr : it->second;
}

void FormView::bringIntoSight(QWidget& child) { scroll_->ensureWidgetVisible(&child); }

void FormView::addControl(forms::Control& c) {
    if (c.kind() == Kind::Timer) {
        addTimer(c);
        return;
    }
    QWidget* w = createControlWidget(c, canvas_);
    if (!w) return;
    widgets_[&c] = w;
    controls_[w] = &c;
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        connect(edit, &QLineEdit::textEdited, this,
                [this, &c](const QString& text) { forward([&c, &text] { c.edit(text.toStdString()); }); });
    if (qobject_cast<QAbstractButton*>(w))
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
                [this, &c] { forwardClick(c); });
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
        if (applyControl(c, w)) keyboard_.written(w);
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

bool FormView::applyFrame() {
    setWindowTitle(QString::fromStdString(form_.caption()));
    // The designed size is the client area; the menu bar sits above it. Only a new size from the
    // model resizes, so a caption change keeps the size the player chose.
    const bool newBorder = applyBorder();
    const QSize size(std::max(form_.geometry().width, 1), std::max(form_.geometry().height, 1));
    const bool resized = size != designedSize_ || newBorder;
    if (resized) {
        designedSize_ = size;
        canvas_->setFixedSize(size);
    }
    QPalette p = canvas_->palette();
    p.setColor(QPalette::Window, toQColor(form_.backColor()));
    canvas_->setPalette(p);
    scroll_->viewport()->setPalette(p);
    applyRegion();
    return resized;
}

QSize FormView::wholeSize() const {
    return {designedSize_.width(), designedSize_.height() + (menuBar_ ? menuBar_->sizeHint().height() : 0)};
}

int FormView::scrollBarExtent() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_); }

int FormView::menuBottom() const {
    return menuBar_ ? menuBar_->mapToGlobal(QPoint(0, menuBar_->height())).y() : mapToGlobal(QPoint(0, 0)).y();
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
    connect(box, &QDialog::finished, this, [this] { keyboard_.messageClosed(*this); });
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

int FormView::menuWidth() const { return menuBar_ ? menuBar_->sizeHint().width() : 0; }

void FormView::applyDirty() {
    for (forms::Control* c : form_.takeDirty()) apply(*c);
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

void FormView::forwardClick(forms::Control& c) {
    forward([&c] { c.click(); });
    keyboard_.clicked(*this, c);
}

// As dialogs do: Escape closes, Enter presses the only button there is.
void FormView::keyPressEvent(QKeyEvent* event) {
    if (isDialog() && event->key() == Qt::Key_Escape) {
        forward([this] { host_.closeRequested(form_); });
        return;
    }
    if (isDialog() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        forms::Control* only = nullptr;
        int buttons = 0;
        for (forms::Control* c : form_.controls())
            if (c->kind() == Kind::CommandButton && c->visible() && c->enabled()) {
                only = c;
                ++buttons;
            }
        if (buttons == 1) {
            forward([only] { only->click(); });
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace gui
