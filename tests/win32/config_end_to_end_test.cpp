// The real Tervalo.exe's configuration window, driven as a user would drive it: opened from the
// bar, typed and pasted into, saved, and closed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/text_convert.h"
#include "platform/win32/win32_platform.h"
#include "program.h"
#include "screen.h"
#include "wait.h"

using namespace wintest;

namespace {

POINT centreOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// True once a visible top-level window of class `cls` whose text ends with `ending` shows.
bool appears(const wchar_t* cls, const std::wstring& ending = L"") {
  return waitFor([&] {
    return !topLevelWindows([&](HWND h) {
              return classOf(h) == cls && IsWindowVisible(h) && windowText(h).ends_with(ending);
            }).empty();
  });
}

// The program with its configuration window opened by a right click on the open bar's
// background, above the column of tiles.
struct OpenWindow {
  win32::Win32Platform platform;  // its clipboard is the user's
  SettingsFile file{"0"};
  Program program;
  HWND window = nullptr;
  RECT rect{};

  void open() {
    ASSERT_TRUE(file.ok());
    ASSERT_NE(openBar(program), nullptr) << "the bar opens";
    clickAt(GetSystemMetrics(SM_CXSCREEN) - px(800), px(150), MOUSEEVENTF_RIGHTDOWN,
            MOUSEEVENTF_RIGHTUP);
    const int height = GetSystemMetrics(SM_CYSCREEN) + px(600);
    ASSERT_TRUE(waitFor([&] {
      window = program.window([&](const RECT& r) {
        return r.bottom - r.top == height && r.right - r.left == px(5175);
      });
      return window != nullptr;
    })) << "a window as tall as the bar and 5175 twips wide";
    GetWindowRect(window, &rect);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    // The content has slid in when the first folder box stands in its place.
    ASSERT_TRUE(waitFor([&] { return folderBox(0) != nullptr; }));
  }

  // The controls of a row and the command grid's items, by their places in twips from the
  // window's corner. The grid has two columns of 1935 twips and a row every 480; its ninth item
  // spans both columns. It stands 3015 + 1440 twips above the window's bottom.
  [[nodiscard]] HWND at(const wchar_t* cls, int x, int y) const {
    return childAt(window, cls, px(x), px(y));
  }
  [[nodiscard]] HWND nameBox(int row) const { return at(L"Edit", 1040, 1350 + 840 * row); }
  [[nodiscard]] HWND folderBox(int row) const { return at(L"Edit", 690, 1710 + 840 * row); }
  [[nodiscard]] HWND tick(int row) const { return at(L"Button", 3950, 1400 + 840 * row); }
  [[nodiscard]] HWND glyphBox(int row) const { return at(L"Edit", 782, 1502 + 840 * row); }
  [[nodiscard]] POINT command(int item) const {
    const int top = MulDiv(rect.bottom - rect.top, 1440, win32::screenDpi()) - 4455;
    return {rect.left + px((item % 2 == 0 ? 600 : 2640) + (item == 8 ? 3975 : 1935) / 2),
            rect.top + px(top + 360 + 480 * (item / 2) + 187)};
  }

  // Clicks into a box, selects its text and types `text` over it, or pastes it with Ctrl+V;
  // then the box shows `shows` (by default the text).
  void enter(HWND box, const std::wstring& text, bool paste = false, std::wstring shows = {}) {
    ASSERT_TRUE(clickUntil(centreOf(box), [&] { return focusOf(window) == box; }));
    pressKeys({VK_CONTROL, 'A'});
    if (paste) {
      platform.setClipboardText(win32::narrow(text));
      pressKeys({VK_CONTROL, 'V'});
    } else {
      typeText(text);
    }
    if (shows.empty()) shows = text;
    ASSERT_TRUE(waitFor([&] { return windowText(box) == shows; })) << win32::narrow(shows);
  }
};

}  // namespace

TEST(ConfigEndToEnd, TwoTicksExchangeTheRowsAndAClickOutsideClosesIt) {
  OpenWindow w;
  ASSERT_NO_FATAL_FAILURE(w.open());
  ASSERT_NO_FATAL_FAILURE(w.enter(w.nameBox(0), L"Mi equipo"));
  // A right click on a glyph box opens the box's menu, and the box keeps the keyboard.
  const POINT glyph = centreOf(w.glyphBox(0));
  clickAt(glyph.x, glyph.y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(appears(L"#32768"));
  pressKeys({VK_ESCAPE});
  typeText(L"a");  // once the box shows the key, the release before it has been handled
  ASSERT_TRUE(waitFor([&] { return windowText(w.glyphBox(0)) == L"a"; }));
  for (int row : {0, 2}) {
    const POINT p = centreOf(w.tick(row));
    clickAt(p.x, p.y);
  }
  EXPECT_TRUE(waitFor([&] {
    return windowText(w.nameBox(0)) == L"Gamma" && windowText(w.nameBox(2)) == L"Mi equipo";
  })) << "the rows exchange half a second after the second tick";

  EXPECT_TRUE(clickUntil({GetSystemMetrics(SM_CXSCREEN) / 3, GetSystemMetrics(SM_CYSCREEN) / 2},
                         [&] { return !IsWindowVisible(w.window); }))
      << "a click outside closes the window";
}

TEST(ConfigEndToEnd, SaveWritesTypedAndPastedTextAndANewSideBringsTheBarBackThere) {
  OpenWindow w;
  ASSERT_NO_FATAL_FAILURE(w.open());
  // The file's code page has no "\u0141" and no "\u017a": the box refuses them and says why.
  ASSERT_NO_FATAL_FAILURE(w.enter(w.nameBox(1), L"\u0141\u00f3d\u017a", false, L"\u00f3d"));
  EXPECT_TRUE(appears(L"tooltips_class32", L": \u017a"))
      << "a balloon on the box names the character left out";
  ASSERT_NO_FATAL_FAILURE(w.enter(w.folderBox(0), L"D:\\Proyectos\\\u00f1and\u00fa", true));
  const std::string ansiFolder = "D:\\Proyectos\\\361and\372";  // in the ANSI code page
  EXPECT_TRUE(clickUntil(w.command(7), [&] {
    const auto lines = readSettingsLines();
    return lines.size() == 36 && lines[1] == "\363d" && lines[7] == ansiFolder;
  })) << "Save writes what the boxes show, in the ANSI code page";

  // Side opens its slider under the pointer.
  const POINT side = w.command(5);
  HWND slider = nullptr;
  ASSERT_TRUE(clickUntil(side, [&] {
    slider = childAt(w.window, L"ScrollBar", side.x - w.rect.left, side.y - w.rect.top);
    return slider != nullptr;
  }));
  RECT s;
  GetWindowRect(slider, &s);
  ASSERT_TRUE(clickUntil({s.left + (s.bottom - s.top) / 2, (s.top + s.bottom) / 2}, [&] {
    return GetScrollPos(slider, SB_CTL) == 0;
  })) << "the thumb at the left end: the left edge";
  EXPECT_TRUE(clickUntil(w.command(8), [&] { return !IsWindow(w.window); }))
      << "Save and close closes";
  EXPECT_TRUE(waitFor(
      [&] {
        RECT r;
        HWND bar = findBar(w.program);
        const auto lines = readSettingsLines();
        return lines.size() == 36 && lines[22] == "1" && bar != nullptr && GetWindowRect(bar, &r) &&
               r.left == px(-45);
      },
      10000))
      << "the side saved, the rebuilt bar stands at the left edge";
}
