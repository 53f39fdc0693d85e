// Which monitor the bar stands on: the outermost one on the bar's side of the whole desktop.
#pragma once

#include <vector>

#include "platform/services.h"

namespace core {

// For side 0 (the right) the monitor whose right edge lies furthest right; for any other side
// the one whose left edge lies furthest left. Of monitors on the same edge, the primary if it is
// one of them, else the upper one. Monitors without area are passed over: while a monitor is
// removed, the system may list it as 0x0 for a moment. With none left, a monitor of no size.
platform::Monitor barMonitor(const std::vector<platform::Monitor>& monitors, double side);

}  // namespace core
