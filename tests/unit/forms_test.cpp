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

TEST(TextBoxes, ClipboardKeysRespectTheLimitTheLockAndTheKeyPressHandler) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 5000, 5000});
  TextBox box(f, "box", {0, 0, 1000, 300});
  int changes = 0;
  box.onChange = [&] { ++changes; };
  bool swallowPaste = false;
  box.onKeyPress = [&](int& key) {
    if (swallowPaste && key == 22) key = 0;
  };
  box.setMaxLength(9);
  box.setText("ab");
  box.setSelection(1, 0);
  t.clipboard.own = "C:\\Users\\Ana\r\nsecond line";
  box.typeChar(22);  // Ctrl+V: the first line, cut to the room left (7 of 9)
  EXPECT_EQ(box.text(), "aC:\\Userb");
  EXPECT_EQ(box.selStart(), 8);
  box.typeChar(22);  // no room left
  EXPECT_EQ(box.text(), "aC:\\Userb");

  box.typeChar(1);  // Ctrl+A
  EXPECT_EQ(box.selLength(), 9);
  box.typeChar(24);  // Ctrl+X
  EXPECT_EQ(box.text(), "");
  EXPECT_EQ(t.clipboard.own, "aC:\\Userb");
  box.typeChar(26);  // Ctrl+Z takes the cut back, a second one makes it again
  EXPECT_EQ(box.text(), "aC:\\Userb");
  box.typeChar(26);
  EXPECT_EQ(box.text(), "");
  t.clipboard.own = "0123456789";
  box.paste();  // the context menu's Paste follows the same rules as Ctrl+V
  EXPECT_EQ(box.text(), "012345678");
  const int changesBefore = changes;

  swallowPaste = true;
  t.clipboard.own = "x";
  box.selectAll();
  box.typeChar(22);
  EXPECT_EQ(box.text(), "012345678") << "a key the handler swallowed does nothing";
  swallowPaste = false;

  box.setLocked(true);
  box.setSelection(0, 2);
  box.typeChar(3);  // Ctrl+C still copies from a locked box
  EXPECT_EQ(t.clipboard.own, "01");
  for (int key : {22, 24, 26, int(kKeyBack), int('z')}) box.typeChar(key);
  box.cut();
  box.clear();
  box.pressKey(kKeyDelete);
  EXPECT_EQ(box.text(), "012345678") << "nothing changes a locked box";
  EXPECT_EQ(changes, changesBefore);
  box.pressKey(kKeyHome);
  EXPECT_EQ(box.selStart(), 0) << "the caret still moves in a locked box";
  box.pressKey(kKeyEnd);
  EXPECT_EQ(box.selStart(), 9);

  box.setLocked(false);
  box.setMaxLength(0);
  box.typeChar(0x1F600);  // outside the basic plane: one character, whole
  EXPECT_EQ(box.text(), "012345678\xF0\x9F\x98\x80");
  box.typeChar(0xD83D);  // half a surrogate pair is no character
  box.typeChar(7);       // nor is a bell
  EXPECT_EQ(box.text(), "012345678\xF0\x9F\x98\x80");
  box.typeChar(kKeyBack);
  EXPECT_EQ(box.text(), "012345678");
}

namespace {
// A native side that only writes down what it is told.
class RecordingPeers final : public PeerFactory {
 public:
  struct Peer final : FormPeer {
    explicit Peer(RecordingPeers& o) : owner(o) {}
    [[nodiscard]] std::uintptr_t handle() const override { return 0x100; }
    void changed(Control& c, Change what) override {
      if (what == Change::Added) owner.log += "+" + c.name() + " ";
      if (what == Change::Removed) owner.log += "-" + c.name() + " ";
    }
    RecordingPeers& owner;
  };
  std::unique_ptr<FormPeer> createPeer(Form& /*form*/) override {
    return std::make_unique<Peer>(*this);
  }
  std::string log;
};
}  // namespace

