// The bar's monitor: the outermost on the bar's side of the desktop, ties to the primary, then
// to the upper one; the bar, its panel and the configuration window stand on it.
#include <gtest/gtest.h>

#include <vector>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "core/monitor.h"
#include "test_app.h"

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

namespace {

using platform::PointerPos;
using testing_support::TestApp;

const Monitor RB{1920, 1024, 1280, 1024, 96, false};  // under R, same edges
const Monitor R144{1920, 0, 2560, 1440, 144, false};  // right of the primary, at 144 DPI
const Monitor P144{0, 0, 2880, 1620, 144, true};      // the only monitor, at 144 DPI
const Monitor R2{3200, 0, 1280, 1024, 96, false};     // right of R
const Monitor Rlow{1920, 56, 1280, 1024, 96, false};  // R moved down
const Monitor R96{1920, 0, 1280, 1024, 96, false};    // R at 96 DPI

// A bar started on these monitors over a settings file of this side, settled a second.
frmSide& barOn(TestApp& t, const std::vector<Monitor>& monitors, int side) {
  t.platform.monitorList = monitors;
  t.putFile(testing_support::fileWith({{core::BarSide, std::to_string(side)}}));
  t.startBar();
  t.timers.advance(1000);
  return t.side();
}

// Where a collapsed right bar stands: placed for its designed width of 3810 twips at load.
int rightBarLeft(const Monitor& m) { return m.width * 1440 / m.dpi - 3810; }

}  // namespace

TEST(BarMonitor, TheBarItsCornersItsCloseLineAndItsPanelFollowTheOutermostMonitor) {
  // In twips of the bar's monitor: the collapsed bar's left and height, the panel's outer edge
  // and bottom. In pixels of the virtual screen: the two corners that open the bar, a pixel that
  // opens nothing and closes it, the last pixel short of the close line and the first beyond.
  struct Case {
    const char* what;
    std::vector<Monitor> monitors;
    int side;
    Monitor used;
    struct {
      int barLeft, barHeight, panelEdge, panelBottom;
    } twips;
    struct {
      PointerPos top, bottom, other, keeps, closes;
    } px;
  };
  const Case cases[] = {
      Case("a monitor right of the primary at 120 DPI", {P, R}, 0, R, {11550, 12888, 740, 11548},
           {{3199, 0}, {3199, 1023}, {1919, 0}, {3068, 500}, {3067, 500}}),
      Case("the same, a left-side file", {P, R}, 1, P, {-45, 16800, 28060, 15460},
           {{0, 0}, {0, 1079}, {1920, 0}, {99, 500}, {100, 500}}),
      Case("a monitor left of the primary, higher, at 144 DPI", {L, P}, 1, L,
           {-45, 10840, 12060, 9500},
           {{-1280, -200}, {-1280, 823}, {0, 0}, {-1131, 500}, {-1130, 500}}),
      Case("a monitor below it: off the bar", {P, R, RB}, 0, R, {11550, 12888, 740, 11548},
           {{3199, 0}, {3199, 1023}, {3199, 1024}, {3068, 500}, {3067, 500}}),
      Case("a monitor right of the primary at 144 DPI", {P, R144}, 0, R144,
           {21790, 15000, 740, 13660},
           {{4479, 0}, {4479, 1439}, {1919, 1079}, {4321, 500}, {4320, 500}}),
      Case("one monitor at 144 DPI", {P144}, 0, P144, {24990, 16800, 740, 15460},
           {{2879, 0}, {2879, 1619}, {2720, 0}, {2721, 500}, {2720, 500}}),
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestApp t;
    frmSide& bar = barOn(t, c.monitors, c.side);
    EXPECT_EQ(t.platform.monitorUsed, c.used);
    const auto [barLeft, barHeight, panelEdge, panelBottom] = c.twips;
    const auto [top, bottom, other, keeps, closes] = c.px;
    EXPECT_EQ(bar.rect(), (forms::Rect{barLeft, -15, 1, barHeight}));
    const auto rest = [&](PointerPos p, int ms) {
      t.platform.pointerPos = p;
      t.timers.advance(ms);
      return bar.width();
    };
    EXPECT_EQ(rest(top, 400), 1590);
    const frmDate& panel = t.app.date();
    EXPECT_EQ(c.side == 0 ? panel.left() : panel.left() + panel.width(), panelEdge);
    EXPECT_EQ(panel.top() + panel.height(), panelBottom);
    EXPECT_EQ(rest(keeps, 200), 1590);
    EXPECT_EQ(rest(closes, 200), 1);
    EXPECT_EQ(rest(bottom, 400), 1590);
    EXPECT_EQ(rest(other, 200), 1) << "off the bar";
    EXPECT_EQ(rest(other, 1000), 1) << "and no corner";
  }
}

