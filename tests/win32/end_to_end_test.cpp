// The real Tervalo.exe, driven as a user would drive it: the splash, the bar at its edge, its
// clock panel and a tile; and the settings file it finds as it starts.
#include <gtest/gtest.h>
#include <windows.h>
// (uses what windows.h declares)
#include <oleacc.h>

#include <cstdlib>

#include "platform/file_replace.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/win32_platform.h"
#include "program.h"
#include "screen.h"
#include "wait.h"

using namespace wintest;

TEST(EndToEnd, TheSplashShowsCentredAndItsXEndsTheProgram) {
  const int w = px(7815);  // 521 x 297 pixels at 96 DPI
  const int h = px(4455);
  // The splash lives about 1.7 s: on a very busy machine the bar may take over before the click.
  for (int attempt = 0; attempt < 3; ++attempt) {
    Program program;
    HWND splash = nullptr;
    ASSERT_TRUE(waitFor(
        [&] {
          splash = program.window(
              [&](const RECT& r) { return r.right - r.left == w && r.bottom - r.top == h; });
          return splash != nullptr;
        },
        20000));
    RECT r;
    GetWindowRect(splash, &r);
    EXPECT_NEAR(r.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, 1);
    EXPECT_NEAR(r.top, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 1);
    clickAt(r.left + px(7560), r.top + px(240));  // "x": 7440, 120 twips, 255 square
    if (waitFor([&] { return program.exitCode() != STILL_ACTIVE; })) {
      EXPECT_EQ(program.exitCode(), 0U);
      return;
    }
    ASSERT_FALSE(IsWindowVisible(splash)) << "a click on x must end the program at once";
  }
  FAIL() << "the splash never stayed long enough for its x to be clicked";
}

namespace {

std::vector<HWND> explorerWindows() {
  return topLevelWindows([](HWND h) { return classOf(h) == L"ExplorerWClass"; });
}

// The bar collapsed at the left edge, as the settings file says (the defaults say right).
bool barAtLeft(const Program& program) {
  return waitFor(
      [&] {
        RECT r;
        HWND bar = findBar(program);
        return bar != nullptr && GetWindowRect(bar, &r) && r.left == px(-45);
      },
      20000);
}

// Closes the folder windows the shell opened (never their process: it may be the desktop's).
void closeExplorerWindows() {
  for (HWND w : explorerWindows()) PostMessageW(w, WM_CLOSE, 0, 0);
  waitFor([] { return explorerWindows().empty(); });
}

// What a screen reader reads of the open bar, asked from this process: the shown tiles as push
// buttons by name, the lit one focused, and a focus event as the light moves.
std::vector<LONG> focusEvents;  // the children the bar's focus events named
HWND eventsOf = nullptr;

void expectTilesReadAsButtons(HWND bar) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  focusEvents.clear();
  eventsOf = bar;
  HWINEVENTHOOK hook = SetWinEventHook(
      EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND h, LONG object, LONG child, DWORD, DWORD) {
        if (h == eventsOf && object == OBJID_CLIENT) focusEvents.push_back(child);
      },
      0, 0, WINEVENT_OUTOFCONTEXT);
  IAccessible* acc = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(bar, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&acc)),
            S_OK);
  long n = 0;
  acc->get_accChildCount(&n);
  std::wstring read;
  VARIANT v{};
  for (long i = 1; i <= n; ++i) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = i;
    BSTR name = nullptr;
    acc->get_accName(child, &name);
    acc->get_accRole(child, &v);
    read += std::wstring(name) + (v.lVal == ROLE_SYSTEM_PUSHBUTTON ? L" button, " : L" ?, ");
    SysFreeString(name);
  }
  EXPECT_EQ(read, L"Alpha button, Beta button, Gamma button, Delta button, Eps button, ");
  acc->get_accFocus(&v);
  EXPECT_EQ(v.lVal, 1) << "the lit tile";
  pressKeys({VK_UP});  // round to the last
  EXPECT_TRUE(waitFor([] { return !focusEvents.empty() && focusEvents.back() == 5; }));
  acc->get_accFocus(&v);
  EXPECT_EQ(v.lVal, 5);
  acc->Release();
  UnhookWinEvent(hook);
}

}  // namespace

