// Each platform call for real.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/text_convert.h"
#include "platform/win32/win32_platform.h"
#include "screen.h"

namespace {

using NtVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

std::wstring tempFolder() {
  wchar_t base[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, base);
  std::wstring dir = std::wstring(base) + L"tervalo-test-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

int filesIn(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do {
    if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) ++n;
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return n;
}

}  // namespace

TEST(Platform, SystemFactsAreTheTrueOnes) {
  win32::Win32Platform p;
  // The manifest declares Windows 10 and 11, so GetVersionExA tells the truth.
  OSVERSIONINFOW truth{};
  truth.dwOSVersionInfoSize = sizeof truth;
  auto rtlGetVersion = reinterpret_cast<NtVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  ASSERT_NE(rtlGetVersion, nullptr);
  rtlGetVersion(&truth);
  const platform::OsVersion v = p.version();
  EXPECT_EQ(v.major, static_cast<int>(truth.dwMajorVersion));
  EXPECT_EQ(v.minor, static_cast<int>(truth.dwMinorVersion));
  EXPECT_GE(v.major, 6);

  wchar_t lang[128] = {};
  ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, lang, 128), 1);
  EXPECT_EQ(p.localeInfo(4097), win32::narrow(std::wstring(lang)));
  EXPECT_EQ(p.localeInfo(0x7FFF), std::nullopt);

  wchar_t user[260] = {};
  DWORD size = 260;
  ASSERT_TRUE(GetUserNameW(user, &size));
  EXPECT_EQ(p.logonName(), win32::narrow(std::wstring(user)));
  EXPECT_FALSE(p.logonName()->empty());

  const platform::PowerStatus power = p.powerStatus();
  EXPECT_TRUE((power.chargePercent >= 0 && power.chargePercent <= 100) ||
              power.chargePercent == 255);
  EXPECT_TRUE(power.mainsStatus == 0 || power.mainsStatus == 1 || power.mainsStatus == 255);

  EXPECT_TRUE(p.fontInstalled("Webdings"));
  EXPECT_TRUE(p.fontInstalled("Wingdings"));
  EXPECT_FALSE(p.fontInstalled("No Such Font Family 42"));

  const std::string time = p.mediumTime();
  ASSERT_GE(time.size(), 5U);
  EXPECT_EQ(time[2], ':');
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
  const platform::PointerPos pos = p.pointer();
  EXPECT_EQ(pos.x, 123);
  EXPECT_EQ(pos.y, 45);

  HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 10, 10, 50, 50, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  const auto handle = reinterpret_cast<platform::WindowHandle>(w);
  EXPECT_EQ(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  p.makeTopmost(handle);
  EXPECT_NE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(p.setLayeredAlpha(handle, 77));
  EXPECT_NE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_NE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(w, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 77);
  EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA));
  p.setLayeredAlpha(handle, 255);
  GetLayeredWindowAttributes(w, nullptr, &alpha, &flags);
  EXPECT_EQ(alpha, 255);
  DestroyWindow(w);
}

TEST(Platform, ClipboardAndAnsiTextRoundTrip) {
  win32::Win32Platform p;
  const std::string text = "Im\xC3\xA1genes \xE2\x9C\x93 &&";
  p.setClipboardText(text);
  EXPECT_EQ(p.clipboardText(), text);
  // The program's text is owned by a window of its own: Windows refuses data put on a
  // clipboard emptied with no owner.
  HWND owner = GetClipboardOwner();
  ASSERT_NE(owner, nullptr);
  DWORD process = 0;
  GetWindowThreadProcessId(owner, &process);
  EXPECT_EQ(process, GetCurrentProcessId());
  // The text boxes' clipboard is the same one.
  p.clipboard().setText("C:\\Users\\Ana");
  EXPECT_EQ(p.clipboardText(), "C:\\Users\\Ana");
  p.setClipboardText("two");
  EXPECT_EQ(p.clipboard().text(), "two");

  EXPECT_EQ(GetACP(), 1252U);
  EXPECT_EQ(p.toAnsi("Im\xC3\xA1genes"), "Im\xE1genes");
  EXPECT_EQ(p.toAnsi("\xC3\x8C"), "\xCC");
  EXPECT_EQ(p.fromAnsi("M\xFAsica"), "M\xC3\xBAsica");
  EXPECT_EQ(p.fromAnsi(p.toAnsi("C:\\Users\\Ana\\Im\xC3\xA1genes")),
            "C:\\Users\\Ana\\Im\xC3\xA1genes");
}

TEST(Platform, FilesAreReplacedWholeOrNotAtAll) {
  win32::Win32Platform p;
  const std::wstring dir = tempFolder();
  const std::string path = win32::narrow(dir) + "\\Tervalo3.txt";
  EXPECT_EQ(p.readFile(path), std::nullopt);

  const std::string first = std::string("one\r\n\xE1\r\n", 8);
  ASSERT_TRUE(p.writeFileReplacing(path, first));
  EXPECT_EQ(p.readFile(path), first);
  const std::string second(5000, 'x');
  ASSERT_TRUE(p.writeFileReplacing(path, second));
  EXPECT_EQ(p.readFile(path), second);
  EXPECT_EQ(filesIn(dir), 1) << "no temporary file is left behind";

  EXPECT_FALSE(p.writeFileReplacing(win32::narrow(dir) + "\\missing\\Tervalo3.txt", first));
  EXPECT_EQ(p.readFile(path), second);

  DeleteFileW((dir + L"\\Tervalo3.txt").c_str());
  RemoveDirectoryW(dir.c_str());
}

namespace {

// What a test saw of a message box while it was open.
struct BoxSeen {
  win32::Win32Platform* platform = nullptr;
  HWND owner = nullptr;
  bool seen = false;
  bool modal = false;
  bool pressedWhileOpen = true;
  int ticks = 0;
};
BoxSeen* g_box = nullptr;

HWND openDialog() { return wintest::visibleThreadWindow(L"#32770"); }

// Runs on the box's own message loop: reads the box, then closes it.
void CALLBACK closeBox(HWND /*hwnd*/, UINT /*msg*/, UINT_PTR /*id*/, DWORD /*time*/) {
  // A box never found ends its loop after five seconds: the test fails, it does not hang.
  if (++g_box->ticks > 250) PostQuitMessage(0);
  HWND box = openDialog();
  if (box == nullptr || g_box->seen) return;
  g_box->seen = true;
  g_box->owner = GetWindow(box, GW_OWNER);
  g_box->modal = g_box->platform->modalBoxOpen();
  g_box->pressedWhileOpen = g_box->platform->leftButtonPressed();
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

TEST(Platform, AMessageBoxBelongsToTheWindowTheUserWorksIn) {
  win32::Win32Platform p;
  // A topmost window that has the keyboard, as the configuration window has.
  HWND w = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 200, 200,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  SetForegroundWindow(w);
  SetActiveWindow(w);
  ASSERT_EQ(GetActiveWindow(), w);

  BoxSeen seen;
  seen.platform = &p;
  g_box = &seen;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, closeBox);
  p.messageBox("Saved.", "Tervalo", platform::MessageIcon::Information);
  KillTimer(nullptr, timer);
  g_box = nullptr;

  ASSERT_TRUE(seen.seen);
  EXPECT_EQ(seen.owner, w) << "the box stays above its topmost owner";
  EXPECT_TRUE(seen.modal);
  EXPECT_FALSE(seen.pressedWhileOpen);
  EXPECT_FALSE(p.modalBoxOpen());
  DestroyWindow(w);
}
