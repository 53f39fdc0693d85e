// What a test under Wine reads off the screen: pixels and top-level windows.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace wintest {

COLORREF screenPixel(int x, int y);
// True when some pixel of `area`, sampled every `step` pixels, passes `test`.
bool anyPixel(const RECT& area, int step, const std::function<bool(COLORREF)>& test);
// The top-level windows that `keep` accepts, front first.
std::vector<HWND> topLevelWindows(const std::function<bool(HWND)>& keep);
// The visible window of this thread of window class `cls` (an open menu, a message box).
HWND visibleThreadWindow(const wchar_t* cls);
// The first of `windows` whose screen rectangle passes `test`, or nullptr.
HWND firstWithRect(const std::vector<HWND>& windows, const std::function<bool(const RECT&)>& test);

}  // namespace wintest
