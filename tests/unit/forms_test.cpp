// The forms runtime: timers, change events, unloading, scroll bars, hit-testing and text boxes.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "test_app.h"

using namespace forms;
using testing_support::TestRuntime;

namespace {

struct Counter {
  int n = 0;
  std::function<void()> fn() {
    return [this] { ++n; };
  }
};

}  // namespace

TEST(Timers, ReenablingKeepsTheCountAndIntervalChangesRestartIt) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 100, 100});
  Timer timer(f, 100, Running);
  Counter ticks;
  timer.onTimer = ticks.fn();

  t.timers.advance(90);
  timer.setEnabled(true);  // already running: the count goes on
  t.timers.advance(10);
  EXPECT_EQ(ticks.n, 1);

  t.timers.advance(50);
  timer.setEnabled(false);
  t.timers.advance(500);
  EXPECT_EQ(ticks.n, 1);  // stopped timers never fire

  timer.setEnabled(true);  // a stopped timer counts from now
  t.timers.advance(99);
  EXPECT_EQ(ticks.n, 1);
  t.timers.advance(1);
  EXPECT_EQ(ticks.n, 2);

  t.timers.advance(60);
  timer.setInterval(50);  // starts over: next tick 50 ms from now, not 40
  t.timers.advance(49);
  EXPECT_EQ(ticks.n, 2);
  t.timers.advance(1);
  EXPECT_EQ(ticks.n, 3);
  t.timers.advance(100);
  EXPECT_EQ(ticks.n, 5);
}

TEST(Timers, DueTicksFireInTimeOrderAndUnloadStopsThem) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 100, 100});
  Timer fast(f, 30, Running);
  Timer slow(f, 70, Running);
  std::string order;
  fast.onTimer = [&] { order += 'f'; };
  slow.onTimer = [&] { order += 's'; };
  t.timers.advance(150);
  EXPECT_EQ(order, "ffsffsf");  // 30 60 70 90 120 140 150
  f.unload();
  t.timers.advance(1000);
  EXPECT_EQ(order, "ffsffsf");
  EXPECT_EQ(t.timers.runningCount(), 0U);
  fast.setEnabled(true);  // an unloaded form's timers stay quiet
  EXPECT_EQ(t.timers.runningCount(), 0U);
}

TEST(ChangeEvents, FireOncePerRealChangeAndNeverForTheSameValue) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 5000, 5000});
  TextBox box(f, "box", {0, 0, 1000, 300});
  ScrollBar bar(f, "bar", {0, 400, 1000, 255}, 0, 10, 0);
  Label label(f, "label", {0, 800, 1000, 255});
  ComboBox combo(f, "combo", {0, 1200, 1000, 300});
  CheckBox check(f, "check", {0, 1600, 1000, 300});
  Counter boxChanges, barChanges, labelChanges, comboClicks, checkClicks;
  box.onChange = boxChanges.fn();
  bar.onChange = barChanges.fn();
  label.onChange = labelChanges.fn();
  combo.onClick = comboClicks.fn();
  check.onClick = checkClicks.fn();
  combo.addItem("a");
  combo.addItem("b");

  const int before = f.changeCount();
  box.setText("");
  bar.setValue(0);
  label.setCaption("");
  combo.setListIndex(-1);
  check.setValue(0);
  label.setForeColour(label.foreColour());
  EXPECT_EQ(boxChanges.n + barChanges.n + labelChanges.n + comboClicks.n + checkClicks.n, 0);
  EXPECT_EQ(f.changeCount(), before) << "an unchanged value must not ask for a repaint";

  box.setText("x");
  box.setText("x");
  bar.setValue(7);
  bar.setValue(7);
  label.setCaption("hi");
  label.setCaption("hi");
  combo.setListIndex(1);
  combo.setListIndex(1);
  check.click();
  check.setValue(1);
  EXPECT_EQ(boxChanges.n, 1);
  EXPECT_EQ(barChanges.n, 1);
  EXPECT_EQ(labelChanges.n, 1);
  EXPECT_EQ(comboClicks.n, 1);
  EXPECT_EQ(checkClicks.n, 1);
  EXPECT_EQ(check.value(), 1);
  EXPECT_EQ(combo.text(), "b");
  EXPECT_GT(f.changeCount(), before);

  EXPECT_THROW(bar.setValue(11), std::out_of_range);
  EXPECT_THROW(combo.setListIndex(2), std::out_of_range);
  EXPECT_EQ(bar.value(), 7);
}

