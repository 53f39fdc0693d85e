// A top-level window: borderless, placed in screen twips. Its native window is made on first
// show or first request for the handle, so a form built and unloaded unseen costs none.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/runtime.h"

namespace forms {

class Timer;

class Form : public Container {
 public:
  Form(Runtime& runtime, std::string name, Rect rect);
  ~Form() override;

  Runtime& runtime() { return runtime_; }

  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  void setVisible(bool visible) override;
  void setRect(Rect rect) override;
  bool keyDown(int key, int shift) override;
  // The native window moves to the monitor the program's windows stand on now, its rect counted
  // from that monitor's corner; until asked, a window stays on the monitor it was made on.
  void followMonitor() { notify(*this, Change::Monitor); }

  // Hides the form, stops its timers and destroys its native window at once; the object lives
  // on until the running handler returns (the owner hands it to Runtime::dispose).
  void unload();
  [[nodiscard]] bool unloaded() const { return unloaded_; }

  // The native window handle; asking for it creates the native window.
  std::uintptr_t hwnd();

  std::function<void()> onResize;  // on every size change and on first showing
  // A key the form took (Platform::takeKeys) pressed.
  std::function<void(int key)> onKeyDown;
  // Items dragged from the shell and dropped at `at` (twips from the form's corner), in the order
  // the shell lists them. A form with this handler accepts drops.
  std::function<void(Point at, const std::vector<DroppedItem>& items)> onDrop;
  void drop(Point at, const std::vector<DroppedItem>& items);
  // For screen readers, where the form paints what a user takes for buttons (the bar's tiles):
  // each with its name and place (twips from the form's corner), the lit one focused.
  struct AccessibleButton {
    std::string name;
    Rect rect;
    bool focused = false;
  };
  std::function<std::vector<AccessibleButton>()> accessibleButtons;
  // The light moved to another of those buttons: a screen reader hears of it.
  void accessibleFocusMoved() { notify(*this, Change::Focus); }
  std::function<void(Form&)> onUnloaded;  // for the owner: drop and dispose the form

  [[nodiscard]] Control* focusedControl() const { return focus_; }
  // The native window gave the keyboard to c (a click into a box): the model follows.
  void syncFocus(Control* c) { focus_ = c; }
  // Tab and Shift+Tab: the next or previous tab stop after `from`, top to bottom and left to
  // right on the form, wrapping around. A text box reached this way has its text selected.
  void tabFrom(Control& from, bool backwards);
  // The controls Tab stops at, in order.
  [[nodiscard]] std::vector<Control*> tabOrder() const;
  // Identifies this instance among every form made on its runtime; never reused.
  [[nodiscard]] int serial() const { return serial_; }
  // When the form takes the keyboard from the user's window: never (the bar: a click on a tile
  // must not take it), when clicked (the clock panel, for Enter), or as soon as it appears (the
  // configuration window, opened to be typed in).
  enum class Activation { Never, OnClick, OnShow };
  [[nodiscard]] Activation activation() const { return activation_; }
  void setActivation(Activation a) { activation_ = a; }

  // Pointer events from the native window of container c at p (twips relative to c). They go to
  // the control under the pointer; while a button is held they go to the control it was pressed
  // on, and releasing it there over that control clicks it.
  void pointerDown(Container& c, int button, int shift, Point p);
  void pointerUp(Container& c, int button, int shift, Point p);
  void pointerMove(Container& c, int button, int shift, Point p);
  // The second left press of a double click: a double-click event, not a second click, for the
  // control the first press went to, even when its click put another control there; the
  // release that follows only raises MouseUp.
  void pointerDoubleClick(Container& c, int shift, Point p);
  // Another window took the mouse while a button was held: a release outside every control.
  // The pressed control hears the button go up, and nothing is clicked.
  void captureLost();
  // From the form's own client coordinates.
  void pointerDown(int button, int shift, Point p) { pointerDown(*this, button, shift, p); }
  void pointerUp(int button, int shift, Point p) { pointerUp(*this, button, shift, p); }
  void pointerMove(int button, int shift, Point p) { pointerMove(*this, button, shift, p); }

 private:
  friend class Control;
  friend class Timer;
  void notify(Control& c, Change what);
  void setFocusTo(Control* c);
  void addTimer(Timer* t) { timers_.push_back(t); }
  void removeTimer(Timer* t);
  [[nodiscard]] Point localTo(const Control& target, Container& c, Point p) const;

  Runtime& runtime_;
  std::unique_ptr<FormPeer> peer_;
  std::vector<Timer*> timers_;
  Control* focus_ = nullptr;
  Control* capture_ = nullptr;
  Control* leftPress_ = nullptr;  // where the last left press went
  int captureButton_ = 0;
  bool captureClicks_ = true;
  int serial_;
  bool unloaded_ = false;
  bool everShown_ = false;
  Activation activation_ = Activation::Never;
};

}  // namespace forms
