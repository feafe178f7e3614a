#include "gui/formview.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
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
#include "gui/region.h"
#include "gui/view.h"

namespace gui {

using forms::Kind;

namespace {

// What a title bar and borders take before the window system has said: the last frame seen.
QMargins knownFrame(4, 30, 4, 4);

}  // namespace

FormView::FormView(forms::Form& form, forms::Host& host, View& view)
    : form_(form), host_(host), view_(view), scroll_(new QScrollArea(this)), canvas_(new QWidget),
      input_(new InputFilter([this](const std::function<void()>& a) { forward(a); },
                             [this](const std::function<void()>& a) { forwardClick(a); }, this)) {
    // The windows were laid out for a narrow sans serif; DejaVu, the usual default, clips labels.
    canvas_->setFont(designFont(font()));
    // Panels open beside the entry without taking the keyboard from it.
    setAttribute(Qt::WA_ShowWithoutActivating, !isDialog() && !view.isMain(*this));

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
                [this, &c] { forwardClick([&c] { c.click(); }); });
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
        canvas_->setFixedSize(size);
        fitInto(availableArea());
    }
    QPalette p = canvas_->palette();
    p.setColor(QPalette::Window, toQColor(form_.backColor()));
    canvas_->setPalette(p);
    scroll_->viewport()->setPalette(p);
    applyRegion();
    const bool shown = form_.loaded() && form_.visible();
    // Placed once; afterwards the window stays where the player moved it.
    const bool first = shown && !placed_;
    if (first) {
        placed_ = true;
        if (beforeFirstShow) beforeFirstShow(*this);
    }
    const bool wasShown = isVisible();
    setVisible(shown);
    if (first) {
        keepOnScreen();
        // The window system adds the title bar and borders after the window appears.
        QTimer::singleShot(300, this, [this] { keepOnScreen(); });
    }
    if (wasShown && !shown) view_.closed(*this);
}

QRect FormView::availableArea() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1920, 1080);
}

QSize FormView::wholeSize() const {
    return {designedSize_.width(), designedSize_.height() + (menuBar_ ? menuBar_->sizeHint().height() : 0)};
}

QMargins FormView::frameMargins() const {
    if (form_.borderStyle() == 0) return {};
    const QRect outer = frameGeometry(), inner = geometry();
    const QMargins seen(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    if (isVisible() && !seen.isNull()) {
        knownFrame = seen;
        return seen;
    }
    return knownFrame;
}

QSize FormView::frameSize() const {
    const QMargins m = frameMargins();
    return size().grownBy(m);
}

void FormView::fitInto(const QRect& avail) {
    const QMargins m = frameMargins();
    const QSize room = avail.size().shrunkBy(m).expandedTo(QSize(1, 1));
    const QSize whole = wholeSize();
    QSize fit = whole.boundedTo(room);
    // A scroll bar in one direction takes room from the other: give it that room where there is some.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    if (fit.height() < whole.height()) fit.setWidth(std::min(whole.width() + bar, room.width()));
    if (fit.width() < whole.width()) fit.setHeight(std::min(whole.height() + bar, room.height()));
    // Single and dialog borders cannot be dragged to another size.
    if (form_.borderStyle() == 1 || form_.borderStyle() == 3) {
        setFixedSize(fit);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(fit);
    }
}

// Right after the window appears: title bar, borders and close button all on its screen.
void FormView::keepOnScreen() {
    if (!isVisible()) return;
    frameMargins();  // learnt for the windows that open later
    const QRect avail = availableArea();
    QRect outer = frameGeometry();
    if (outer.width() > avail.width() || outer.height() > avail.height()) {
        fitInto(avail);
        outer = QRect(outer.topLeft(), frameSize());
    }
    QPoint at = outer.topLeft();
    at.setX(std::max(std::min(at.x(), avail.right() + 1 - outer.width()), avail.left()));
    at.setY(std::max(std::min(at.y(), avail.bottom() + 1 - outer.height()), avail.top()));
    if (at != outer.topLeft()) move(at);
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

// Within the window only: focus set by the model never pulls another window of ours to the front.
void FormView::applyFocus() {
    const forms::Control* c = form_.focus();
    QWidget* w = c ? widget(*c) : nullptr;
    if (w) w->setFocus(Qt::OtherFocusReason);
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
    view_.sync();
}

void FormView::forwardClick(const std::function<void()>& action) {
    forward(action);
    view_.clicked(*this);
}

void FormView::keyPressEvent(QKeyEvent* event) {
    if (isDialog()) {
        // As dialogs do: Escape closes, Enter presses the only button there is.
        if (event->key() == Qt::Key_Escape) {
            forward([this] { host_.closeRequested(form_); });
            return;
        }
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
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
    } else if (!view_.isMain(*this) && (!focusWidget() || focusWidget() == this) && view_.typeIntoEntry(*event)) {
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FormView::event(QEvent* event) {
    // A panel comes to the front holding no box: its keys go to the entry until a box is clicked.
    if (event->type() == QEvent::WindowActivate && !isDialog() && !view_.isMain(*this)) setFocus(Qt::ActiveWindowFocusReason);
    return QWidget::event(event);
}

}  // namespace gui
