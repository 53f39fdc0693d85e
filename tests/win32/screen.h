// What a test under Wine reads off the screen: pixels and top-level windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest {

// True when some pixel of `area`, sampled every `step` pixels, passes `test`.
bool anyPixel(const RECT& area, int step, const std::function<bool(COLORREF)>& test);
std::wstring classOf(HWND h);
// The top-level windows that `keep` accepts, front first.
std::vector<HWND> topLevelWindows(const std::function<bool(HWND)>& keep);

}  // namespace wintest
