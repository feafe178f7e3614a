#include "forms/form.h"

#include <cmath>
#include <stdexcept>

#include "forms/convert.h"

namespace forms {

Control::Control(Form& form, Kind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
    if (kind == Kind::TextBox) {
        back_ = colors::Window;
        fore_ = colors::WindowText;
        borderStyle_ = 1;  // text boxes are framed unless designed otherwise
    } else {
        back_ = colors::ButtonFace;
        fore_ = colors::ButtonText;
    }
    form_.registerControl(*this);
}

void Control::markDirty() {
    if (!dirty_) {
        dirty_ = true;
        form_.noteDirty(*this);
    }
}

void Control::changeText(std::string_view t) {
    // Most new texts are short and no longer than the old one: copied over it in place.
    if (t.size() <= text_.size() && t.size() <= 16) {
        char* d = text_.data();
        for (size_t i = 0; i < t.size(); ++i) d[i] = t[i];
        text_.resize(t.size());
    } else {
        text_.assign(t);
    }
    stale_ = false;
    cached_ = Cached::None;
    markDirty();
    if (onChange) onChange();
}

void Control::materialize() const {
    stale_ = false;
    if (cached_ == Cached::Bound) {
        text_.clear();
        source_(text_);
        return;
    }
    char buf[NumTextMax];
    const size_t n = cached_ == Cached::Int ? numTextTo(buf, cachedInt_) : numTextTo(buf, cachedReal_);
    text_.assign(buf, n);
}

void Control::showNumber(Cached kind, int64_t i, double r) {
    // A change handler must see the old text first and the new one at once.
    if (onChange && stale_) materialize();
    cached_ = kind;
    cachedInt_ = i;
    cachedReal_ = r;
    if (!onChange) {
        stale_ = true;
        markDirty();
        return;
    }
    char buf[NumTextMax];
    const size_t n = kind == Cached::Int ? numTextTo(buf, i) : numTextTo(buf, r);
    // The cache is set before the change handler runs: a handler that rewrites the box clears it.
    if (sameText(std::string_view(buf, n), text_)) return;
    text_.assign(buf, n);
    markDirty();
    onChange();
}

void Control::changeNumber(int64_t v) { showNumber(Cached::Int, v, 0); }

void Control::touchBound() {
    if (!source_) return;
    if (onChange) {  // the handler sees the new text at once
        std::string t;
        source_(t);
        setText(t);
        return;
    }
    cached_ = Cached::Bound;
    stale_ = true;
    markDirty();
}

void Control::setLineEnds(LineEnds e) {
    if (e == line_) return;
    line_ = e;
    markDirty();
}

void Control::setShape(int s) {
    if (s == shape_) return;
    shape_ = s;
    markDirty();
}

void Control::setBackStyle(int b) {
    if (b == backStyle_) return;
    backStyle_ = b;
    markDirty();
}

void Control::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    markDirty();
}


void Control::changeFore(Color c) {
    fore_ = c;
    markDirty();
}

void Control::changeBack(Color c) {
    back_ = c;
    markDirty();
}

void Control::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    markDirty();
    if (kind_ == Kind::OptionButton && v != 0) {
        // Exclusive within the group: the others are cleared quietly.
        for (Control* other : form_.controls()) {
            if (other != this && other->kind_ == Kind::OptionButton && other->group_ == group_ &&
                other->value_ != 0) {
                other->value_ = 0;
                other->markDirty();
            }
        }
    }
    if ((kind_ == Kind::CheckBox || (kind_ == Kind::OptionButton && v != 0)) && onClick) onClick();
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    markDirty();
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    markDirty();
}

void Control::setToolTip(std::string t) {
    if (t == toolTip_) return;
    toolTip_ = std::move(t);
    markDirty();
}

void Control::setBorderStyle(int b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    markDirty();
}

void Control::setGeometry(Geometry g) {
    geo_ = g;
    markDirty();
}

void Control::setLocked(bool v) {
    if (v == locked_) return;
    locked_ = v;
    markDirty();
}

void Control::setFont(int size, bool bold) {
    fontSize_ = size;
    bold_ = bold;
    markDirty();
}

void Control::setAlignment(int a) {
    alignment_ = a;
    markDirty();
}

void Control::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    markDirty();
}

void Control::keyPress(int& key) {
    if (onKeyPress) onKeyPress(key);
}

void Control::typeKey(char c) {
    int key = static_cast<unsigned char>(c);
    keyPress(key);
    if (key == 0 || key == KeyEnter || kind_ != Kind::TextBox || locked_) return;
    setText(text() + static_cast<char>(key));
}