TEST(EndToEnd, TheBarWaitsAtItsEdgeItsCornerOpensItWithTheClockAndATileOpensItsFolder) {
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  const int dpi = win32::screenDpi();
  closeExplorerWindows();
  moveCursor(screenW / 2, screenH / 2);
  Program program;
  HWND bar = nullptr;
  ASSERT_TRUE(waitFor([&] { return (bar = findBar(program)) != nullptr; }, 20000))
      << "no bar; the program's exit code: " << program.exitCode();
  RECT r;
  GetWindowRect(bar, &r);
  EXPECT_LE(r.right - r.left, 1) << "collapsed";
  EXPECT_EQ(r.left, px(MulDiv(screenW, 1440, dpi) - 3810));
  EXPECT_EQ(r.top, px(-15));
  EXPECT_NE(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  ASSERT_EQ(openBar(program), bar) << "a 1590-twip, fully opaque bar";
  GetWindowRect(bar, &r);
  EXPECT_EQ(r.right, screenW) << "at the right edge";
  // The clock panel: 740 twips from the opposite bottom corner.
  HWND panel = nullptr;
  EXPECT_TRUE(waitFor([&] {
    panel = program.window([&](const RECT& p) {
      return p.left == px(740) && std::abs(p.bottom - (screenH - px(740))) <= 1;
    });
    return panel != nullptr;
  })) << "the clock panel";
  EXPECT_NE(GetWindowLongW(panel, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  // A click on tile 0 ("C:\"), atop a column of five tiles of 1500 twips centred on the screen,
  // opens its folder in a new window.
  const int tileTop = (MulDiv(screenH, 1440, dpi) - 7500) / 2 + 75;
  EXPECT_TRUE(
      clickUntil({r.left + px(795), px(tileTop + 800)}, [] { return !explorerWindows().empty(); }));
  closeExplorerWindows();
  // Leaving the bar hides it (100 ms later: the native tests count the ticks).
  EXPECT_TRUE(waitWithPointerAt(
      screenW / 2, screenH / 2, [&] { return !IsWindowVisible(bar); }, 5000));

  // Started again, the program opens this copy's bar, where the pointer cannot have, and ends.
  Program second;
  EXPECT_TRUE(waitFor([&] { return second.exitCode() == 0; }, 10000));
  EXPECT_TRUE(waitFor([&] {
    GetWindowRect(bar, &r);
    return IsWindowVisible(bar) && r.right - r.left == px(1590) && alphaOf(bar) == 255;
  })) << "the running copy's bar opens";
}

// The hotkey sent from another program, whose window keeps the keyboard: Escape collapses the bar;
// Down, Down, Enter opens the third tile's folder, once.
TEST(EndToEnd, TheHotkeyOpensTheBarAndItsKeysOpenAFolderOnce) {
  closeExplorerWindows();
  CreateDirectoryA("C:\\c", nullptr);
  SettingsFile file("0");
  ASSERT_TRUE(file.ok());
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  moveCursor(screenW / 2, 300);
  Program program;
  HWND bar = nullptr;
  ASSERT_TRUE(waitFor([&] { return (bar = findBar(program)) != nullptr; }, 20000));
  HWND mine = CreateWindowExW(0, L"STATIC", L"mine", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                              nullptr, nullptr, nullptr);
  const auto opened = [&] {
    RECT r;
    return IsWindowVisible(bar) && GetWindowRect(bar, &r) && r.right - r.left == px(1590);
  };
  for (const WORD last : {WORD{VK_ESCAPE}, WORD{VK_RETURN}}) {
    SetForegroundWindow(mine);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == mine; }));
    pressKeys({VK_CONTROL, VK_MENU, VK_F7});
    ASSERT_TRUE(waitFor(opened)) << "the hotkey opens the bar";
    if (last == VK_ESCAPE) expectTilesReadAsButtons(bar);
    for (int i = 0; last == VK_RETURN && i < 2; ++i) pressKeys({VK_DOWN});
    pressKeys({last});
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(bar); })) << "collapsed at once";
    if (last == VK_ESCAPE) {
      EXPECT_EQ(GetForegroundWindow(), mine) << "it kept the keyboard";
    }
  }
  EXPECT_TRUE(waitFor([] { return !explorerWindows().empty(); }, 10000));
  EXPECT_FALSE(waitFor([] { return explorerWindows().size() > 1; }, 1500)) << "once";
  EXPECT_EQ(windowText(explorerWindows().at(0)), L"c");
  closeExplorerWindows();
  DestroyWindow(mine);
  RemoveDirectoryA("C:\\c");
}

