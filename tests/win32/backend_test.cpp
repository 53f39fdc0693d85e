// The Win32 backend for real: windows, styles, painting, native controls and timers, and what
// an editing window asks of it: text boxes whose editing is the model's, the model's focus, one
// click per press, and lists filled item by item.
#include <gtest/gtest.h>
#include <windows.h>
// (uses what windows.h declares)
#include <shlobj.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/app.h"
#include "config/config_window.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_platform.h"
#include "program.h"
#include "screen.h"
#include "wait.h"

namespace {

using forms::rgb;
using Place = std::array<LONG, 4>;  // left, top, right, bottom

struct Rig {
  win32::Win32Platform platform;
  win32::Backend backend{GetModuleHandleW(nullptr)};
  forms::Runtime runtime{backend, backend, &backend, &platform.clipboard()};
  Rig() { backend.attach(runtime); }
};

bool pixelIs(int x, int y, forms::Colour c) {
  return wintest::anyPixel({x, y, x + 1, y + 1}, 1,
                           [&](COLORREF p) { return p == static_cast<COLORREF>(c); });
}

HWND hwndOf(forms::Form& f) { return reinterpret_cast<HWND>(f.hwnd()); }

Place placeOf(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return {r.left, r.top, r.right, r.bottom};
}

std::pair<DWORD, DWORD> selectionOf(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// Key messages as the system makes them: scan code, and the repeat and release bits; with
// `shift`, Shift is held down meanwhile.
void keyDown(HWND h, int key, bool repeat = false, bool shift = false) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(state);
  SendMessageW(h, WM_KEYDOWN, static_cast<WPARAM>(key), repeat ? 0x40000001 : 0x00000001);
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
}
void keyUp(HWND h, int key) {
  SendMessageW(h, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001));
}

}  // namespace

TEST(Backend, AFormIsABorderlessToolWindowPaintedInZOrder) {
  Rig rig;
  ASSERT_EQ(win32::screenDpi(), 96) << "run at 96 DPI";
  forms::Form f(rig.runtime, "f", {1500, 1500, 7815, 4455});
  f.setBackColour(rgb(255, 0, 0));
  forms::Label label(f, "label", {1500, 1500, 1500, 750});
  label.setBackColour(rgb(0, 0, 255));
  forms::Shape filled(f, "filled", {4500, 300, 600, 600}, forms::ShapeStyle::Filled, rgb(0, 128, 0),
                      rgb(0, 128, 0));
  forms::Label over(f, "over", {4800, 600, 600, 600});  // above the shape, transparent
  over.setBackStyle(forms::BackStyle::Transparent);
  forms::Frame frame(f, "frame", {300, 3000, 1500, 900});
  frame.setBackColour(rgb(255, 255, 0));
  forms::Label inFrame(frame, "inFrame", {750, 0, 750, 900});
  inFrame.setBackColour(rgb(255, 0, 255));
  forms::Label centred(f, "centred", {150, 150, 3000, 900});  // pixels 10 to 210
  centred.setBackColour(rgb(255, 255, 255));
  centred.setFont({"Arial", 20, 700, 0});
  centred.setAlignment(forms::Align::Center);
  centred.setCaption("WWW");

  f.show();
  rig.platform.makeTopmost(f.hwnd());
  HWND h = hwndOf(f);
  EXPECT_EQ(placeOf(h), (Place{100, 100, 621, 397}));
  EXPECT_EQ(
      static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
      WS_POPUP);
  EXPECT_NE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

  EXPECT_TRUE(wintest::waitFor([&] { return pixelIs(100 + 150, 100 + 125, rgb(0, 0, 255)); }));
  EXPECT_TRUE(pixelIs(100 + 330, 100 + 50, rgb(0, 128, 0)));    // shape, seen through the label
  EXPECT_TRUE(pixelIs(100 + 30, 100 + 230, rgb(255, 255, 0)));  // frame
  EXPECT_TRUE(pixelIs(100 + 90, 100 + 230, rgb(255, 0, 255)));  // label inside the frame
  // The centred caption's black strokes cross the label's middle and stay off its ends.
  const auto black = [](COLORREF c) { return GetGValue(c) < 64; };
  EXPECT_TRUE(wintest::anyPixel({100 + 100, 110, 100 + 120, 170}, 1, black));
  EXPECT_FALSE(wintest::anyPixel({100 + 10, 110, 100 + 30, 170}, 1, black));
  EXPECT_FALSE(wintest::anyPixel({100 + 190, 110, 100 + 210, 170}, 1, black));

  label.setBackColour(rgb(0, 255, 255));
  EXPECT_TRUE(wintest::waitFor([&] { return pixelIs(100 + 150, 100 + 125, rgb(0, 255, 255)); }));
  frame.setVisible(false);
  EXPECT_TRUE(wintest::waitFor([&] { return pixelIs(100 + 30, 100 + 230, rgb(255, 0, 0)); }));

  f.setRect({3000, 1500, 1500, 1500});
  EXPECT_EQ(placeOf(h), (Place{200, 100, 300, 200}));
  // Within one event the window takes its place once, when the event is over: grown and then
  // moved back to the same right edge, it never stands beyond it in between.
  rig.runtime.dispatch([&] {
    f.setWidth(3000);
    f.setLeft(1500);
    EXPECT_EQ(placeOf(h), (Place{200, 100, 300, 200}));
  });
  EXPECT_EQ(placeOf(h), (Place{100, 100, 300, 200}));
}

