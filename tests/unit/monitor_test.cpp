// The bar's monitor: the outermost on the bar's side of the desktop, ties to the primary, then
// to the upper one; the bar, its panel and the configuration window stand on it.
#include <gtest/gtest.h>

#include <vector>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "config/config_window.h"
#include "core/monitor.h"
#include "test_app.h"

using platform::Monitor;
using platform::PointerPos;
using testing_support::TestApp;

namespace {

// Monitors in pixels of the virtual screen: the primary, one right of it, one left of it and
// higher, a taller one reaching above, and others as named.
const Monitor P{0, 0, 1920, 1080, 96, true};
const Monitor R{1920, 0, 1280, 1024, 120, false};
const Monitor L{-1280, -200, 1280, 1024, 144, false};
const Monitor Tall{1920, -420, 1080, 1920, 96, false};
const Monitor Below{0, 1080, 1920, 1080, 96, false}, Above{0, -1080, 1920, 1080, 96, false};
const Monitor LBelow{-1280, 824, 1280, 1024, 96, false}, RBelow{1920, 1024, 1280, 1024, 96, false};
const Monitor Narrow{640, 1080, 1280, 1024, 96, false};  // under P, right edges aligned
const Monitor Gone{3200, 0, 0, 0, 96, false};            // listed for a moment while removed
const Monitor R144{1920, 0, 2560, 1440, 144, false}, P144{0, 0, 2880, 1620, 144, true};
const Monitor R2{3200, 0, 1280, 1024, 96, false}, Rlow{1920, 56, 1280, 1024, 96, false};
const Monitor R96{1920, 0, 1280, 1024, 96, false}, Rshort{1920, 0, 1280, 800, 120, false};

// A bar started on these monitors over a settings file of this side, settled a second.
frmSide& barOn(TestApp& t, const std::vector<Monitor>& monitors, int side) {
  t.platform.monitorList = monitors;
  t.putFile(testing_support::fileWith({{core::BarSide, std::to_string(side)}}));
  t.startBar();
  t.timers.advance(1000);
  return t.side();
}

// A left click at `at`, seen by the windows' next poll.
void clickAt(TestApp& t, PointerPos at) {
  t.platform.pointerPos = at;
  t.platform.leftButton = true;
  t.timers.advance(10);
}

}  // namespace

TEST(BarMonitor, IsTheOutermostOnTheBarsSideWithTiesToThePrimaryThenTheUpper) {
  // The monitors, then the bar's monitor for side 0 (the right) and for side 1.
  const std::tuple<const char*, std::vector<Monitor>, Monitor, Monitor> cases[] = {
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
      {"none", {}, Monitor{}, Monitor{}}};
  for (const auto& [what, monitors, right, left] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(core::barMonitor(monitors, 0), right);
    EXPECT_EQ(core::barMonitor(monitors, 1), left);
  }
  EXPECT_EQ(core::barMonitor({P, R}, 2), P) << "any side but 0 is the left";
  EXPECT_EQ(core::barMonitor({P, L}, -0.5), L);
}

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
      Case("a monitor below it: off the bar", {P, R, RBelow}, 0, R, {11550, 12888, 740, 11548},
           {{3199, 0}, {3199, 1023}, {3199, 1024}, {3068, 500}, {3067, 500}}),
      Case("a monitor right of the primary at 144 DPI", {P, R144}, 0, R144,
           {21790, 15000, 740, 13660},
           {{4479, 0}, {4479, 1439}, {1919, 1079}, {4321, 500}, {4320, 500}}),
      Case("one monitor at 144 DPI", {P144}, 0, P144, {24990, 16800, 740, 15460},
           {{2879, 0}, {2879, 1619}, {2720, 0}, {2721, 500}, {2720, 500}})};
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

