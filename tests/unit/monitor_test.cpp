// The bar's monitor: the outermost on the bar's side of the desktop, ties to the primary, then
// to the upper one.
#include <gtest/gtest.h>

#include <vector>

#include "core/monitor.h"

using platform::Monitor;

namespace {

// The monitors of the cases, in pixels of the virtual screen.
const Monitor P{0, 0, 1920, 1080, 96, true};              // the primary
const Monitor R{1920, 0, 1280, 1024, 120, false};         // right of it
const Monitor L{-1280, -200, 1280, 1024, 144, false};     // left of it and higher
const Monitor Tall{1920, -420, 1080, 1920, 96, false};    // right of it, taller, reaching above
const Monitor Below{0, 1080, 1920, 1080, 96, false};      // under it, same edges
const Monitor Above{0, -1080, 1920, 1080, 96, false};     // over it, same edges
const Monitor LBelow{-1280, 824, 1280, 1024, 96, false};  // under L, same edges
const Monitor RBelow{1920, 1024, 1280, 1024, 96, false};  // under R, same edges
const Monitor Narrow{640, 1080, 1280, 1024, 96, false};   // under P, right edges aligned
const Monitor Gone{3200, 0, 0, 0, 96, false};             // listed for a moment while removed

}  // namespace

TEST(BarMonitor, IsTheOutermostOnTheBarsSideWithTiesToThePrimaryThenTheUpper) {
  struct Case {
    const char* what;
    std::vector<Monitor> monitors;
    Monitor right;  // side 0
    Monitor left;   // side 1
  };
  const Case cases[] = {
      {"one monitor", {P}, P, P},
      {"primary, then one to its right", {P, R}, R, P},
      {"one left of the primary, listed first", {L, P}, P, L},
      {"a taller one reaching above", {Tall, P}, Tall, P},
      {"stacked, the other below", {Below, P}, P, P},
      {"stacked, the other above", {Above, P}, P, P},
      {"two stacked right of the primary", {RBelow, P, R}, R, P},
      {"two stacked left of the primary", {LBelow, P, L}, P, L},
      {"the primary between two", {R, P, L}, R, L},
      {"right edges aligned, the other first", {Narrow, P}, P, P},
      {"a monitor without area", {P, Gone}, P, P},
      {"none", {}, Monitor{}, Monitor{}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(core::barMonitor(c.monitors, 0), c.right);
    EXPECT_EQ(core::barMonitor(c.monitors, 1), c.left);
  }
  EXPECT_EQ(core::barMonitor({P, R}, 2), P) << "any side but 0 is the left";
  EXPECT_EQ(core::barMonitor({P, L}, -0.5), L);
}