TEST(Backend, ALayeredWindowKeepsPaintingAsItGrows) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 15, 3000});
  f.setBackColour(rgb(17, 17, 17));
  forms::Label label(f, "label", {0, 300, 1500, 750});
  label.setBackColour(rgb(0, 0, 255));
  f.show();
  rig.platform.makeTopmost(f.hwnd());
  rig.platform.setLayeredAlpha(f.hwnd(), 11);
  f.setWidth(1590);
  rig.platform.setLayeredAlpha(f.hwnd(), 255);
  EXPECT_TRUE(wintest::waitFor([&] { return pixelIs(100 + 50, 100 + 30, rgb(0, 0, 255)); }));
}

TEST(Backend, TimersTickOnTheMessageLoopAtTheirInterval) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {0, 0, 150, 150});
  forms::Timer timer(f, 50, forms::Running);
  std::vector<ULONGLONG> at;
  timer.onTimer = [&] {
    at.push_back(GetTickCount64());
    if (at.size() == 6) timer.setEnabled(false);
  };
  ASSERT_TRUE(wintest::waitFor([&] { return at.size() == 6; }));
  // A busy machine delays ticks, never hurries them: the quickest shows the interval.
  ULONGLONG quickest = ~0ULL;
  for (std::size_t i = 1; i < at.size(); ++i) quickest = std::min(quickest, at[i] - at[i - 1]);
  EXPECT_LT(quickest, 75U) << "ms between ticks of a 50-ms timer";
}

