// The real Tervalo.exe under test, and what a user does to it: the pointer, clicks, keys, the
// clipboard; and what the tests read back: its windows, their controls and the settings file.
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

  [[nodiscard]] bool started() const { return started_; }
  [[nodiscard]] bool running() const;
  [[nodiscard]] DWORD exitCode() const;
  // The program's visible top-level windows.
  [[nodiscard]] std::vector<HWND> windows() const;
  [[nodiscard]] HWND windowOfSize(int w, int h) const;

 private:
  PROCESS_INFORMATION pi_{};
  bool started_ = false;
};

// Twips to pixels at the screen's real DPI (15 twips a pixel at 96 DPI).
int px(int twips);
int win32ScreenDpi();

// The bar: the program's window as tall as the screen plus 600 twips.
HWND findBar(const Program& program);
// The program's visible message box, if one is open.
HWND dialogOf(const Program& program);
BYTE alphaOf(HWND w);

// Moves the pointer and waits until the system says it is there: under Wine a move right after
// another may be lost, so it is made again until it holds.
void moveCursor(int x, int y);
// Keeps the pointer at (x, y) while waiting: a move that Wine lost is made again.
bool waitWithPointerAt(int x, int y, const std::function<bool()>& condition, int timeoutMs);
void clickAt(int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
inline void leftClickAt(int x, int y) { clickAt(x, y); }
// Presses the keys in order and releases them in reverse: {VK_CONTROL, 'V'} is Ctrl+V.
void pressKeys(std::initializer_list<WORD> keys);
// Types text as Unicode characters; "\r" is the Enter key.
void typeText(const std::wstring& text);
bool setClipboardText(const std::wstring& text);

// The visible descendant of `top` of window class `cls` whose rectangle holds the point (x, y),
// in pixels from top's corner.
HWND childAt(HWND top, const wchar_t* cls, int x, int y);
// The control that has the keyboard in the thread of `window`.
HWND focusOf(HWND window);
std::wstring windowText(HWND h);
// Selects an entry of a drop-down list as the user's choice does, notification included.
void chooseInCombo(HWND combo, int index);

// The settings file, written by a test and removed again at the end.
class SettingsFile {
 public:
  explicit SettingsFile(const std::vector<std::string>& lines);
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;
  [[nodiscard]] bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};
std::string readFileBytes(const std::wstring& path);
// The lines of the settings file as the program left them.
std::vector<std::string> readSettingsLines();

}  // namespace wintest
