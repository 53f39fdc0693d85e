#include "screen.h"

namespace wintest {

bool anyPixel(const RECT& area, int step, const std::function<bool(COLORREF)>& test) {
  HDC dc = GetDC(nullptr);
  bool found = false;
  for (LONG y = area.top; y < area.bottom && !found; y += step) {
    for (LONG x = area.left; x < area.right && !found; x += step) {
      const COLORREF c = GetPixel(dc, x, y);
      found = c != CLR_INVALID && test(c);
    }
  }
  ReleaseDC(nullptr, dc);
  return found;
}

std::wstring classOf(HWND h) {
  wchar_t name[64] = {};
  GetClassNameW(h, name, 64);
  return name;
}

std::vector<HWND> topLevelWindows(const std::function<bool(HWND)>& keep) {
  struct Search {
    const std::function<bool(HWND)>& keep;
    std::vector<HWND> found;
  } search{keep, {}};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        if (s->keep(h)) s->found.push_back(h);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace wintest