TEST(Structure, ControlsAddedOrRemovedAfterShowReachTheNativeSideAndLeaveNothingBehind) {
  TestRuntime t;
  RecordingPeers peers;
  t.runtime.setPeerFactory(&peers);
  Form f(t.runtime, "f", {0, 0, 5000, 5000});
  Frame frame(f, "frame", {0, 0, 3000, 3000});
  f.show();
  auto box = std::make_unique<TextBox>(frame, "late", Rect{100, 100, 1000, 300});
  auto label = std::make_unique<Label>(f, "tip", Rect{0, 4000, 1000, 300});
  EXPECT_EQ(peers.log, "+late +tip ");

  box->typeChar('a');
  EXPECT_EQ(box->text(), "a") << "a control added after show is usable";
  box->setFocus();
  int clicks = 0;
  label->onClick = [&] { ++clicks; };
  f.pointerDown(kLeftButton, 0, {500, 4100});  // pressed: the form holds the label

  box.reset();
  label.reset();
  EXPECT_EQ(peers.log, "+late +tip -late -tip ");
  EXPECT_EQ(f.focusedControl(), nullptr);
  EXPECT_TRUE(frame.children().empty());
  f.pointerUp(kLeftButton, 0, {500, 4100});  // released over where it was: nothing to click
  EXPECT_EQ(clicks, 0);
  t.runtime.setPeerFactory(nullptr);
}

TEST(Focus, TabMovesThroughShownEnabledControlsTopToBottomAndWraps) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 9000, 9000});
  // Declared out of their order on the form: Tab follows the layout, not the declaration.
  TextBox folder(f, "folder", {100, 1000, 3000, 300});
  TextBox name(f, "name", {500, 100, 2000, 300});
  TextBox glyph(f, "glyph", {100, 100, 300, 300});
  Frame frame(f, "frame", {0, 2000, 5000, 2000});
  CheckBox tick(frame, "tick", {100, 100, 300, 300});
  TextBox hidden(f, "hidden", {100, 1500, 3000, 300});
  TextBox disabled(f, "disabled", {100, 1600, 3000, 300});
  Label label(f, "label", {100, 1700, 3000, 300});
  Button ok(f, "ok", {100, 5000, 1000, 400});
  hidden.setVisible(false);
  disabled.setEnabled(false);
  folder.setText("C:\\");

  auto names = [&] {
    std::string s;
    for (Control* c : f.tabOrder()) s += c->name() + " ";
    return s;
  };
  EXPECT_EQ(names(), "glyph name folder tick ok ");

  glyph.setFocus();
  std::string visited;
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(f.focusedControl()->pressKey(kKeyTab));
    visited += f.focusedControl()->name() + " ";
  }
  EXPECT_EQ(visited, "name folder tick ok glyph ");
  visited.clear();
  for (int i = 0; i < 3; ++i) {
    f.focusedControl()->pressKey(kKeyTab, kShift);
    visited += f.focusedControl()->name() + " ";
  }
  EXPECT_EQ(visited, "ok tick folder ");
  EXPECT_EQ(folder.selLength(), 3) << "a box reached by Tab has its text selected";

  frame.setVisible(false);  // what a hidden frame holds is skipped
  folder.pressKey(kKeyTab);
  EXPECT_EQ(f.focusedControl(), &ok);

  f.syncFocus(&name);  // the user clicked into the name box
  EXPECT_TRUE(name.focused());
  name.onKeyDown = [](int& key, int) {
    if (key == kKeyTab) key = 0;
  };
  name.pressKey(kKeyTab);
  EXPECT_TRUE(name.focused()) << "a Tab the handler swallowed stays";
  EXPECT_FALSE(name.pressKey('A')) << "a key the program does not take is left to the system";
}

