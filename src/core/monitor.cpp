#include "core/monitor.h"

namespace core {

namespace {

// True when `a` is a better place for the bar than `b`.
bool outer(const platform::Monitor& a, const platform::Monitor& b, bool right) {
  const int edgeA = right ? a.left + a.width : -a.left;
  const int edgeB = right ? b.left + b.width : -b.left;
  if (edgeA != edgeB) return edgeA > edgeB;
  if (a.primary != b.primary) return a.primary;
  return a.top < b.top;
}

}  // namespace

platform::Monitor barMonitor(const std::vector<platform::Monitor>& monitors, double side) {
  const bool right = side == 0;
  const platform::Monitor* best = nullptr;
  for (const platform::Monitor& m : monitors) {
    if (m.width <= 0 || m.height <= 0) continue;
    if (best == nullptr || outer(m, *best, right)) best = &m;
  }
  return best != nullptr ? *best : platform::Monitor{};
}

}  // namespace core