TEST(Backend, NativeControlsFollowTheModelAndTheUsersChoiceAndAListFillsInLinearTime) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 6000, 3000});
  forms::ScrollBar reversed(f, "reversed", {150, 150, 3000, 255}, 5, 0, 5);
  forms::ComboBox combo(f, "combo", {150, 1050, 2000, 300});
  forms::ListBox list(f, "List1", {3000, 0, 3000, 3000});
  list.setVisible(false);  // as the bar's list of settings lines
  int scrolls = 0;
  reversed.onChange = [&] { ++scrolls; };
  combo.addItem("Webdings");
  combo.addItem("Wingdings");
  combo.setListIndex(1);
  f.show();
  HWND top = hwndOf(f);
  HWND sb = FindWindowExW(top, nullptr, L"ScrollBar", nullptr);
  HWND co = FindWindowExW(top, nullptr, L"ComboBox", nullptr);
  HWND lb = FindWindowExW(top, nullptr, L"ListBox", nullptr);
  ASSERT_TRUE(sb != nullptr && co != nullptr && lb != nullptr);

  reversed.setValue(2);
  EXPECT_EQ(GetScrollPos(sb, SB_CTL), 3);
  SendMessageW(top, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(sb));
  EXPECT_EQ(reversed.value(), 1);
  SendMessageW(top, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), reinterpret_cast<LPARAM>(sb));
  EXPECT_EQ(reversed.value(), 0);
  EXPECT_EQ(scrolls, 3);

  EXPECT_EQ(SendMessageW(co, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(co, CB_GETCURSEL, 0, 0), 1);
  SendMessageW(co, CB_SETCURSEL, 0, 0);  // the user's choice in the open list
  SendMessageW(top, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(co), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(co));
  EXPECT_EQ(combo.text(), "Webdings");

  // A list filled item by item: the time grows with its length, not with its square.
  const auto count = [&] { return SendMessageW(lb, LB_GETCOUNT, 0, 0); };
  // Milliseconds to add n lines one by one until the native list holds them all; ten seconds at
  // most.
  const auto fill = [&](int n) {
    list.clear();
    wintest::pumpMessages();
    const ULONGLONG start = GetTickCount64();
    for (int i = 0; i < n && GetTickCount64() - start < 10000; ++i) {
      list.addItem("Line " + std::to_string(i));
    }
    wintest::waitFor([&] { return count() == n; }, 10000);
    return GetTickCount64() - start;
  };
  const ULONGLONG small = fill(5000);
  const ULONGLONG large = fill(20000);
  ASSERT_EQ(count(), 20000);
  wchar_t last[32] = {};
  SendMessageW(lb, LB_GETTEXT, 19999, reinterpret_cast<LPARAM>(last));
  EXPECT_STREQ(last, L"Line 19999");
  // Four times the lines: about four times the time, far from the sixteen of a rebuild per line.
  EXPECT_LT(large, 10 * small + 50) << small << " ms for 5000 lines, " << large << " for 20000";
  EXPECT_LT(large, 5000U);

  list.addItem("last");
  list.setListIndex(20000);
  ASSERT_TRUE(wintest::waitFor([&] { return count() == 20001; }));
  EXPECT_EQ(SendMessageW(lb, LB_GETCURSEL, 0, 0), 20000) << "the selection of a list rebuilt later";
}

