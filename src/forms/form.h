// The headless forms layer: windows of named, indexed controls whose property writes raise their
// handlers at once and mark what the view has to repaint.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/region.h"

namespace forms {

// &H00BBGGRR, or a system colour &H8000000x; stored and compared exactly as written.
using Color = uint32_t;

namespace colors {
inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Red = 0x0000FF;
inline constexpr Color Green = 0x00C000;
inline constexpr Color BrightGreen = 0x00FF00;
inline constexpr Color Yellow = 0x00FFFF;
inline constexpr Color ScrollBar = 0x80000000;   // system colour 0
inline constexpr Color ButtonFace = 0x8000000F;
inline constexpr Color Window = 0x80000005;
inline constexpr Color WindowText = 0x80000008;
inline constexpr Color ButtonText = 0x80000012;
}  // namespace colors

enum class Kind { TextBox, Label, CheckBox, OptionButton, CommandButton, MenuItem, Timer, Line, Shape, Frame };

inline constexpr int KeyEnter = 13;

class Form;

struct Geometry {
    int left = 0, top = 0, width = 0, height = 0;
};

class Control {
public:
    Control(Form& form, Kind kind, std::string name, int index);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 outside a control array

    // Text of a text box, caption of every other kind. A change raises onChange at once.
    const std::string& text() const {
        if (stale_) materialize();
        return text_;
    }
    void setText(std::string_view t) {
        if (!sameText(t, text())) changeText(t);  // equal writes, the common case, cost a compare
    }
    const std::string& caption() const { return text(); }
    void setCaption(std::string_view t) { setText(t); }
    // A number shown by the one conversion (numText); the spin path's way to write figures.
    inline void setNumber(int64_t v);
    void setNumber(int v) { setNumber(static_cast<int64_t>(v)); }
    inline void setNumber(double v);
    // A text the system makes from its own figures, only when someone reads it (a long list of
    // figures that moves every spin): `bindText` gives the maker once, `touchBound` says the
    // figures moved. A text written otherwise stands until the next touch.
    void bindText(std::function<void(std::string&)> make) { source_ = std::move(make); }
    bool bound() const { return static_cast<bool>(source_); }
    bool showsBound() const { return cached_ == Cached::Bound; }
    void touchBound();

    Color foreColor() const { return fore_; }
    void setForeColor(Color c) {
        if (c != fore_) changeFore(c);
    }
    Color backColor() const { return back_; }
    void setBackColor(Color c) {
        if (c != back_) changeBack(c);
    }

    // Check box: 0 unticked, 1 ticked, 2 greyed. Option button: 0 or 1, exclusive in its group.
    // A change raises onClick, as the runtime did for switches set from code.
    int value() const { return value_; }
    void setValue(int v);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string t);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int b);
    const Geometry& geometry() const { return geo_; }
    void setGeometry(Geometry g);
    bool locked() const { return locked_; }  // text box the player cannot type into
    void setLocked(bool v);
    int fontSize() const { return fontSize_; }
    bool bold() const { return bold_; }
    void setFont(int size, bool bold);
    int alignment() const { return alignment_; }  // 0 left, 1 right, 2 centre
    void setAlignment(int a);
    // Option buttons are exclusive among those with the same group.
    int group() const { return group_; }
    void setGroup(int g) { group_ = g; }
    // Timer interval in milliseconds; a timer ticks while enabled and the interval is above 0.
    int interval() const { return interval_; }
    void setInterval(int ms);
    // Graphical check box (picture style) or menu item parent: free-form style hint for the view.
    int style() const { return style_; }
    void setStyle(int s) { style_ = s; }
    // Menu items: the caption of the parent menu item, empty for a top-level entry.
    const std::string& parentMenu() const { return parent_; }
    void setParentMenu(std::string p) { parent_ = std::move(p); }

    // Line end points, in the window's pixels.
    struct LineEnds {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        bool operator==(const LineEnds&) const = default;
    };
    const LineEnds& lineEnds() const { return line_; }
    void setLineEnds(LineEnds e);
    // Shape control: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
    int shape() const { return shape_; }
    void setShape(int s);
    // Shape control: 0 transparent (only its outline is drawn), 1 opaque.
    int backStyle() const { return backStyle_; }
    void setBackStyle(int b);
    // A text box drawn over its window's background instead of a fill of its own.
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);

    // Handlers, run to completion inside the call that raises them.
    std::function<void()> onChange;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int& key)> onKeyPress;
    std::function<void()> onMouseMove;
    std::function<void()> onTimer;
    std::function<void()> onGotFocus;

    // Player actions: the same calls the view makes.
    void keyPress(int& key);
    void typeKey(char c);             // key press, then the character inserted unless consumed
    void pressEnter();                // key press of Enter (nothing is inserted)
    void typeText(std::string_view s);  // a sequence of typeKey
    void edit(std::string_view newText);   // the view's "text edited" (keys already seen by keyPress)
    void click();                     // switches toggle / select first, then onClick
    void dblClick();
    void mouseMove();
    void tick();
    void setFocus();

    // Design-time writes: no handler, no dirty mark (the window is not drawn yet).
    Control& design(std::string t);
    Control& designColors(Color fore, Color back);
    Control& designValue(int v);
    Control& at(int left, int top, int width, int height);

    bool dirty() const { return dirty_; }
    void clearDirty() { dirty_ = false; }