TEST(Pointer, OnlyTheLeftAndRightButtonsClickAndADoubleClickClicksOnce) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 6000, 6000});
  Label tile(f, "tile", {0, 0, 1000, 1000});
  Label off(f, "off", {2000, 0, 1000, 1000});
  std::string log;
  tile.onMouseDown = [&](const MouseEvent& e) { log += "down" + std::to_string(e.button) + " "; };
  tile.onMouseUp = [&](const MouseEvent& e) { log += "up" + std::to_string(e.button) + " "; };
  tile.onClick = [&] { log += "click "; };
  tile.onDblClick = [&] { log += "dbl "; };
  off.setEnabled(false);
  off.onClick = [&] { log += "disabled-click "; };
  off.onMouseDown = [&](const MouseEvent&) { log += "disabled-down "; };

  f.pointerDown(kLeftButton, 0, {500, 500});
  f.pointerUp(kLeftButton, 0, {500, 500});
  f.pointerDoubleClick(f, 0, {500, 500});
  f.pointerUp(kLeftButton, 0, {500, 500});
  EXPECT_EQ(log, "down1 up1 click dbl up1 ");

  log.clear();
  f.pointerDown(kMiddleButton, 0, {500, 500});
  f.pointerUp(kMiddleButton, 0, {500, 500});
  f.pointerDown(kRightButton, 0, {500, 500});
  f.pointerUp(kRightButton, 0, {500, 500});
  f.pointerDown(kRightButton, 0, {500, 500});  // a quick second right press is a press
  f.pointerUp(kRightButton, 0, {500, 500});
  EXPECT_EQ(log, "down4 up4 down2 up2 click down2 up2 click ");

  log.clear();
  f.pointerDown(kLeftButton, 0, {2500, 500});
  f.pointerUp(kLeftButton, 0, {2500, 500});
  off.click();
  EXPECT_EQ(log, "") << "a disabled control neither hears nor clicks";
}

TEST(Lists, TheSelectionFollowsItsEntryAsOthersComeAndGo) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 6000, 6000});
  ListBox list(f, "list", {0, 0, 1000, 1000});
  int clicks = 0;
  list.onClick = [&] { ++clicks; };
  for (const char* s : {"a", "b", "c"}) list.addItem(s);
  list.setListIndex(1);
  list.addItem("first", 0);
  EXPECT_EQ(list.listIndex(), 2);
  EXPECT_EQ(list.text(), "b");
  list.addItem("last");
  list.addItem("mid", 3);
  EXPECT_EQ(list.text(), "b");
  list.removeItem(0);
  EXPECT_EQ(list.listIndex(), 1);
  EXPECT_EQ(list.text(), "b");
  list.removeItem(3);
  EXPECT_EQ(list.text(), "b");
  list.removeItem(1);
  EXPECT_EQ(list.listIndex(), -1) << "removing the selected entry leaves none selected";
  EXPECT_EQ(clicks, 1) << "only the program's own choice clicked";
}

TEST(ScrollBars, ANewRangePullsTheValueInsideAndTellsOnlyWhenItMoved) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 100, 100});
  ScrollBar bar(f, "bar", {0, 0, 100, 20}, 0, 10, 8);
  int changes = 0;
  bar.onChange = [&] { ++changes; };
  bar.setRange(0, 20);
  EXPECT_EQ(bar.value(), 8);
  EXPECT_EQ(changes, 0);
  bar.setRange(6, 2);  // reversed, and the value beyond it
  EXPECT_EQ(bar.value(), 6);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(bar.valueToThumb(6), 0);
  bar.setRange(0, 1);
  EXPECT_EQ(bar.value(), 1);
  EXPECT_EQ(changes, 2);
}

TEST(Buttons, EnterOrSpaceClicksOnceAndOtherKeysAreLeftToTheSystem) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 5000, 5000});
  Button ok(f, "ok", {0, 0, 1000, 400});
  int clicks = 0;
  ok.onClick = [&] { ++clicks; };
  EXPECT_TRUE(ok.pressKey(kKeyReturn));
  EXPECT_TRUE(ok.pressKey(' '));
  EXPECT_FALSE(ok.pressKey('A'));
  EXPECT_EQ(clicks, 2);
  ok.setEnabled(false);
  ok.pressKey(' ');
  EXPECT_EQ(clicks, 2);
}
