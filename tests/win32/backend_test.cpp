// The Win32 backend for real: windows, styles, painting, native controls and timers, and what
// an editing window asks of it: text boxes whose editing is the model's, the model's focus, one
// click per press, and lists filled item by item.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "platform/win32/backend.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_platform.h"
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
  return wintest::screenPixel(x, y) == static_cast<COLORREF>(c);
}

HWND hwndOf(forms::Form& f) { return reinterpret_cast<HWND>(f.hwnd()); }

Place placeOf(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return {r.left, r.top, r.right, r.bottom};
}

std::wstring textOf(HWND h) {
  wchar_t buffer[256] = {};
  GetWindowTextW(h, buffer, 256);
  return buffer;
}

std::pair<DWORD, DWORD> selectionOf(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// Holds Shift down for the messages this thread handles meanwhile.
struct ShiftHeld {
  BYTE saved[256] = {};
  BYTE state[256] = {};
  ShiftHeld() {
    GetKeyboardState(saved);
    GetKeyboardState(state);
    state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
  }
  ~ShiftHeld() { SetKeyboardState(saved); }
};

// Key messages as the system makes them: scan code, and the repeat and release bits.
void keyDown(HWND h, int key, bool repeat = false) {
  SendMessageW(h, WM_KEYDOWN, static_cast<WPARAM>(key), repeat ? 0x40000001 : 0x00000001);
}
void keyUp(HWND h, int key) {
  SendMessageW(h, WM_KEYUP, static_cast<WPARAM>(key), static_cast<LPARAM>(0xC0000001));
}

// A form that takes the keyboard, made active the way a user's click would.
void activate(forms::Form& f) {
  SetForegroundWindow(hwndOf(f));
  SetActiveWindow(hwndOf(f));
}

// The system's context menu of an edit box, read while it is open: a letter for each of Cut,
// Copy, Paste and Delete it offers, "-" for each greyed; empty when it never opened.
std::string g_menu;
int g_menuTicks = 0;

void CALLBACK readMenu(HWND /*hwnd*/, UINT /*msg*/, UINT_PTR /*id*/, DWORD /*time*/) {
  // Gives up after two seconds, so a menu never seen cannot hold the test.
  if (++g_menuTicks > 100) EndMenu();
  HWND w = wintest::visibleThreadWindow(L"#32768");
  if (w == nullptr) return;
  auto menu = reinterpret_cast<HMENU>(SendMessageW(w, MN_GETHMENU, 0, 0));
  // Items by their commands, or else by their places: Undo, -, Cut, Copy, Paste, Delete.
  g_menu.clear();
  for (UINT i = 0; i < 4; ++i) {
    UINT state = GetMenuState(menu, WM_CUT + i, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1)) state = GetMenuState(menu, 2 + i, MF_BYPOSITION);
    g_menu += (state & (MF_GRAYED | MF_DISABLED)) == 0 ? "XCVD"[i] : '-';
  }
  EndMenu();
}

std::string contextMenuOf(HWND edit) {
  g_menu.clear();
  g_menuTicks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, readMenu);
  const Place p = placeOf(edit);
  SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit),
               MAKELPARAM(p[0] + 5, p[1] + 5));
  KillTimer(nullptr, timer);
  return g_menu;
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

  f.show();
  HWND h = hwndOf(f);
  rig.platform.makeTopmost(f.hwnd());
  EXPECT_EQ(placeOf(h), (Place{100, 100, 621, 397}));
  EXPECT_EQ(
      static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME),
      WS_POPUP);
  EXPECT_NE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

  EXPECT_TRUE(wintest::waitFor([&] { return pixelIs(100 + 150, 100 + 125, rgb(0, 0, 255)); }));
  EXPECT_TRUE(pixelIs(100 + 5, 100 + 5, rgb(255, 0, 0)));
  EXPECT_TRUE(pixelIs(100 + 310, 100 + 25, rgb(0, 128, 0)));    // shape, not under the label
  EXPECT_TRUE(pixelIs(100 + 330, 100 + 50, rgb(0, 128, 0)));    // seen through the label
  EXPECT_TRUE(pixelIs(100 + 30, 100 + 230, rgb(255, 255, 0)));  // frame
  EXPECT_TRUE(pixelIs(100 + 90, 100 + 230, rgb(255, 0, 255)));  // label inside the frame

  label.setBackColour(rgb(0, 255, 255));
  EXPECT_TRUE(wintest::waitFor([&] { return pixelIs(100 + 150, 100 + 125, rgb(0, 255, 255)); }));
  label.setBackStyle(forms::BackStyle::Transparent);
  EXPECT_TRUE(wintest::waitFor([&] { return pixelIs(100 + 150, 100 + 125, rgb(255, 0, 0)); }));
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
  f.unload();
  wintest::pumpMessages();
  EXPECT_FALSE(IsWindow(h));
}