TEST(Backend, TextBoxKeysAndClipboardCommandsGoThroughTheModel) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 3000, 1500});
  forms::TextBox box(f, "box", {150, 150, 2500, 375});
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.onKeyPress = [](int& key) { key = key == 'z' ? 0 : key; };
  f.show();
  HWND edit = FindWindowExW(hwndOf(f), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);

  // Typed keys go through the model, whose handler drops one; a character outside the first
  // plane comes as a surrogate pair and arrives whole.
  for (wchar_t c : std::wstring(L"az\U0001F600\u00e1")) SendMessageW(edit, WM_CHAR, c, 0);
  EXPECT_EQ(box.text(), "a\U0001F600\u00e1");
  EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{4}, DWORD{4}));

  // Ctrl+A selects all and Ctrl+C copies, which the native box does not do by itself; the
  // context menu's commands act on the selection the user made natively.
  SendMessageW(edit, WM_CHAR, 1, 0);
  EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{0}, DWORD{4}));
  SendMessageW(edit, WM_CHAR, 3, 0);
  EXPECT_EQ(rig.platform.clipboardText(), box.text());
  SendMessageW(edit, EM_SETSEL, 0, 1);
  SendMessageW(edit, WM_CUT, 0, 0);
  EXPECT_EQ(box.text(), "\U0001F600\u00e1");
  EXPECT_EQ(rig.platform.clipboardText(), "a");
  SendMessageW(edit, WM_UNDO, 0, 0);
  SendMessageW(edit, EM_SETSEL, 3, 3);
  SendMessageW(edit, WM_PASTE, 0, 0);
  SendMessageW(edit, EM_SETSEL, 0, 1);
  SendMessageW(edit, WM_CLEAR, 0, 0);
  EXPECT_EQ(box.text(), "\U0001F600a\u00e1");
  EXPECT_EQ(wintest::windowText(edit), L"\U0001F600a\u00e1");
  EXPECT_EQ(changes, 7) << "one change per edit, none twice";

  // Paste (of the context menu), Ctrl+V and Shift+Insert are the model's paste, cut to the room
  // left by the maximum length the native box holds too.
  box.setMaxLength(5);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 5);
  rig.platform.setClipboardText("\u00e12345");
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    box.setText("abc");
    box.setSelection(3, 0);
    if (way == 0) SendMessageW(edit, WM_PASTE, 0, 0);
    if (way == 1) SendMessageW(edit, WM_CHAR, 22, 0);
    if (way == 2) keyDown(edit, VK_INSERT, false, true);
    EXPECT_EQ(box.text(), "abc\u00e12");
    EXPECT_EQ(wintest::windowText(edit), L"abc\u00e12");
  }
  box.setMaxLength(0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST(Backend, TabAndClicksMoveTheModelsFocusAndOnePressIsOneClick) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 4500, 3000});
  f.setActivation(forms::Form::Activation::OnShow);
  // Declared out of order: Tab goes top to bottom, then left to right, all the same.
  forms::TextBox third(f, "third", {150, 1650, 2000, 375});
  forms::TextBox first(f, "first", {150, 150, 2000, 375});
  forms::Frame frame(f, "frame", {150, 600, 3000, 900});
  forms::TextBox second(frame, "second", {0, 150, 2000, 375});
  forms::Button button(f, "button", {150, 2100, 1500, 450});
  forms::CheckBox check(f, "check", {1800, 2100, 1500, 300});
  forms::Label label(f, "label", {3000, 1500, 1400, 750});
  second.setText("two");
  std::string events;
  button.onClick = [&] { events += "button "; };
  check.onClick = [&] { events += "check "; };
  third.onClick = [&] { events += "box "; };
  label.onMouseDown = [&](const forms::MouseEvent& e) {
    events += "press" + std::to_string(e.button) + " ";
  };
  label.onClick = [&] { events += "click "; };
  label.onDblClick = [&] { events += "double "; };
  f.show();
  SetForegroundWindow(hwndOf(f));  // as a user's click would
  SetActiveWindow(hwndOf(f));
  // In z-order, the last made on top.
  HWND top = hwndOf(f);
  HWND e1 = FindWindowExW(top, nullptr, L"Edit", nullptr);
  HWND e3 = FindWindowExW(top, e1, L"Edit", nullptr);
  HWND e2 = FindWindowExW(FindWindowExW(top, nullptr, L"TervaloFrame", nullptr), nullptr, L"Edit",
                          nullptr);
  HWND c = FindWindowExW(top, nullptr, L"Button", nullptr);
  HWND b = FindWindowExW(top, c, L"Button", nullptr);
  ASSERT_TRUE(e1 != nullptr && e2 != nullptr && e3 != nullptr && b != nullptr && c != nullptr);
  ASSERT_TRUE(wintest::waitFor([&] { return GetFocus() == e1; }))
      << "the form's keyboard goes to its first tab stop";

  for (HWND next : {e2, e3, b, c, e1}) {  // round to the first
    keyDown(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), next);
  }
  SendMessageW(e2, WM_CHAR, '\t', 0);
  EXPECT_EQ(second.text(), "two") << "the Tab character is not typed";
  keyDown(e1, VK_TAB, false, true);
  EXPECT_EQ(GetFocus(), c) << "Shift+Tab goes back";

  // One click each: Space, Space held down, Enter, a click, Space on the check box.
  for (bool repeat : {false, true, true}) keyDown(b, VK_SPACE, repeat);
  SendMessageW(b, WM_CHAR, ' ', 0);
  keyUp(b, VK_SPACE);
  keyDown(b, VK_RETURN);
  keyUp(b, VK_RETURN);
  SendMessageW(b, BM_CLICK, 0, 0);
  keyDown(c, VK_SPACE);
  keyUp(c, VK_SPACE);
  EXPECT_EQ(events, "button button button check ");
  EXPECT_EQ(SendMessageW(c, BM_GETCHECK, 0, 0), BST_CHECKED);

  // Quick second presses on a windowless control: right (2) and middle (4) are presses like the
  // first; the left (1) one is a double click and its release clicks nothing. A click into a
  // box is the box's click, and moves the program's focus there.
  events.clear();
  for (const auto& [down, held] : {std::pair<UINT, WPARAM>{WM_RBUTTONDOWN, MK_RBUTTON},
                                   {WM_MBUTTONDOWN, MK_MBUTTON},
                                   {WM_LBUTTONDOWN, MK_LBUTTON}}) {
    // Down, up, the second press, up.
    for (UINT m : {down, down + 1, down + 2, down + 1}) {
      SendMessageW(top, m, m == down + 1 ? 0 : held, MAKELPARAM(210, 110));
    }
  }
  SendMessageW(e3, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(e3, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(events, "press2 click press2 click press4 press4 press1 click double box ");
  EXPECT_EQ(f.focusedControl(), &third);

  // Another window takes the mouse between a press and its release: no click. A click puts the
  // box under the pointer: the double click's second press is the label's, and the box's next
  // press, which the system pairs with that one, a plain press.
  events.clear();
  SendMessageW(top, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(210, 110));
  SetCapture(e1);
  SendMessageW(top, WM_LBUTTONUP, 0, MAKELPARAM(210, 110));
  label.onClick = [&] { third.setRect({3000, 1500, 1400, 375}); };
  SendMessageW(top, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(210, 110));
  SendMessageW(top, WM_LBUTTONUP, 0, MAKELPARAM(210, 110));
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    SendMessageW(e3, m, m == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(10, 10));
  }
  EXPECT_EQ(events, "press1 press1 double box ");

  forms::Form never(rig.runtime, "never", {0, 0, 1500, 1500});
  never.show();
  f.unload();
  wintest::pumpMessages();
  EXPECT_FALSE(IsWindow(top));
  EXPECT_NE(GetActiveWindow(), hwndOf(never)) << "a form that goes hands it no activation";
}

