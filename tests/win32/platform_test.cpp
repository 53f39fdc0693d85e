// Each platform call for real.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/text_convert.h"
#include "platform/win32/win32_platform.h"
#include "program.h"

TEST(Platform, SystemFactsAreTheTrueOnes) {
  win32::Win32Platform p;
  // The manifest declares Windows 10 and 11, so the version is the true one.
  OSVERSIONINFOW truth{};
  truth.dwOSVersionInfoSize = sizeof truth;
  reinterpret_cast<LONG(WINAPI*)(OSVERSIONINFOW*)>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")))(&truth);
  EXPECT_EQ(p.version().major * 100 + p.version().minor,
            static_cast<int>(truth.dwMajorVersion * 100 + truth.dwMinorVersion));
  EXPECT_EQ(p.programVersion().major, 3);

  wchar_t text[260] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, text, 260);
  EXPECT_EQ(p.localeInfo(4097), win32::narrow(text));
  EXPECT_EQ(p.localeInfo(0x7FFF), std::nullopt);
  DWORD size = 260;
  GetUserNameW(text, &size);
  EXPECT_EQ(p.logonName(), win32::narrow(text));
  SYSTEM_POWER_STATUS power{};
  GetSystemPowerStatus(&power);
  EXPECT_EQ(p.powerStatus().chargePercent, power.BatteryLifePercent);
  EXPECT_EQ(p.powerStatus().mainsStatus, power.ACLineStatus);
  EXPECT_TRUE(p.fontInstalled("Webdings"));
  EXPECT_FALSE(p.fontInstalled("No Such Font Family 42"));
  const std::string time = p.mediumTime();
  EXPECT_TRUE(time.size() >= 5 && time[2] == ':') << time;
  EXPECT_FALSE(p.longDate().empty());
  EXPECT_GE(p.now().year, 2024);
}

TEST(Platform, ScreenPointerAndWindowStyles) {
  win32::Win32Platform p;
  const int dpi = win32::screenDpi();
  EXPECT_DOUBLE_EQ(p.twipsPerPixel(), 1440.0 / dpi);
  EXPECT_EQ(p.screenWidthTwips(), MulDiv(GetSystemMetrics(SM_CXSCREEN), 1440, dpi));
  EXPECT_EQ(p.screenHeightTwips(), MulDiv(GetSystemMetrics(SM_CYSCREEN), 1440, dpi));
  ASSERT_TRUE(SetCursorPos(123, 45));
  EXPECT_TRUE(p.pointer() == (platform::PointerPos{123, 45}));
  const platform::Monitor primary{
      0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), dpi, true};
  EXPECT_EQ(p.monitors(), std::vector<platform::Monitor>{primary});
  // Another monitor in use: the screen and the pointer are its own.
  p.useMonitor({100, 50, 800, 600, 144, false});
  EXPECT_EQ(std::pair(p.screenWidthTwips(), p.screenHeightTwips()), std::pair(8000, 6000));
  EXPECT_DOUBLE_EQ(p.twipsPerPixel(), 10.0);
  EXPECT_TRUE(p.pointer() == (platform::PointerPos{23, -5}));

  HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 10, 10, 50, 50, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  const auto handle = reinterpret_cast<platform::WindowHandle>(w);
  p.makeTopmost(handle);
  EXPECT_TRUE(p.setLayeredAlpha(handle, 77));
  EXPECT_EQ(GetWindowLongW(w, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW),
            WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW);
  EXPECT_EQ(wintest::alphaOf(w), 77);
  DestroyWindow(w);
}

TEST(Platform, ClipboardTextIsOwnedByTheProgramAndAnsiTextRoundTrips) {
  win32::Win32Platform p;
  const std::string text = "Im\xC3\xA1genes \xE2\x9C\x93 &&";
  p.setClipboardText(text);
  EXPECT_EQ(p.clipboardText(), text);
  // Windows refuses data put on a clipboard emptied with no owner.
  DWORD process = 0;
  GetWindowThreadProcessId(GetClipboardOwner(), &process);
  EXPECT_EQ(process, GetCurrentProcessId());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT)) << "as every program reads it";
  EXPECT_EQ(p.toAnsi("Im\xC3\xA1genes"), "Im\xE1genes");
  // No best-fit look-alike: a full-width backslash is not "\\", an omega not "O".
  for (const char* held : {"C:\xEF\xBC\xBC..", "\xCE\xA9", "\xC5\x81\xC3\xB3\x64\xC5\xBA"}) {
    EXPECT_EQ(p.toAnsi(held), std::nullopt) << held;
  }
  EXPECT_EQ(p.fromAnsi("M\xFAsica"), "M\xC3\xBAsica");
}

namespace {

win32::Win32Platform* g_platform = nullptr;
HWND g_owner = nullptr;
std::string g_seen;  // what the test saw of a message box while it was open
int g_ticks = 0;

// Runs on the box's own message loop: reads the box, then closes it. A box never found ends its
// loop after five seconds: the test fails, it does not hang.
void CALLBACK closeBox(HWND /*hwnd*/, UINT /*msg*/, UINT_PTR /*id*/, DWORD /*time*/) {
  if (++g_ticks > 250) PostQuitMessage(0);
  HWND box = FindWindowW(L"#32770", L"Tervalo");
  if (box == nullptr || !g_seen.empty()) return;
  g_seen = std::string(GetWindow(box, GW_OWNER) == g_owner ? "owned" : "not owned") +
           (g_platform->modalBoxOpen() ? " modal" : "") +
           (g_platform->leftButtonPressed() ? " pressed" : "");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(Platform, AMessageBoxBelongsToTheWindowTheUserWorksIn) {
  win32::Win32Platform p;
  // A topmost window that has the keyboard, as the configuration window has.
  g_owner = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 200, 200,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(g_owner);
  SetActiveWindow(g_owner);
  ASSERT_EQ(GetActiveWindow(), g_owner);
  g_platform = &p;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, closeBox);
  p.messageBox("Saved.", "Tervalo", platform::MessageIcon::Information);
  KillTimer(nullptr, timer);
  // It stays above its topmost owner, and its clicks are no clicks on the desktop.
  EXPECT_EQ(g_seen, "owned modal");
  EXPECT_FALSE(p.modalBoxOpen());
  DestroyWindow(g_owner);
}
