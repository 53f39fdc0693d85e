#include "forms/form.h"

#include <algorithm>
#include <utility>

#include "forms/controls.h"
#include "forms/timer.h"

namespace forms {

Form::Form(Runtime& runtime, std::string name, Rect rect)
    : Container(nullptr, Kind::Form, std::move(name), rect),
      runtime_(runtime),
      serial_(runtime.nextSerial()) {
  visible_ = false;
}

Form::~Form() {
  for (Timer* t : timers_) t->halt();
  peer_.reset();
}

void Form::setVisible(bool visible) {
  if (unloaded_) return;
  if (visible) hwnd();
  Control::setVisible(visible);
  if (visible && !everShown_) {
    everShown_ = true;
    fire(onResize);
  }
}

void Form::setRect(Rect rect) {
  const bool resized = rect.width != width() || rect.height != height();
  Control::setRect(rect);
  if (resized && !unloaded_) fire(onResize);
}

bool Form::keyDown(int key, int /*shift*/) {
  if (!onKeyDown || unloaded_) return false;
  runtime_.dispatch([&] { onKeyDown(key); });
  return true;
}

void Form::drop(Point at, const std::vector<DroppedItem>& items) {
  if (onDrop && !unloaded_) runtime_.dispatch([&] { onDrop(at, items); });
}

void Form::unload() {
  if (unloaded_) return;
  runtime_.dispatch([&] {
    unloaded_ = true;
    for (Timer* t : timers_) t->halt();
    visible_ = false;
    focus_ = nullptr;
    capture_ = nullptr;
    leftPress_ = nullptr;
    // The native window goes when the running event is done, microseconds from now.
    if (peer_) runtime_.retire(std::move(peer_));
    if (onUnloaded) onUnloaded(*this);  // may hand this form to Runtime::dispose
  });
}

std::uintptr_t Form::hwnd() {
  if (unloaded_) return 0;
  if (!peer_) peer_ = runtime_.createPeer(*this);
  return peer_->handle();
}

void Form::notify(Control& c, Change what) {
  if (peer_) peer_->changed(c, what);
}

void Form::setFocusTo(Control* c) {
  if (focus_ == c) return;
  focus_ = c;
  if (c != nullptr) notify(*c, Change::Focus);
}

namespace {
void collectTabStops(const Container& c, std::vector<Control*>& out) {
  for (Control* child : c.children()) {
    if (child->kind() == Kind::Frame) {
      if (child->visible()) collectTabStops(static_cast<const Container&>(*child), out);
    } else if (child->tabStop()) {
      out.push_back(child);
    }
  }
}
}  // namespace

std::vector<Control*> Form::tabOrder() const {
  std::vector<Control*> stops;
  collectTabStops(*this, stops);
  std::stable_sort(stops.begin(), stops.end(), [](const Control* a, const Control* b) {
    const Rect ra = a->formRect();
    const Rect rb = b->formRect();
    return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
  });
  return stops;
}

void Form::tabFrom(Control& from, bool backwards) {
  const std::vector<Control*> stops = tabOrder();
  if (stops.empty()) return;
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const auto at = std::find(stops.begin(), stops.end(), &from) - stops.begin();
  std::ptrdiff_t next = 0;
  if (at == n) {
    // From a control Tab does not stop at: the first stop after it on the form.
    const Rect r = from.formRect();
    const auto after = std::find_if(stops.begin(), stops.end(), [&](const Control* c) {
      const Rect rc = c->formRect();
      return rc.top > r.top || (rc.top == r.top && rc.left > r.left);
    });
    next = after - stops.begin();
    if (backwards) next -= 1;
  } else {
    next = at + (backwards ? -1 : 1);
  }
  Control* target = stops[static_cast<std::size_t>((next % n + n) % n)];
  target->setFocus();
  if (target->kind() == Kind::TextBox) static_cast<TextBox*>(target)->selectAll();
}

void Form::removeTimer(Timer* t) { std::erase(timers_, t); }

Point Form::localTo(const Control& target, Container& c, Point p) const {
  const Rect from = c.formRect();
  const Rect to = target.formRect();
  return {p.x + from.left - to.left, p.y + from.top - to.top};
}

void Form::pointerDown(Container& c, int button, int shift, Point p) {
  runtime_.dispatch([&] {
    Point local;
    Control& target = c.pointerTarget(p, local);
    capture_ = &target;
    captureButton_ = button;
    captureClicks_ = true;
    if (button == kLeftButton) leftPress_ = &target;
    target.mouseDown(button, shift, local.x, local.y);
  });
}

void Form::pointerUp(Container& c, int button, int shift, Point p) {
  runtime_.dispatch([&] {
    if (capture_ == nullptr) {
      Point local;
      Control& target = c.pointerTarget(p, local);
      target.mouseUp(button, shift, local.x, local.y);
      return;
    }
    Control& target = *capture_;
    const bool sameButton = button == captureButton_;
    if (sameButton) capture_ = nullptr;
    const Point local = localTo(target, c, p);
    target.mouseUp(button, shift, local.x, local.y);
    const bool inside =
        local.x >= 0 && local.y >= 0 && local.x < target.width() && local.y < target.height();
    // Only the left and the right buttons click, and not the release of a double click.
    const bool clicks = captureClicks_ && (button == kLeftButton || button == kRightButton);
    if (sameButton && inside && clicks && !unloaded_) target.click();
  });
}

void Form::pointerMove(Container& c, int button, int shift, Point p) {
  runtime_.dispatch([&] {
    if (capture_ != nullptr) {
      const Point local = localTo(*capture_, c, p);
      capture_->mouseMove(button, shift, local.x, local.y);
      return;
    }
    Point local;
    Control& target = c.pointerTarget(p, local);
    target.mouseMove(button, shift, local.x, local.y);
  });
}

void Form::captureLost() {
  runtime_.dispatch([&] {
    Control* target = std::exchange(capture_, nullptr);
    if (target == nullptr) return;
    const Point outside = localTo(*target, *this, {-1, -1});
    target->mouseUp(captureButton_, 0, outside.x, outside.y);
  });
}

void Form::pointerDoubleClick(Container& c, int /*shift*/, Point p) {
  runtime_.dispatch([&] {
    Point local;
    Control& target = leftPress_ != nullptr ? *leftPress_ : c.pointerTarget(p, local);
    leftPress_ = nullptr;
    capture_ = &target;
    captureButton_ = kLeftButton;
    captureClicks_ = false;
    target.dblClick();
  });
}

}  // namespace forms
