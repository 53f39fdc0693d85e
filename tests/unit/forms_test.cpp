// The forms runtime: timers, change events, unloading, faults, the pointer, text boxes, focus.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "test_app.h"

using namespace forms;
using testing_support::TestRuntime;

namespace {

// A press and a release of `button` at one point of the form.
void press(Form& f, int button, Point p) {
  f.pointerDown(button, 0, p);
  f.pointerUp(button, 0, p);
}

// A runtime whose native side counts the windows it makes and the changes they hear of.
struct CountingRuntime : TestRuntime, PeerFactory {
  struct Peer final : FormPeer {
    explicit Peer(int& count) : changes(count) {}
    [[nodiscard]] std::uintptr_t handle() const override { return 1; }
    void changed(Control& /*c*/, Change /*what*/) override { ++changes; }
    int& changes;
  };
  std::unique_ptr<FormPeer> createPeer(Form& /*form*/) override {
    ++made;
    return std::make_unique<Peer>(changes);
  }
  Runtime counted{timers, metrics, this, &platform};
  int made = 0;
  int changes = 0;
  CountingRuntime() { counted.onFault = runtime.onFault; }
};

}  // namespace

TEST(Timers, ReenablingKeepsTheCountTicksComeInTimeOrderAndUnloadStopsAll) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 100, 100});
  Timer slow(f, 100, Running);
  Timer fast(f, 30, Stopped);
  std::string log;
  slow.onTimer = [&] { log += 's'; };
  fast.onTimer = [&] { log += 'f'; };
  t.timers.advance(90);
  slow.setEnabled(true);  // already running: the count goes on
  t.timers.advance(60);
  slow.setEnabled(false);
  t.timers.advance(500);
  EXPECT_EQ(log, "s") << "stopped timers never fire";
  slow.setEnabled(true);  // a stopped timer counts from now
  fast.setEnabled(true);
  t.timers.advance(99);
  EXPECT_EQ(log, "sfff");
  t.timers.advance(51);
  EXPECT_EQ(log, "sfffsff");  // 30 60 90 100 120 150
  f.unload();
  t.timers.advance(1000);
  EXPECT_EQ(log, "sfffsff");
  EXPECT_EQ(t.timers.runningCount(), 0U);
}