TEST(BarMonitor, TheBarReloadsWithinOneTickWhenItsMonitorIsAnotherOrChanges) {
  const std::tuple<const char*, std::vector<Monitor>, Monitor> cases[] = {
      {"the right monitor removed", {P}, P},
      {"its DPI changed", {P, R96}, R96},
      {"moved down", {P, Rlow}, Rlow},
      {"another further right", {P, R, R2}, R2},
      {"listed in another order", {R, P}, R},
      {"another on the left", {L, P, R}, R},
      {"a removed one listed as 0x0", {P, R, Gone}, R}};
  for (const auto& [what, monitors, used] : cases) {
    SCOPED_TRACE(what);
    TestApp t;
    const int first = barOn(t, {P, R}, 0).serial();
    t.platform.monitorList = monitors;
    t.timers.advance(10);
    EXPECT_EQ(t.side().serial() != first, used != R);
    EXPECT_EQ(t.platform.monitorUsed, used);
    EXPECT_EQ(t.side().left(), rightBarLeft(used));
    t.timers.advance(1000);
    EXPECT_EQ(t.side().left(), rightBarLeft(used)) << "once, not on every tick";
  }
}

TEST(BarMonitor, TheConfigurationWindowOpensOnTheBarsMonitorAndAClickOnAnotherIsOutside) {
  // Monitors, side, the window's left at load, a click and whether it closes the window.
  const std::tuple<std::vector<Monitor>, int, int, PointerPos, bool> cases[] = {
      {{P, R, RB}, 0, 11360, {2769, 500}, false}, {{P, R, RB}, 0, 11360, {2768, 500}, true},
      {{P, R, RB}, 0, 11360, {3199, 1024}, true}, {{L, P}, 1, 0, {-764, 500}, false},
      {{L, P}, 1, 0, {-763, 500}, true},          {{L, P}, 1, 0, {0, 0}, true}};
  for (const auto& [monitors, side, left, click, closes] : cases) {
    SCOPED_TRACE(testing::Message() << "side " << side << " at " << click.x << "," << click.y);
    TestApp t;
    barOn(t, monitors, side).eOpenConfig();
    EXPECT_EQ(t.app.config().left(), left);
    t.timers.advance(300);
    t.platform.pointerPos = click;
    t.platform.leftButton = true;
    t.timers.advance(10);
    EXPECT_EQ(t.app.findConfig() == nullptr, closes);
  }

  TestApp t;  // a Save that takes the bar to the primary: the window stays on its monitor
  barOn(t, {P, R}, 0).eOpenConfig();
  frmConfig& w = t.app.config();
  t.timers.advance(300);
  w.hscLeft.scrollTo(0);
  testing_support::click(w.Label[7]);
  EXPECT_EQ(t.platform.monitorUsed, P);
  for (const auto& [at, closes] : {std::pair{PointerPos{3000, 500}, false}, {{1000, 500}, true}}) {
    t.platform.pointerPos = at;
    t.platform.leftButton = true;
    t.timers.advance(10);
    EXPECT_EQ(t.app.findConfig() == nullptr, closes) << at.x;
  }
}
