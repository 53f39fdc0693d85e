// The Win32 backend for real: windows, styles, painting, native controls and timers.
#include <gtest/gtest.h>
#include <windows.h>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_platform.h"
#include "screen.h"
#include "wait.h"

namespace {

using forms::rgb;

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

}  // namespace

TEST(Backend, AFormIsABorderlessToolWindowPaintedInZOrder) {
  Rig rig;
  ASSERT_EQ(rig.backend.dpi(), 96) << "run at 96 DPI";
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

  EXPECT_FALSE(f.hasNative());
  f.show();
  HWND h = hwndOf(f);
  rig.platform.makeTopmost(f.hwnd());
  RECT r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.right - r.left, 521);
  EXPECT_EQ(r.bottom - r.top, 297);
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_NE(style & WS_POPUP, 0);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
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
  GetWindowRect(h, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.right - r.left, 100);
  f.unload();
  wintest::pumpMessages();
  EXPECT_FALSE(IsWindow(h));
}

TEST(Backend, ATextBoxTakesTypedKeysThroughTheModel) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 3000, 1500});
  forms::TextBox box(f, "box", {150, 150, 2000, 375});
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.onKeyPress = [](int& key) {
    if (key == 'z') key = 0;
  };
  f.show();
  HWND edit = FindWindowExW(hwndOf(f), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  for (wchar_t c : std::wstring(L"az\u00e1b")) SendMessageW(edit, WM_CHAR, c, 0);
  EXPECT_EQ(box.text(),
            "a\xC3\xA1"
            "b");
  EXPECT_EQ(changes, 3);
  wchar_t native[32] = {};
  GetWindowTextW(edit, native, 32);
  EXPECT_EQ(std::wstring(native), L"a\u00e1b");
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3U);

  SendMessageW(edit, WM_CHAR, VK_BACK, 0);
  EXPECT_EQ(box.text(), "a\xC3\xA1");
  rig.platform.setClipboardText("XY");
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(box.text(), "a\xC3\xA1XY");
  EXPECT_EQ(changes, 5) << "one change per edit, none twice";

  box.setText("set");
  GetWindowTextW(edit, native, 32);
  EXPECT_EQ(std::wstring(native), L"set");
  EXPECT_EQ(changes, 6);
  f.unload();
}

TEST(Backend, NativeControlsFollowTheModel) {
  Rig rig;
  forms::Form f(rig.runtime, "f", {1500, 1500, 6000, 3000});
  forms::ScrollBar reversed(f, "reversed", {150, 150, 3000, 255}, 5, 0, 5);
  forms::CheckBox check(f, "check", {150, 600, 2000, 300});
  forms::ComboBox combo(f, "combo", {150, 1050, 2000, 300});
  int scrolls = 0;
  int clicks = 0;
  reversed.onChange = [&] { ++scrolls; };
  check.onClick = [&] { ++clicks; };
  combo.addItem("Webdings");
  combo.addItem("Wingdings");
  combo.setListIndex(1);
  f.show();
  HWND top = hwndOf(f);
  HWND sb = FindWindowExW(top, nullptr, L"ScrollBar", nullptr);
  HWND cb = FindWindowExW(top, nullptr, L"Button", nullptr);
  HWND co = FindWindowExW(top, nullptr, L"ComboBox", nullptr);
  ASSERT_NE(sb, nullptr);
  ASSERT_NE(cb, nullptr);
  ASSERT_NE(co, nullptr);

  EXPECT_EQ(GetScrollPos(sb, SB_CTL), 0);
  reversed.setValue(2);
  EXPECT_EQ(GetScrollPos(sb, SB_CTL), 3);
  SendMessageW(top, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), reinterpret_cast<LPARAM>(sb));
  EXPECT_EQ(reversed.value(), 1);
  EXPECT_EQ(GetScrollPos(sb, SB_CTL), 4);
  SendMessageW(top, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), reinterpret_cast<LPARAM>(sb));
  EXPECT_EQ(reversed.value(), 0);
  EXPECT_EQ(scrolls, 3);

  SendMessageW(cb, BM_CLICK, 0, 0);
  EXPECT_EQ(check.value(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(SendMessageW(cb, BM_GETCHECK, 0, 0), BST_CHECKED);

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