TEST(Controls, ChangeEventsFireOncePerRealChangeAndOutOfRangeValuesAreRefused) {
  CountingRuntime t;
  Form f(t.counted, "f", {0, 0, 5000, 5000});
  TextBox box(f, "box", {0, 0, 1000, 300});
  ScrollBar bar(f, "bar", {0, 400, 1000, 255}, 0, 10, 0);
  ComboBox combo(f, "combo", {0, 1200, 1000, 300});
  std::string log;
  box.onChange = [&] { log += "box "; };
  bar.onChange = [&] { log += "bar "; };
  combo.onClick = [&] { log += "combo "; };
  combo.addItem("a");
  combo.addItem("b");

  f.show();
  const int before = t.changes;
  box.setText("");
  bar.setValue(0);
  combo.setListIndex(-1);
  EXPECT_EQ(t.changes, before) << "an unchanged value must not ask for a repaint";
  for (int twice = 0; twice < 2; ++twice) {
    box.setText("x");
    bar.setValue(7);
    combo.setListIndex(1);
  }
  EXPECT_EQ(log, "box bar combo ");
  EXPECT_EQ(combo.text(), "b");
  EXPECT_GT(t.changes, before);
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

TEST(Unloading, AWindowUnloadingItselfInItsOwnHandlerIsSafeAndNativesComeOnlyWhenNeeded) {
  CountingRuntime t;
  auto owner = std::make_unique<SelfUnloading>(t.counted);
  SelfUnloading* f = owner.get();
  f->onUnloaded = [&](Form& self) {
    if (owner.get() == &self) t.counted.dispose(std::move(owner));
  };
  bool sawUnloaded = false;
  f->timer.onTimer = [&] {
    f->unload();
    // Still inside the handler: the object is alive, unloaded and hidden.
    sawUnloaded = f->unloaded() && !f->visible();
    f->label.setCaption("still here");
  };
  f->show();
  t.timers.advance(10);
  EXPECT_TRUE(sawUnloaded);
  EXPECT_EQ(owner, nullptr) << "freed once the handler returned";

  Form unseen(t.counted, "unseen", {0, 0, 100, 100});
  Label l(unseen, "l", {0, 0, 10, 10});
  l.setCaption("a");
  unseen.unload();
  EXPECT_EQ(t.made, 1) << "only the shown form has a native window";
}

TEST(Handlers, APlannedEndingEndsAHandlerSilentlyAndAnyOtherExceptionIsAFault) {
  TestRuntime t;
  std::vector<std::string> faults;
  t.runtime.onFault = [&](const std::string& what) { faults.push_back(what); };
  std::string done;
  for (int i = 0; i < 3; ++i) {
    t.runtime.dispatch([&] {
      done += std::to_string(i);
      if (i == 0) throw Ending("colour");
      if (i == 1) done += std::string("x").at(3);  // an index off by a few
    });
  }
  EXPECT_EQ(done, "012");  // what ran before the throw stays; the next handler runs
  ASSERT_EQ(faults.size(), 1U);
  EXPECT_NE(faults[0].find("basic_string"), std::string::npos);
}

TEST(Pointer, HitTestingPicksTheTopmostShownWindowlessControl) {
  TestRuntime t;
  Form f(t.runtime, "form", {0, 0, 6000, 6000});
  Label below(f, "below", {0, 0, 2000, 2000});
  Label above(f, "above", {1000, 1000, 2000, 2000});
  Frame frame(f, "frame", {4000, 0, 2000, 2000});
  Label inFrame(frame, "inFrame", {100, 100, 500, 500});
  std::string log;  // who heard the press, and where in its own twips
  for (Control* c : std::initializer_list<Control*>{&below, &above, &frame, &inFrame, &f}) {
    c->onMouseDown = [&log, c](const MouseEvent& e) {
      log += c->name() + "(" + std::to_string(e.x) + "," + std::to_string(e.y) + ")";
    };
  }
  press(f, kLeftButton, {1500, 1500});
  press(f, kLeftButton, {500, 500});
  above.setVisible(false);
  press(f, kLeftButton, {1500, 1500});
  press(f, kLeftButton, {4200, 200});
  press(f, kLeftButton, {5500, 1500});
  press(f, kLeftButton, {3500, 5000});
  EXPECT_EQ(log,
            "above(500,500)below(500,500)below(1500,1500)inFrame(100,100)frame(1500,1500)"
            "form(3500,5000)");
}

TEST(Pointer, ReleaseGoesToThePressedControlAndOnlyLeftOrRightClicksOverItUnlessDisabled) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 6000, 6000});
  Label a(f, "a", {0, 0, 1000, 1000});
  Label b(f, "b", {2000, 0, 1000, 1000});
  Label off(f, "off", {4000, 0, 1000, 1000});
  std::string log;
  a.onMouseDown = [&](const MouseEvent& e) { log += "down" + std::to_string(e.button) + " "; };
  a.onMouseUp = [&](const MouseEvent& e) {
    log += "up" + std::to_string(e.button) + "@" + std::to_string(e.x) + " ";
  };
  a.onMouseMove = [&](const MouseEvent&) { log += "moveA "; };
  b.onMouseMove = [&](const MouseEvent&) { log += "moveB "; };
  a.onClick = [&] { log += "clickA "; };
  a.onDblClick = [&] { log += "dbl "; };
  b.onClick = [&] { log += "clickB "; };
  off.setEnabled(false);
  off.onClick = [&] { log += "disabled-click "; };
  off.onMouseDown = [&](const MouseEvent&) { log += "disabled-down "; };

  f.pointerDown(kRightButton, 0, {500, 500});
  f.pointerMove(kRightButton, 0, {2500, 500});
  f.pointerUp(kRightButton, 0, {2500, 500});
  f.pointerMove(0, 0, {2500, 500});
  f.pointerDown(kRightButton, 0, {500, 500});
  f.pointerUp(kRightButton, 0, {600, 500});
  EXPECT_EQ(log, "down2 moveA up2@2500 moveB down2 up2@600 clickA ");

  log.clear();
  press(f, kLeftButton, {500, 500});
  b.setLeft(0);                            // the click put b over a
  f.pointerDoubleClick(f, 0, {500, 500});  // the second press of a double click is a's
  b.setLeft(2000);
  f.pointerUp(kLeftButton, 0, {500, 500});  // and does not click again
  press(f, kMiddleButton, {500, 500});      // nor does the middle button
  f.pointerDown(kLeftButton, 0, {500, 500});
  f.pointerUp(kRightButton, 0, {500, 500});  // another button's release does not click
  f.pointerUp(kLeftButton, 0, {1000, 500});  // nor one just beyond the edge
  f.pointerDown(kLeftButton, 0, {500, 500});
  f.captureLost();                          // another window took the mouse: released outside
  f.pointerUp(kLeftButton, 0, {500, 500});  // and no longer captured
  press(f, kLeftButton, {4500, 500});
  off.click();
  EXPECT_EQ(log,
            "down1 up1@500 clickA dbl up1@500 down4 up4@500 down1 up2@500 up1@1000 down1 up1@-1 "
            "up1@500 ")
      << "a disabled control neither hears nor clicks";
}