void Control::pressEnter() {
    int key = KeyEnter;
    keyPress(key);
}

void Control::typeText(std::string_view s) {
    for (char c : s) typeKey(c);
}

void Control::edit(std::string_view newText) {
    if (kind_ != Kind::TextBox || locked_) return;
    setText(newText);
}

void Control::click() {
    if (!enabled_) return;
    if (kind_ == Kind::CheckBox) {
        setValue(value_ == 1 ? 0 : 1);  // raises onClick
        return;
    }
    if (kind_ == Kind::OptionButton) {
        if (value_ == 0) {
            setValue(1);  // raises onClick
            return;
        }
    }
    if (onClick) onClick();
}

void Control::dblClick() {
    if (enabled_ && onDblClick) onDblClick();
}

void Control::mouseMove() {
    if (onMouseMove) onMouseMove();
}

void Control::tick() {
    if (kind_ == Kind::Timer && enabled_ && interval_ > 0 && onTimer) onTimer();
}

void Control::setFocus() { form_.setFocus(this); }

Control& Control::design(std::string t) {
    text_ = std::move(t);
    stale_ = false;
    cached_ = Cached::None;
    return *this;
}

Control& Control::designColors(Color fore, Color back) {
    fore_ = fore;
    back_ = back;
    return *this;
}

Control& Control::designValue(int v) {
    value_ = v;
    return *this;
}

Control& Control::at(int left, int top, int width, int height) {
    geo_ = {left, top, width, height};
    return *this;
}

void ControlArray::missing(int i) const {
    throw std::out_of_range(name_ + "(" + std::to_string(i) + ") does not exist");
}

Control& ControlArray::add(int i) {
    if (i < 0) missing(i);
    if (static_cast<size_t>(i) >= items_.size()) items_.resize(static_cast<size_t>(i) + 1);
    auto& slot = items_[static_cast<size_t>(i)];
    if (!slot) slot = std::make_unique<Control>(form_, kind_, name_, i);
    return *slot;
}

int ControlArray::lbound() const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i]) return static_cast<int>(i);
    return 0;
}

int ControlArray::ubound() const {
    for (size_t i = items_.size(); i-- > 0;)
        if (items_[i]) return static_cast<int>(i);
    return -1;
}

size_t ControlArray::count() const {
    size_t n = 0;
    for (auto& c : items_) n += c != nullptr;
    return n;
}

Form::Form(std::string name) : name_(std::move(name)) {}
Form::~Form() = default;

void Form::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    frameDirty_ = true;
}

void Form::setBorderStyle(int b) {
    if (b == borderStyle_) return;
    borderStyle_ = b;
    frameDirty_ = true;
}

void Form::setRegion(std::vector<RegionOp> ops) {
    region_ = std::move(ops);
    frameDirty_ = true;
}

void Form::messageBox(std::string text, std::string title, int style) {
    messages_.push_back({std::move(text), std::move(title), style});
    frameDirty_ = true;
}

void Form::setBackColor(Color c) {
    back_ = c;
    frameDirty_ = true;
}

void Form::setGeometry(Geometry g) {
    geo_ = g;
    frameDirty_ = true;
}

void Form::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    frameDirty_ = true;
}

Control* Form::control(std::string_view name, int index) const {
    if (index < 0) {
        auto it = singles_.find(name);
        if (it != singles_.end()) return it->second.get();
    }
    auto it = arrays_.find(name);
    if (it == arrays_.end()) return nullptr;
    return it->second->find(index);
}

ControlArray* Form::array(std::string_view name) const {
    auto it = arrays_.find(name);
    return it == arrays_.end() ? nullptr : it->second.get();
}

void Form::setFocus(Control* c) {
    focus_ = c;
    focusDirty_ = true;
    if (c && c->onGotFocus) c->onGotFocus();
}

std::vector<Control*> Form::takeDirty() {
    std::vector<Control*> out;
    takeDirty(out);
    return out;
}

void Form::takeDirty(std::vector<Control*>& out) {
    out.assign(dirty_.begin(), dirty_.end());
    dirty_.clear();
    for (Control* c : out) c->clearDirty();
}

ControlArray& Form::makeArray(Kind kind, std::string name) {
    auto& slot = arrays_[name];
    if (!slot) slot = std::make_unique<ControlArray>(*this, kind, name);
    return *slot;
}

Control& Form::makeControl(Kind kind, std::string name) {
    auto& slot = singles_[name];
    if (!slot) slot = std::make_unique<Control>(*this, kind, name, -1);
    return *slot;
}

void Form::registerControl(Control& c) { order_.push_back(&c); }


}  // namespace forms
