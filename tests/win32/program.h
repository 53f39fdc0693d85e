// The real Tervalo.exe under test, and what a user does to it: the pointer, clicks and keys; and
// what the tests read back: its windows, their controls and the settings file.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace wintest {

// A running Tervalo.exe, ended when the test is done with it.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // STILL_ACTIVE while it runs.
  [[nodiscard]] DWORD exitCode() const;
  // The program's first visible top-level window whose screen rectangle passes `test`.
  [[nodiscard]] HWND window(const std::function<bool(const RECT&)>& test) const;

 private:
  PROCESS_INFORMATION pi_{};
};

// Twips to pixels at the screen's real DPI (15 twips a pixel at 96 DPI).
int px(int twips);
BYTE alphaOf(HWND w);

// The bar: the program's window as tall as its monitor (the primary unless told) plus 600 twips.
HWND findBar(const Program& program, int monitorHeight = GetSystemMetrics(SM_CYSCREEN));
// Rests the pointer on the top corner pixel of the right (or left) edge until the bar stands
// open there, 1590 twips wide and opaque; nullptr when it never did.
HWND openBar(const Program& program, bool left = false);

// Moves the pointer and waits until the system says it is there: under Wine a move right after
// another may be lost, so it is made again until it holds.
void moveCursor(int x, int y);
// Keeps the pointer at (x, y) while waiting: a move that Wine lost is made again.
bool waitWithPointerAt(int x, int y, const std::function<bool()>& condition, int timeoutMs);
void clickAt(int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
// Clicks at p until `done` holds. Under Wine a click right after a move, or while a window is
// being destroyed, is lost now and then: the clicks made this way may safely be made again.
bool clickUntil(POINT p, const std::function<bool()>& done);
// Presses the keys in order and releases them in reverse: {VK_CONTROL, 'V'} is Ctrl+V.
void pressKeys(std::initializer_list<WORD> keys);
// Types text as Unicode characters.
void typeText(const std::wstring& text);

// The control of window class `cls` inside `top` that the screen shows at (x, y), in pixels
// from top's corner; nullptr when something else shows there.
HWND childAt(HWND top, const wchar_t* cls, int x, int y);
// The control that has the keyboard in the thread of `window`.
HWND focusOf(HWND window);
// A window's text, read with WM_GETTEXT: a control of another process answers too.
std::wstring windowText(HWND h);

// Where the program keeps its settings on an English system.
inline constexpr char kSettingsPath[] = "C:\\Program Files\\Tervalo3.txt";
// The settings file: 36 lines, tiles "Alpha".."Eta" opening "C:\", "C:\b".."C:\g", the bar at
// `side` ("0" right, "1" left); removed again at the end.
class SettingsFile {
 public:
  explicit SettingsFile(const char* side, const char* glass = "240");
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;
  [[nodiscard]] bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};
// The lines of the settings file as the program left them.
std::vector<std::string> readSettingsLines();

}  // namespace wintest