private:
    void markDirty();
    void materialize() const;
    void changeNumber(int64_t v);
    enum class Cached : uint8_t { None, Int, Real, Bound };
    void showNumber(Cached kind, int64_t i, double r);
    void changeText(std::string_view t);
    void changeFore(Color c);
    void changeBack(Color c);
    // Most texts are a few characters: compare them in place rather than through a library call.
    static bool sameText(std::string_view a, const std::string& b) {
        if (a.size() != b.size()) return false;
        if (a.size() > 16) return a == std::string_view(b);
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i]) return false;
        return true;
    }

    Form& form_;
    Kind kind_;
    std::string name_;
    int index_;
    // A figure written to a box without a change handler is formatted only when someone reads it
    // (the view's repaint): a long run of spins formats each figure once, at the end.
    mutable std::string text_;
    mutable bool stale_ = false;
    Color fore_ = colors::WindowText;
    Color back_ = colors::Window;
    int value_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    int borderStyle_ = 0;
    Geometry geo_;
    bool locked_ = false;
    int fontSize_ = 8;
    bool bold_ = false;
    int alignment_ = 0;
    int group_ = 0;
    int interval_ = 0;
    int style_ = 0;
    std::string parent_;
    LineEnds line_;
    int shape_ = 0;
    int backStyle_ = 0;
    bool transparent_ = false;
    bool dirty_ = false;
    // The number the text was last written from, so an unchanged figure is not formatted again.
    Cached cached_ = Cached::None;
    std::function<void(std::string&)> source_;
    int64_t cachedInt_ = 0;
    double cachedReal_ = 0;
};

// An indexed control array; indexes may have gaps.
class ControlArray {
public:
    ControlArray(Form& form, Kind kind, std::string name) : form_(form), kind_(kind), name_(std::move(name)) {}
    // The element must exist: a missing one is a design fault, not a player's doing.
    Control& operator[](int i) const {
        Control* c = find(i);
        if (!c) missing(i);
        return *c;
    }
    Control* find(int i) const {
        return i >= 0 && static_cast<size_t>(i) < items_.size() ? items_[static_cast<size_t>(i)].get() : nullptr;
    }
    Control& add(int i);
    bool has(int i) const { return find(i) != nullptr; }
    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    int lbound() const;
    int ubound() const;
    size_t count() const;
    template <typename F>
    void forEach(F f) const {
        for (auto& c : items_)
            if (c) f(*c);
    }

private:
    [[noreturn]] void missing(int i) const;

    Form& form_;
    Kind kind_;
    std::string name_;
    std::vector<std::unique_ptr<Control>> items_;  // by index; gaps are null
};