TEST(TextBoxes, TypingAndTheClipboardKeysFollowTheEditBoxRulesAfterTheKeyPressHandler) {
  TestRuntime t;
  Form f(t.runtime, "f", {0, 0, 5000, 5000});
  TextBox box(f, "box", {0, 0, 1000, 300});
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.onKeyPress = [](int& key) {
    if (key == 'z') key = 0;    // swallowed
    if (key == 'q') key = 'Q';  // replaced
  };
  // Types keys (Ctrl+A 1, Ctrl+C 3, Ctrl+V 22, Ctrl+X 24, Ctrl+Z 26) and tells the text left.
  auto type = [&](std::initializer_list<int> keys) {
    for (int key : keys) box.typeChar(key);
    return box.text();
  };
  box.setMaxLength(4);
  EXPECT_EQ(type({'a', 'z', 'q', 0xE1, 'b', 'c'}), "aQ\xC3\xA1\x62");  // "aQáb": no fifth
  EXPECT_EQ(changes, 4);
  box.setSelection(1, 2);
  EXPECT_EQ(type({'x'}), "axb");
  EXPECT_EQ(type({kKeyBack, kKeyBack, kKeyBack}), "b");
  box.pressKey(kKeyDelete);
  EXPECT_EQ(box.text(), "");

  box.setMaxLength(9);
  box.setText("ab");
  box.setSelection(1, 0);
  t.platform.clipboard = "C:\\Users\\Ana\r\nsecond line";
  EXPECT_EQ(type({22}), "aC:\\Userb");  // the first line, cut to the room left (7 of 9)
  EXPECT_EQ(type({1, 24}), "");
  EXPECT_EQ(t.platform.clipboard, "aC:\\Userb");
  EXPECT_EQ(type({26}), "aC:\\Userb");  // Ctrl+Z takes the cut back, a second one makes it again
  EXPECT_EQ(type({26}), "");
  t.platform.clipboard = "01234" + std::string(1, '\0') + "56789\rz";
  box.paste();  // the context menu's Paste too: the first line, without NULs, cut to the room
  EXPECT_EQ(box.text(), "012345678");
  box.setSelection(0, 2);
  box.typeChar(3);
  EXPECT_EQ(t.platform.clipboard, "01");
  box.setMaxLength(0);
  box.setSelection(9, 0);
  // A character outside the basic plane is one, whole; half a surrogate pair or a bell is none.
  EXPECT_EQ(type({0x1F600, 0xD83D, 7}), "012345678\xF0\x9F\x98\x80");
  EXPECT_EQ(type({kKeyBack}), "012345678");
  box.setText("ab");
  EXPECT_EQ(box.selStart(), 0);
  EXPECT_EQ(type({26}), "ab") << "a text the program sets leaves nothing to undo";
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

  glyph.setFocus();
  auto tabs = [&](int n, int shift) {
    std::string visited;
    for (int i = 0; i < n; ++i) {
      EXPECT_TRUE(f.focusedControl()->pressKey(kKeyTab, shift));
      visited += f.focusedControl()->name() + " ";
    }
    return visited;
  };
  EXPECT_EQ(tabs(5, 0), "name folder tick ok glyph ");
  EXPECT_EQ(tabs(3, kShift), "ok tick folder ");
  EXPECT_EQ(folder.selLength(), 3) << "a box reached by Tab has its text selected";
  frame.setVisible(false);  // what a hidden frame holds is skipped
  EXPECT_EQ(tabs(1, 0), "ok ");

  int clicks = 0;
  ok.onClick = [&] { ++clicks; };
  EXPECT_TRUE(ok.pressKey(' '));
  EXPECT_FALSE(ok.pressKey('A')) << "a key the program does not take is left to the system";
  EXPECT_EQ(clicks, 1) << "Space clicks a button once, as Enter does";
}
