// Opens and closes the configuration window of a Tervalo.exe already running on this desktop,
// as a user does: the pointer rests on the bar's corner until the bar is open, a right click on
// the bar's background opens the window, and a click outside closes it. Each step waits for its
// effect (a click that Wine lost is made again), so that every cycle really builds and destroys
// the window. Under Wine the clicks must come from a program of the same desktop: a click that
// the X server gives to no window of Wine never reaches the program.
// Usage: config_cycles.exe N. Prints how many cycles were done and how many failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "platform/win32/backend.h"
#include "program.h"
#include "screen.h"
#include "wait.h"

using namespace wintest;

namespace {

// Tervalo's visible window whose rectangle passes `test`, in any process of this desktop.
HWND tervaloWindow(const std::function<bool(const RECT&)>& test) {
  for (HWND w : topLevelWindows([](HWND h) {
         wchar_t cls[32] = {};
         GetClassNameW(h, cls, 32);
         return IsWindowVisible(h) && lstrcmpW(cls, win32::kFormClass) == 0;
       })) {
    RECT r;
    if (GetWindowRect(w, &r) && test(r)) return w;
  }
  return nullptr;
}

// Makes `step` until `done` holds, at most three times.
bool until(const std::function<void()>& step, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    step();
    if (waitFor(done)) return true;
  }
  return false;
}

// Nothing when the cycle went through, else the step that failed.
const char* cycle(int screenW, int screenH) {
  const int barHeight = screenH + px(600);
  // Open when wide and faded in whole.
  const auto barOpen = [&] {
    HWND bar = tervaloWindow([&](const RECT& r) {
      return r.bottom - r.top == barHeight && r.right - r.left == px(1590);
    });
    return bar != nullptr && alphaOf(bar) == 255;
  };
  const auto configOpen = [&] {
    return tervaloWindow([&](const RECT& r) {
             return r.bottom - r.top == barHeight && r.right - r.left == px(5175);
           }) != nullptr;
  };
  const auto configClosed = [&] {
    return tervaloWindow([&](const RECT& r) {
             return r.bottom - r.top == barHeight && r.right - r.left > px(1590);
           }) == nullptr;
  };
  // A driver's first move may not reach the X server under Wine: the pointer then goes away
  // and back.
  if (!until(
          [&] {
            moveCursor(screenW / 2, screenH / 2);
            moveCursor(screenW - 1, 0);
          },
          [&] { return waitWithPointerAt(screenW - 1, 0, barOpen, 2000); })) {
    return "the bar did not open";
  }
  // Above the column of tiles: the bar's own background.
  if (!until(
          [&] { clickAt(screenW - px(800), px(150), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); },
          configOpen)) {
    return "the right click opened no window";
  }
  if (!until([&] { clickAt(screenW / 3, screenH / 2); }, configClosed)) {
    return "the click outside did not close the window";
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 1;
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  int failed = 0;
  for (int i = 0; i < cycles; ++i) {
    if (const char* failure = cycle(screenW, screenH)) {
      std::printf("cycle %d: %s\n", i + 1, failure);
      ++failed;
    }
  }
  std::printf("configuration window cycles: %d, failed: %d\n", cycles, failed);
  return failed == 0 ? 0 : 1;
}