class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    Color backColor() const { return back_; }
    void setBackColor(Color c);
    const Geometry& geometry() const { return geo_; }
    void setGeometry(Geometry g);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    // Shows the window and brings it up again in front of the others, shown already or not.
    void show() {
        setVisible(true);
        raise_ = true;
        frameDirty_ = true;
    }
    bool takeRaise() { return std::exchange(raise_, false); }
    void hide() { setVisible(false); }
    bool loaded() const { return loaded_; }
    void setLoaded(bool v) { loaded_ = v; frameDirty_ = true; }

    // 0 none, 1 fixed single, 2 sizable (the default), 3 fixed dialog.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int b);
    // The window cut to a region; nullopt while it is whole.
    const std::optional<std::vector<RegionOp>>& region() const { return region_; }
    void setRegion(std::vector<RegionOp> ops);

    // Message boxes that handlers raise; the view shows them after the handler returns.
    struct Message {
        std::string text, title;
        int style = 0;  // 16: critical stop
    };
    void messageBox(std::string text, std::string title, int style);
    std::vector<Message> takeMessages() { return std::exchange(messages_, {}); }

    // Controls by name and index (index -1 for a single control).
    Control* control(std::string_view name, int index = -1) const;
    ControlArray* array(std::string_view name) const;
    const std::vector<Control*>& controls() const { return order_; }  // creation order

    Control* focus() const { return focus_; }
    void setFocus(Control* c);

    // What changed since the view last looked. The form keeps its list's capacity, so a spin
    // that marks a thousand controls does not grow it again after every repaint.
    std::vector<Control*> takeDirty();
    void takeDirty(std::vector<Control*>& out);  // into the caller's buffer, which is replaced
    bool frameDirty() const { return frameDirty_; }
    void clearFrameDirty() { frameDirty_ = false; }
    bool focusDirty() const { return focusDirty_; }
    void clearFocusDirty() { focusDirty_ = false; }

    // Raised when the player closes the window with its close box.
    std::function<void()> onCloseRequest;

protected:
    // Design-time construction: a control array or a single control of the given kind.
    ControlArray& makeArray(Kind kind, std::string name);
    Control& makeControl(Kind kind, std::string name);

private:
    friend class Control;
    friend class ControlArray;
    void registerControl(Control& c);
    void noteDirty(Control& c) { dirty_.push_back(&c); }

    std::string name_;
    std::string caption_;
    Color back_ = colors::ButtonFace;
    Geometry geo_{0, 0, 800, 600};
    bool visible_ = false;
    bool loaded_ = false;
    bool raise_ = false;
    int borderStyle_ = 2;
    std::optional<std::vector<RegionOp>> region_;
    std::vector<Message> messages_;
    std::map<std::string, std::unique_ptr<ControlArray>, std::less<>> arrays_;
    std::map<std::string, std::unique_ptr<Control>, std::less<>> singles_;
    std::vector<Control*> order_;
    std::vector<Control*> dirty_;
    Control* focus_ = nullptr;
    bool frameDirty_ = true;
    bool focusDirty_ = false;
};

// What the view needs of the application: its windows by name, the loaded ones, and End.
// Most figures stand still; one that moves in a box without a change handler is only noted here
// and formatted when the view reads it.
inline void Control::setNumber(int64_t v) {
    if (cached_ == Cached::Int && cachedInt_ == v) return;
    if (onChange) return changeNumber(v);
    cached_ = Cached::Int;
    cachedInt_ = v;
    stale_ = true;
    if (!dirty_) {
        dirty_ = true;
        form_.noteDirty(*this);
    }
}

inline void Control::setNumber(double v) {
    // Whole figures share the integer cache: 7.0 after 7 is the same text.
    if (v > -1e15 && v < 1e15) {
        const auto whole = static_cast<int64_t>(v);
        if (static_cast<double>(whole) == v) return setNumber(whole);
    }
    if (cached_ == Cached::Real && cachedReal_ == v) return;  // NaN never matches: formatted again
    showNumber(Cached::Real, 0, v);
}

class Host {
public:
    virtual ~Host() = default;
    virtual Form& form(std::string_view name) = 0;       // loads on first touch
    virtual std::vector<Form*> loadedForms() = 0;        // in load order
    virtual bool ended() const = 0;
    virtual void closeRequested(Form& f) = 0;           // the player's close box
    // Where typing belongs while the player has not clicked into another box: the spin entry.
    virtual Control* entryBox() { return nullptr; }
    // The entry and the spin history beside it, which other windows open clear of.
    virtual std::vector<Control*> entryColumn() { return {}; }
};

}  // namespace forms
