#include "forms/control.h"

#include <algorithm>

#include "forms/form.h"

namespace forms {

Control::Control(Container* parent, Kind kind, std::string name, Rect rect, int index)
    : parent_(parent), kind_(kind), name_(std::move(name)), index_(index), rect_(rect) {
  if (parent_ != nullptr) parent_->add(this);
}

Control::~Control() = default;

Form& Control::form() {
  Control* c = this;
  while (c->parent_ != nullptr) c = c->parent_;
  return static_cast<Form&>(*c);
}

bool Control::windowless() const {
  return kind_ == Kind::Label || kind_ == Kind::Shape || kind_ == Kind::Line ||
         kind_ == Kind::Image;
}

void Control::setRect(Rect rect) { assign(rect_, rect, Change::Geometry); }

Rect Control::formRect() const {
  Rect r = rect_;
  if (kind_ == Kind::Form) return {0, 0, r.width, r.height};
  for (const Control* p = parent_; p != nullptr && p->kind_ != Kind::Form; p = p->parent_) {
    r.left += p->rect_.left;
    r.top += p->rect_.top;
  }
  return r;
}

void Control::setVisible(bool visible) { assign(visible_, visible, Change::Visibility); }

bool Control::shown() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::setEnabled(bool enabled) { assign(enabled_, enabled, Change::Enabled); }
void Control::setBackColour(Colour c) { assign(back_, c, Change::Appearance); }
void Control::setForeColour(Colour c) { assign(fore_, c, Change::Appearance); }
void Control::setBackStyle(BackStyle s) { assign(backStyle_, s, Change::Appearance); }
void Control::setAlignment(Align a) { assign(align_, a, Change::Appearance); }
void Control::setToolTip(const std::string& tip) { assign(toolTip_, tip, Change::Appearance); }
void Control::setCaption(const std::string& caption) { assign(caption_, caption, Change::Text); }

void Control::setFont(const Font& font) {
  if (assign(font_, font, Change::Appearance)) fontChanged();
}

void Control::setFontName(const std::string& name) {
  Font f = font_;
  f.name = name;
  setFont(f);
}

void Control::setFocus() { form().setFocusTo(this); }

bool Control::focused() { return form().focusedControl() == this; }

bool Control::tabStop() const {
  switch (kind_) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::ListBox:
    case Kind::CheckBox:
    case Kind::ScrollBar:
    case Kind::Button:
      break;
    default:
      return false;
  }
  // Visible in its form, whether the form itself is shown yet or not.
  for (const Control* c = this; c != nullptr && c->kind_ != Kind::Form; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return enabled_;
}

void Control::changed(Change what) { form().notify(*this, what); }

void Control::fire(const std::function<void()>& handler) {
  if (handler) form().runtime().dispatch(handler);
}

void Control::fireMouse(const std::function<void(const MouseEvent&)>& handler,
                        const MouseEvent& e) {
  if (!handler || !enabled_) return;
  form().runtime().dispatch([&] { handler(e); });
}

void Control::click() {
  if (enabled_) fire(onClick);
}

void Control::dblClick() {
  if (enabled_) fire(onDblClick);
}

void Control::mouseDown(int button, int shift, int x, int y) {
  fireMouse(onMouseDown, {button, shift, x, y});
}

void Control::mouseUp(int button, int shift, int x, int y) {
  fireMouse(onMouseUp, {button, shift, x, y});
}

void Control::mouseMove(int button, int shift, int x, int y) {
  fireMouse(onMouseMove, {button, shift, x, y});
}

int Control::runKeyPress(int c) {
  int key = c;
  if (onKeyPress && enabled_) form().runtime().dispatch([&] { onKeyPress(key); });
  return key;
}

void Control::typeChar(int c) { runKeyPress(c); }

bool Control::pressKey(int key, int shift) {
  if (!enabled_) return false;
  if (key == kKeyTab && (shift & (kCtrl | kAlt)) == 0 && parent_ != nullptr) {
    form().tabFrom(*this, (shift & kShift) != 0);
    return true;
  }
  return keyDown(key, shift);
}

void Container::add(Control* child) {
  // Windowed controls stand above windowless ones: a new windowless child goes just below the
  // lowest windowed sibling.
  if (child->windowless()) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [](const Control* c) { return !c->windowless(); });
    children_.insert(it, child);
  } else {
    children_.push_back(child);
  }
}

Control* Container::hitTestWindowless(Point p) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* c = *it;
    if (c->windowless() && c->visible() && c->enabled() && c->rect().contains(p)) return c;
  }
  return nullptr;
}

Control& Container::pointerTarget(Point p, Point& local) {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* c = *it;
    if (c->windowless() || !c->visible() || !c->rect().contains(p)) continue;
    const Point inner{p.x - c->left(), p.y - c->top()};
    if (c->kind() == Kind::Frame) return static_cast<Container*>(c)->pointerTarget(inner, local);
    local = inner;
    return *c;
  }
  if (Control* c = hitTestWindowless(p)) {
    local = {p.x - c->left(), p.y - c->top()};
    return *c;
  }
  local = p;
  return *this;
}

}  // namespace forms