TEST(Backend, NativeControlsFollowTheModel) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 6000, 3000});
  forms::ScrollBar reversed(f, "reversed", {150, 150, 3000, 255}, 5, 0, 5);
  forms::ComboBox combo(f, "combo", {150, 1050, 2000, 300});
  int scrolls = 0;
  reversed.onChange = [&] { ++scrolls; };
  combo.addItem("Webdings");
  combo.addItem("Wingdings");
  combo.setListIndex(1);
  f.show();
  HWND top = hwndOf(f);
  HWND sb = FindWindowExW(top, nullptr, L"ScrollBar", nullptr);
  HWND co = FindWindowExW(top, nullptr, L"ComboBox", nullptr);
  ASSERT_TRUE(sb != nullptr && co != nullptr);

  EXPECT_EQ(GetScrollPos(sb, SB_CTL), 0);
  reversed.setValue(2);
  EXPECT_EQ(GetScrollPos(sb, SB_CTL), 3);
  SendMessageW(top, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(sb));
  EXPECT_EQ(reversed.value(), 1);
  EXPECT_EQ(GetScrollPos(sb, SB_CTL), 4);
  SendMessageW(top, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), reinterpret_cast<LPARAM>(sb));
  EXPECT_EQ(reversed.value(), 0);
  EXPECT_EQ(scrolls, 3);

  EXPECT_EQ(SendMessageW(co, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(co, CB_GETCURSEL, 0, 0), 1);
  f.unload();
}

TEST(Backend, TimersTickOnTheMessageLoop) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {0, 0, 150, 150});
  forms::Timer timer(f, 20, forms::Running);
  int ticks = 0;
  timer.onTimer = [&] {
    if (++ticks == 3) timer.setEnabled(false);
  };
  EXPECT_TRUE(wintest::waitFor([&] { return ticks == 3; }, 5000));
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
  EXPECT_TRUE(pixelIs(100 + 50, 100 + 5, rgb(17, 17, 17)));
  f.unload();
}