TEST(BarMonitor, ADisplayChangeReloadsTheBarOnItsMonitorWithinOneTickAndMovesTheOpenWindow) {
  const std::tuple<const char*, std::vector<Monitor>, Monitor> cases[] = {
      {"the right monitor removed", {P}, P},     {"its DPI changed", {P, R96}, R96},
      {"moved down", {P, Rlow}, Rlow},           {"made shorter", {P, Rshort}, Rshort},
      {"another further right", {P, R, R2}, R2}, {"listed in another order", {R, P}, R},
      {"another on the left", {L, P, R}, R},     {"a removed one listed as 0x0", {P, R, Gone}, R}};
  for (const auto& [what, monitors, used] : cases) {
    SCOPED_TRACE(what);
    TestApp t;
    const int first = barOn(t, {P, R}, 0).serial();
    t.platform.monitorList = monitors;
    t.timers.advance(10);
    const frmSide& bar = t.side();
    EXPECT_EQ(bar.serial() != first, used != R);
    EXPECT_EQ(t.platform.monitorUsed, used);
    EXPECT_EQ(bar.rect(), (forms::Rect{used.width * 1440 / used.dpi - 3810, -15, 1,
                                       used.height * 1440 / used.dpi + 600}));
    EXPECT_EQ(bar.visible(), used != R) << "a fresh bar is shown collapsed";
    t.timers.advance(1000);
    EXPECT_EQ(t.side().serial(), bar.serial()) << "once, not on every tick";
  }

  // An open configuration window goes with the bar, its edits kept; on its old monitor a click
  // is outside.
  TestApp t;
  barOn(t, {P, R}, 0).eOpenConfig();
  t.timers.advance(300);
  frmConfig& w = t.app.config();
  testing_support::typeText(w.txtNombre[1], "x");
  const std::string name = w.txtNombre[1].text();
  t.platform.monitorList = {P};
  t.timers.advance(10);
  EXPECT_EQ(t.app.findConfig(), &w);
  EXPECT_EQ(w.rect(), (forms::Rect{28800 - 5175, -15, 5175, 16800}));
  EXPECT_EQ(w.txtNombre[1].text(), name);
  clickAt(t, {1919 - 344, 500});
  EXPECT_NE(t.app.findConfig(), nullptr);
  clickAt(t, {1919 - 345, 500});
  EXPECT_EQ(t.app.findConfig(), nullptr);
}

TEST(BarMonitor, TheConfigurationWindowOpensOnTheBarsMonitorAndAClickOnAnotherIsOutside) {
  // Monitors, side, the window's left at load, a click and whether it closes the window.
  const std::tuple<std::vector<Monitor>, int, int, PointerPos, bool> cases[] = {
      {{P, R, RBelow}, 0, 11360, {2769, 500}, false},
      {{P, R, RBelow}, 0, 11360, {2768, 500}, true},
      {{P, R, RBelow}, 0, 11360, {3199, 1024}, true},
      {{L, P}, 1, 0, {-764, 500}, false},
      {{L, P}, 1, 0, {-763, 500}, true},
      {{L, P}, 1, 0, {0, 0}, true}};
  for (const auto& [monitors, side, left, click, closes] : cases) {
    SCOPED_TRACE(testing::Message() << "side " << side << " at " << click.x << "," << click.y);
    TestApp t;
    barOn(t, monitors, side).eOpenConfig();
    EXPECT_EQ(t.app.config().left(), left);
    t.timers.advance(300);
    clickAt(t, click);
    EXPECT_EQ(t.app.findConfig() == nullptr, closes);
  }

  TestApp t;  // a Save that takes the bar to the primary: the window stays on its monitor
  barOn(t, {P, R}, 0).eOpenConfig();
  frmConfig& w = t.app.config();
  t.timers.advance(300);
  w.hscLeft.scrollTo(0);
  testing_support::click(w.Label[7]);
  EXPECT_EQ(t.platform.monitorUsed, P);
  clickAt(t, {3000, 500});
  EXPECT_NE(t.app.findConfig(), nullptr);
  clickAt(t, {1000, 500});
  EXPECT_EQ(t.app.findConfig(), nullptr);
}