// Another program holds the settings file, shared with nobody, until 2 s after the bar began to
// read it.
TEST(EndToEnd, ASettingsFileAnotherProgramHoldsAsTheBarStartsIsWaitedForAndRead) {
  SettingsFile file("1");
  ASSERT_TRUE(file.ok());
  const std::vector<std::string> lines = readSettingsLines();
  HANDLE held = CreateFileA(kSettingsPath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Program program;
  // The bar reads the file on the splash's thread: the splash stops answering while it waits.
  EXPECT_TRUE(waitFor(
      [&] {
        DWORD_PTR answer = 0;
        HWND splash = program.window([](const RECT&) { return true; });
        return splash != nullptr &&
               SendMessageTimeoutW(splash, WM_NULL, 0, 0, SMTO_NORMAL, 200, &answer) == 0;
      },
      20000));
  Sleep(2000);
  CloseHandle(held);
  EXPECT_TRUE(barAtLeft(program));
  EXPECT_EQ(readSettingsLines(), lines);
}

// The program ended while writing the settings over in place: the file holds the first bytes of
// the new settings and the journal the old ones. The next start puts them back before the bar
// reads them. Those say side -1 and a fade to 0, which still open a bar that can be seen, left.
TEST(EndToEnd, AWriteCutOffHalfwayIsUndoneAtTheNextStart) {
  SettingsFile file("-1", "0");
  ASSERT_TRUE(file.ok());
  win32::Win32Platform platform;
  win32::Win32FileOps files;
  const std::string old = platform.readFile(kSettingsPath).value();
  const std::string journal = platform::journalPath(files);
  ASSERT_TRUE(platform.writeFileReplacing(journal, kSettingsPath + ("\n" + old)));
  ASSERT_TRUE(platform.writeFileReplacing(kSettingsPath, "Omega\r\nBeta\r\nGam"));
  Program program;
  EXPECT_TRUE(barAtLeft(program));
  EXPECT_EQ(platform.readFile(kSettingsPath), old);
  EXPECT_FALSE(files.exists(journal));
  EXPECT_NE(openBar(program, true), nullptr) << "opens from the left corner, opaque";
}

namespace {

// Lays the X display out again with xrandr (Wine runs programs of the host too) and waits until
// the system counts `monitors`.
bool xrandr(std::wstring args, int monitors) {
  args = L"/usr/bin/xrandr " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessW(L"Z:\\usr\\bin\\xrandr", args.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &si, &pi) == FALSE) {
    return false;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return waitFor([&] { return GetSystemMetrics(SM_CMONITORS) == monitors; }, 10000);
}

}  // namespace

// On [1920x1080 primary][1280x1024 right of it] (scripts/two-monitors.sh), and nowhere else.
TEST(TwoMonitors, TheBarStandsOnTheOuterEdgeOfItsSideAndFollowsTheDisplay) {
  if (GetSystemMetrics(SM_CMONITORS) != 2) GTEST_SKIP() << "needs the two monitors' display";
  const auto standing = [](const RECT& r, int left, int top, int width, int height) {
    return r.left == left && r.top == top && r.right - r.left == width &&
           r.bottom - r.top == height;
  };
  {
    moveCursor(960, 540);
    Program program;
    HWND bar = nullptr;
    RECT r;
    ASSERT_TRUE(waitFor([&] { return (bar = findBar(program, 1024)) != nullptr; }, 20000));
    moveCursor(1919, 0);  // the primary's right edge leads on into the other monitor
    EXPECT_FALSE(waitWithPointerAt(
        1919, 0, [&] { return GetWindowRect(bar, &r) && r.right - r.left > 1; }, 1000));
    EXPECT_TRUE(waitWithPointerAt(
        3199, 0,
        [&] {
          return GetWindowRect(bar, &r) && standing(r, 3200 - px(1590), px(-15), px(1590), 1064) &&
                 alphaOf(bar) == 255;
        },
        5000));
    EXPECT_TRUE(waitFor([&] {
      return program.window([](const RECT& p) {
        return p.left == 1920 + px(740) && std::abs(p.bottom - (1024 - px(740))) <= 1;
      }) != nullptr;
    })) << "the clock panel in that monitor's bottom-left corner";

    clickAt(3200 - px(800), px(150), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    HWND window = nullptr;
    EXPECT_TRUE(waitFor([&] {
      return (window = program.window([&](const RECT& w) {
               return standing(w, 3200 - px(5175), px(-15), px(5175), 1064);
             })) != nullptr;
    })) << "the configuration window against the same edge";

    // The second monitor goes: the bar reloads on the primary and the open window follows it.
    moveCursor(960, 540);
    struct Restore {
      ~Restore() { xrandr(L"--output DUMMY1 --mode 1280x1024 --pos 1920x0", 2); }
    } restore;  // Wine's server needs the first layout back before the prefix's last program ends
    ASSERT_TRUE(xrandr(L"--output DUMMY1 --off", 1));
    EXPECT_TRUE(waitFor([&] {
      return program.window([](const RECT& b) {
        return b.left == 1920 - px(3810) && b.top == px(-15) && b.bottom == 1080 + px(585);
      }) != nullptr;
    })) << "a collapsed bar at the primary's right edge";
    EXPECT_TRUE(waitFor([&] {
      return GetWindowRect(window, &r) != FALSE &&
             standing(r, 1920 - px(5175), px(-15), px(5175), 1080 + px(600));
    })) << "the same window, edits and all, against the primary's right edge";
  }
  SettingsFile file("1");
  ASSERT_TRUE(file.ok());
  Program program;
  EXPECT_TRUE(barAtLeft(program)) << "a left bar stands at the primary's left edge";
}