namespace {
struct SelfUnloading : Form {
  explicit SelfUnloading(Runtime& rt) : Form(rt, "f", {0, 0, 100, 100}) {}
  Label label{*this, "l", {0, 0, 10, 10}};
  Timer timer{*this, 10, Running};
};
}  // namespace

TEST(Unloading, AWindowThatUnloadsItselfInItsOwnHandlerIsSafe) {
  TestRuntime t;
  auto owner = std::make_unique<SelfUnloading>(t.runtime);
  SelfUnloading* f = owner.get();
  f->onUnloaded = [&](Form& self) {
    if (owner.get() == &self) t.runtime.dispose(std::move(owner));
  };
  int handled = 0;
  bool sawUnloaded = false;
  f->timer.onTimer = [&] {
    f->unload();
    // Still inside the handler: the object is alive, unloaded and hidden.
    sawUnloaded = f->unloaded() && !f->visible() && !f->hasNative();
    f->label.setCaption("still here");
    ++handled;
  };
  f->show();
  EXPECT_TRUE(f->hasNative());
  t.timers.advance(10);
  EXPECT_EQ(handled, 1);
  EXPECT_TRUE(sawUnloaded);
  EXPECT_EQ(owner, nullptr) << "freed once the handler returned";
  EXPECT_EQ(t.runtime.pendingDisposals(), 0U);
  EXPECT_EQ(t.timers.runningCount(), 0U);
  t.timers.advance(100);
  EXPECT_EQ(handled, 1);
}

TEST(Unloading, NativeWindowsAreMadeOnlyWhenShownOrAskedFor) {
  TestRuntime t;
  Form unseen(t.runtime, "unseen", {0, 0, 100, 100});
  Label l(unseen, "l", {0, 0, 10, 10});
  l.setCaption("a");
  unseen.unload();
  EXPECT_FALSE(unseen.hasNative());

  Form asked(t.runtime, "asked", {0, 0, 100, 100});
  const auto h = asked.hwnd();
  EXPECT_NE(h, 0U);
  EXPECT_EQ(asked.hwnd(), h);
  EXPECT_FALSE(asked.visible());
  asked.unload();
  EXPECT_EQ(asked.hwnd(), 0U);
}

TEST(ScrollBars, AReversedRangeMapsThumbPositions) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 100, 100});
  ScrollBar reversed(f, "r", {0, 0, 100, 20}, 5, 0, 5);
  EXPECT_EQ(reversed.thumbRange(), 5);
  EXPECT_EQ(reversed.valueToThumb(5), 0);
  EXPECT_EQ(reversed.valueToThumb(0), 5);
  reversed.scrollTo(2);
  EXPECT_EQ(reversed.value(), 3);
  reversed.scrollTo(99);
  EXPECT_EQ(reversed.value(), 0);
  reversed.setValue(4);
  EXPECT_EQ(reversed.valueToThumb(reversed.value()), 1);
  EXPECT_THROW(reversed.setValue(6), std::out_of_range);
  EXPECT_THROW(reversed.setValue(-1), std::out_of_range);

  ScrollBar normal(f, "n", {0, 0, 100, 20}, 1, 255, 1);
  normal.scrollTo(10);
  EXPECT_EQ(normal.value(), 11);
  EXPECT_EQ(normal.valueToThumb(255), 254);
}