TEST(Backend, TextBoxKeysClipboardAndContextMenuGoThroughTheModel) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 3000, 1500});
  f.setActivation(forms::Form::Activation::OnShow);
  forms::TextBox box(f, "box", {150, 150, 2500, 375});
  std::vector<int> pressed;
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.onKeyPress = [&](int& key) {
    pressed.push_back(key);
    if (key == 'z') key = 0;
  };
  f.show();
  activate(f);
  HWND edit = FindWindowExW(hwndOf(f), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);

  // Typed keys go through the model, whose handler drops one; a character outside the first
  // plane comes as a surrogate pair and arrives whole.
  for (wchar_t c : std::wstring(L"az\xD83D\xDE00\u00e1")) SendMessageW(edit, WM_CHAR, c, 0);
  EXPECT_EQ(box.text(), "a\xF0\x9F\x98\x80\xC3\xA1");
  EXPECT_EQ(pressed, (std::vector<int>{'a', 'z', 0x1F600, 0xE1}));
  EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{4}, DWORD{4}));

  // Backspace, Ctrl+A selects all, Ctrl+C copies, the menu's commands cut, undo, paste, delete.
  SendMessageW(edit, WM_CHAR, VK_BACK, 0);
  EXPECT_EQ(box.text(), "a\xF0\x9F\x98\x80");
  SendMessageW(edit, WM_CHAR, 1, 0);
  EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{0}, DWORD{3}));
  SendMessageW(edit, WM_CHAR, 3, 0);
  EXPECT_EQ(rig.platform.clipboardText(), "a\xF0\x9F\x98\x80");
  SendMessageW(edit, EM_SETSEL, 0, 1);  // the user selects the "a" natively
  SendMessageW(edit, WM_CUT, 0, 0);
  EXPECT_EQ(box.text(), "\xF0\x9F\x98\x80");
  EXPECT_EQ(rig.platform.clipboardText(), "a");
  SendMessageW(edit, WM_UNDO, 0, 0);
  EXPECT_EQ(box.text(), "a\xF0\x9F\x98\x80");
  SendMessageW(edit, EM_SETSEL, 3, 3);
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(box.text(),
            "a\xF0\x9F\x98\x80"
            "a");
  SendMessageW(edit, EM_SETSEL, 0, 1);
  SendMessageW(edit, WM_CLEAR, 0, 0);
  EXPECT_EQ(box.text(),
            "\xF0\x9F\x98\x80"
            "a");
  EXPECT_EQ(textOf(edit),
            L"\xD83D\xDE00"
            L"a");
  EXPECT_EQ(changes, 8) << "one change per edit, none twice";

  // Pasting holds the maximum length, whichever way it comes.
  enum class Via { PasteMessage, CtrlV, ShiftInsert };
  struct Case {
    const char* what;
    int maxLength;
    Via via;
    const char* clipboard;
    const char* expected;
  };
  const Case cases[] = {
      {"a pasted path lands whole", 0, Via::PasteMessage, "C:\\Users\\Ana\\Im\xC3\xA1genes",
       "abcC:\\Users\\Ana\\Im\xC3\xA1genes"},
      {"a paste is cut to the room left", 5, Via::PasteMessage, "12345", "abc12"},
      {"Ctrl+V is the model's paste", 5, Via::CtrlV, "12345", "abc12"},
      {"Shift+Insert is the model's paste", 5, Via::ShiftInsert, "12345", "abc12"},
      {"only the first line is pasted", 0, Via::CtrlV, "one\r\ntwo", "abcone"},
      {"a full box takes no Shift+Insert", 3, Via::ShiftInsert, "xyz", "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box.setText("abc");
    box.setSelection(3, 0);
    box.setMaxLength(c.maxLength);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0),
              c.maxLength > 0 ? c.maxLength : 0x7FFFFFFE);
    rig.platform.setClipboardText(c.clipboard);
    if (c.via == Via::PasteMessage) SendMessageW(edit, WM_PASTE, 0, 0);
    if (c.via == Via::CtrlV) SendMessageW(edit, WM_CHAR, 22, 0);
    if (c.via == Via::ShiftInsert) {
      ShiftHeld shift;
      keyDown(edit, VK_INSERT);
    }
    EXPECT_EQ(box.text(), c.expected);
    EXPECT_EQ(win32::narrow(textOf(edit)), c.expected);
  }

  // The system's context menu offers cutting, copying, pasting and deleting the selection.
  box.setMaxLength(0);
  box.setText("abc");
  rig.platform.setClipboardText("x");
  box.setSelection(0, 3);
  EXPECT_EQ(contextMenuOf(edit), "XCVD");
  EXPECT_EQ(box.text(), "abc");
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
  label.onMouseDown = [&](const forms::MouseEvent& e) {
    events += "press" + std::to_string(e.button) + " ";
  };
  label.onClick = [&] { events += "click "; };
  label.onDblClick = [&] { events += "double "; };
  f.show();
  activate(f);
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
  EXPECT_EQ(f.focusedControl(), &first);

  keyDown(e1, VK_TAB);
  SendMessageW(e1, WM_CHAR, '\t', 0);
  EXPECT_EQ(GetFocus(), e2);
  EXPECT_EQ(f.focusedControl(), &second);
  EXPECT_EQ(selectionOf(e2), std::make_pair(DWORD{0}, DWORD{3})) << "reached by Tab, all selected";
  SendMessageW(e2, WM_CHAR, '\t', 0);
  EXPECT_EQ(second.text(), "two") << "the Tab character is not typed";
  for (HWND next : {e3, b, c, e1}) {  // round to the first
    keyDown(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), next);
  }
  {
    ShiftHeld shift;
    for (HWND next : {c, b}) {
      keyDown(GetFocus(), VK_TAB);
      EXPECT_EQ(GetFocus(), next);
    }
  }
  EXPECT_EQ(f.focusedControl(), &button);

  // One click each: Space, Space held down, Enter, a click, Space on the check box.
  keyDown(b, VK_SPACE);
  SendMessageW(b, WM_CHAR, ' ', 0);
  keyUp(b, VK_SPACE);
  for (bool repeat : {false, true, true}) keyDown(b, VK_SPACE, repeat);
  keyUp(b, VK_SPACE);
  keyDown(b, VK_RETURN);
  keyUp(b, VK_RETURN);
  SendMessageW(b, BM_CLICK, 0, 0);
  SetFocus(c);
  keyDown(c, VK_SPACE);
  keyUp(c, VK_SPACE);
  EXPECT_EQ(events, "button button button button check ");
  EXPECT_EQ(SendMessageW(c, BM_GETCHECK, 0, 0), BST_CHECKED);

  // Quick second presses on a windowless control: right (2) and middle (4) are presses like the
  // first; the left (1) one is a double click and its release clicks nothing.
  events.clear();
  for (const auto& [down, held] : {std::pair<UINT, WPARAM>{WM_RBUTTONDOWN, MK_RBUTTON},
                                   {WM_MBUTTONDOWN, MK_MBUTTON},
                                   {WM_LBUTTONDOWN, MK_LBUTTON}}) {
    // Down, up, the second press, up.
    for (UINT m : {down, down + 1, down + 2, down + 1}) {
      SendMessageW(top, m, m == down + 1 ? 0 : held, MAKELPARAM(210, 110));
    }
  }
  EXPECT_EQ(events, "press2 click press2 click press4 press4 press1 click double ");

  // A click into a box gives it the keyboard, and the model knows; the program's focus moves
  // the keyboard.
  SendMessageW(e3, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(e3, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(GetFocus(), e3);
  EXPECT_EQ(f.focusedControl(), &third);
  first.setFocus();
  EXPECT_EQ(GetFocus(), e1);
}

TEST(Backend, AListFilledItemByItemCostsTimeInProportionToItsLength) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 3000, 3000});
  forms::ListBox list(f, "List1", {0, 0, 3000, 3000});
  list.setVisible(false);  // as the bar's list of settings lines
  f.show();
  HWND lb = FindWindowExW(hwndOf(f), nullptr, L"ListBox", nullptr);
  ASSERT_NE(lb, nullptr);
  const auto now = [] { return static_cast<double>(GetTickCount64()) / 1000; };
  constexpr double kGiveUpAfter = 10;
  // Seconds to add n lines one by one until the native list holds them all.
  const auto fill = [&](int n) {
    list.clear();
    wintest::pumpMessages();
    const double start = now();
    for (int i = 0; i < n; ++i) {
      list.addItem("Line " + std::to_string(i));
      if ((i & 255) == 0 && now() - start > kGiveUpAfter) return kGiveUpAfter;
    }
    while (SendMessageW(lb, LB_GETCOUNT, 0, 0) != n && now() - start < kGiveUpAfter) {
      wintest::pumpMessages();
    }
    return now() - start;
  };
  const double small = fill(5000);
  ASSERT_LT(small, kGiveUpAfter);
  const double large = fill(20000);
  ASSERT_EQ(SendMessageW(lb, LB_GETCOUNT, 0, 0), 20000);
  wchar_t last[32] = {};
  SendMessageW(lb, LB_GETTEXT, 19999, reinterpret_cast<LPARAM>(last));
  EXPECT_EQ(std::wstring(last), L"Line 19999");
  // Four times the lines: about four times the time, far from the sixteen of a rebuild per line.
  EXPECT_LT(large, 10 * small + 0.05) << small << " s for 5000 lines, " << large << " for 20000";
  EXPECT_LT(large, 5.0);

  list.setListIndex(3);
  EXPECT_EQ(SendMessageW(lb, LB_GETCURSEL, 0, 0), 3);
  list.addItem("last");
  list.setListIndex(20000);
  ASSERT_TRUE(wintest::waitFor([&] { return SendMessageW(lb, LB_GETCOUNT, 0, 0) == 20001; }));
  EXPECT_EQ(SendMessageW(lb, LB_GETCURSEL, 0, 0), 20000) << "the selection of a list rebuilt later";
}