// A drop as the shell delivers it: a DROPFILES block of wide paths, the point in the client area
// of the window under the pointer, which accepts files.
TEST(Backend, AFolderDroppedOnTheConfigurationWindowFillsTheRowUnderThePointer) {
  Rig rig;
  App app(rig.platform, rig.runtime);
  app.settings()[core::BarSize] = 4;  // five rows
  // The window closes on a left click outside it: forget the clicks earlier tests made.
  GetAsyncKeyState(VK_LBUTTON);
  app.openConfig();
  frmConfig& w = *app.findConfig();
  HWND top = hwndOf(w);
  ASSERT_NE(GetWindowLongW(top, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  ASSERT_TRUE(wintest::waitFor([&] { return app.findConfig() == &w && w.frmeBig1.left() == 600; }))
      << "open and slid in";
  const std::wstring files = L"C:\\windows\\system32\0C:\\windows\0";
  HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (files.size() + 1) * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->pt = {w.frmeBig1.left() / 15 + 100, (w.frmeBig1.top() + 840 * 2 + 500) / 15};
  header->fWide = TRUE;
  std::copy(files.begin(), files.end(), reinterpret_cast<wchar_t*>(header + 1));
  GlobalUnlock(drop);
  w.txtNombre[2].setText("");
  SendMessageW(top, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(w.txtCarpeta[2].text(), "C:\\windows\\system32");
  EXPECT_EQ(w.txtNombre[2].text(), "system32") << "the name the shell shows";
  HWND folder = wintest::childAt(top, L"Edit", (600 + 70 + 1945) / 15, (1320 + 2050 + 172) / 15);
  EXPECT_EQ(wintest::windowText(folder), L"C:\\windows\\system32") << "and the box shows it";
}