TEST(Pointer, HitTestingPicksTheTopmostShownWindowlessControl) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 6000, 6000});
  Label below(f, "below", {0, 0, 2000, 2000});
  Label above(f, "above", {1000, 1000, 2000, 2000});
  Frame frame(f, "frame", {4000, 0, 2000, 2000});
  Label inFrame(frame, "inFrame", {100, 100, 500, 500});
  std::string log;
  auto record = [&](const char* what) {
    return [&log, what](const MouseEvent& e) {
      log += what;
      log += "(" + std::to_string(e.x) + "," + std::to_string(e.y) + ")";
    };
  };
  below.onMouseDown = record("below");
  above.onMouseDown = record("above");
  inFrame.onMouseDown = record("inFrame");
  f.onMouseDown = record("form");
  frame.onMouseDown = record("frame");

  f.pointerDown(kLeftButton, 0, {1500, 1500});
  f.pointerUp(kLeftButton, 0, {1500, 1500});
  f.pointerDown(kLeftButton, 0, {500, 500});
  f.pointerUp(kLeftButton, 0, {500, 500});
  above.bringToFront();
  below.bringToFront();
  f.pointerDown(kLeftButton, 0, {1500, 1500});
  f.pointerUp(kLeftButton, 0, {1500, 1500});
  below.setVisible(false);
  f.pointerDown(kLeftButton, 0, {1500, 1500});
  f.pointerUp(kLeftButton, 0, {1500, 1500});
  f.pointerDown(kLeftButton, 0, {4200, 200});
  f.pointerUp(kLeftButton, 0, {4200, 200});
  f.pointerDown(kLeftButton, 0, {5500, 1500});
  f.pointerUp(kLeftButton, 0, {5500, 1500});
  f.pointerDown(kLeftButton, 0, {3500, 5000});
  EXPECT_EQ(log,
            "above(500,500)below(500,500)below(1500,1500)above(500,500)inFrame(100,100)"
            "frame(1500,1500)form(3500,5000)");
}

TEST(Pointer, ReleaseGoesToThePressedControlAndClicksOnlyOverIt) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 6000, 6000});
  Label a(f, "a", {0, 0, 1000, 1000});
  Label b(f, "b", {2000, 0, 1000, 1000});
  std::string log;
  a.onMouseUp = [&](const MouseEvent& e) { log += "upA" + std::to_string(e.x) + " "; };
  a.onMouseMove = [&](const MouseEvent&) { log += "moveA "; };
  b.onMouseMove = [&](const MouseEvent&) { log += "moveB "; };
  a.onClick = [&] { log += "clickA "; };
  b.onClick = [&] { log += "clickB "; };

  f.pointerDown(kRightButton, 0, {500, 500});
  f.pointerMove(kRightButton, 0, {2500, 500});
  f.pointerUp(kRightButton, 0, {2500, 500});
  f.pointerMove(0, 0, {2500, 500});
  f.pointerDown(kRightButton, 0, {500, 500});
  f.pointerUp(kRightButton, 0, {600, 500});
  EXPECT_EQ(log, "moveA upA2500 moveB upA600 clickA ");
}

TEST(TextBoxes, TypingFollowsTheEditBoxRules) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 5000, 5000});
  TextBox box(f, "box", {0, 0, 1000, 300});
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.onKeyPress = [](int& key) {
    if (key == 'z') key = 0;    // swallowed
    if (key == 'q') key = 'Q';  // replaced
  };
  box.setMaxLength(4);
  for (int c : {int('a'), int('z'), int('q'), 0xE1, int('b'), int('c')}) box.typeChar(c);
  EXPECT_EQ(box.text(),
            "aQ\xC3\xA1"
            "b");  // "aQáb": the fifth character is refused
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(box.selStart(), 4);

  box.setSelection(1, 2);
  box.typeChar('x');
  EXPECT_EQ(box.text(), "axb");
  EXPECT_EQ(box.selStart(), 2);
  box.typeChar(kKeyBack);
  box.typeChar(kKeyBack);
  box.typeChar(kKeyBack);
  EXPECT_EQ(box.text(), "b");
  box.pressKey(kKeyDelete);
  EXPECT_EQ(box.text(), "");
  box.setText("abc");
  EXPECT_EQ(box.selStart(), 0);
  box.setLocked(true);
  box.typeChar('x');
  EXPECT_EQ(box.text(), "abc");
}

TEST(Labels, AccessKeysAndAutoSize) {
  EXPECT_EQ(parseAccessKeys("&&").text, U"&");
  EXPECT_EQ(parseAccessKeys("&&").underline, -1);
  const AccessKeyText ak = parseAccessKeys("a&b&&c");
  EXPECT_EQ(ak.text, U"ab&c");
  EXPECT_EQ(ak.underline, 1);
  EXPECT_EQ(parseAccessKeys("\xC3\x8C").text, U"\u00CC");

  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 5000, 5000});
  Label l(f, "l", {100, 200, 1, 1});
  l.setFont({"Arial", 10, 400, 0});
  l.setAutoSize(true);
  l.setCaption("R&&D");  // shows "R&D": 3 characters of 100 twips
  EXPECT_EQ(l.rect(), (Rect{100, 200, 300, 250}));
  l.setFontSize(20);
  EXPECT_EQ(l.width(), 600);
}
