// The edge watcher on virtual time: the dwell, the fade, the collapse, the clock panel.
#include <gtest/gtest.h>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

// Settles a started bar on side `side` (0 right, 1 left) with the pointer parked mid-screen.
frmSide& settled(TestApp& t, double side = 0) {
  t.app.settings()[core::BarSide] = side;
  t.platform.pointerPos = {960, 540};
  t.startBar();
  t.timers.advance(1000);
  return t.side();
}

// Ticks until `done` holds, at most 2 s; returns the ms it took.
int ticksUntil(TestApp& t, const std::function<bool()>& done) {
  for (int ms = 0; ms <= 2000; ms += 10) {
    if (done()) return ms;
    t.timers.advance(10);
  }
  return -1;
}

int barAlpha(TestApp& t) { return t.platform.alpha.at(t.side().hwnd()); }

}  // namespace

TEST(EdgeWatcher, OpensOnlyAfterDwellingOnACornerPixelOfItsSideAndIdlesBuildingNothing) {
  // The bar's side, the pointer and whether it opens there. Any side but 0 is the left edge.
  const std::tuple<double, platform::PointerPos, bool> cases[] = {
      {0, {1919, 0}, true},     {0, {1919, 1079}, true}, {1, {0, 0}, true},
      {1, {0, 1079}, true},     {0, {1918, 0}, false},   {0, {1919, 1}, false},
      {0, {1919, 1078}, false}, {0, {0, 0}, false},      {1, {1, 0}, false},
      {1, {0, 1}, false},       {1, {1919, 0}, false},   {-1, {1919, 0}, false},
      {-1, {0, 0}, true},       {0.5, {0, 1079}, true}};
  for (const auto& [side, pos, opens] : cases) {
    SCOPED_TRACE(testing::Message() << "side " << side << " at " << pos.x << "," << pos.y);
    TestApp t;
    frmSide& bar = settled(t, side);
    // Every form takes the next serial of the runtime: one asked for now tells how many were
    // built since.
    const int serial = t.runtime.nextSerial();
    t.platform.pointerPos = pos;
    t.timers.advance(309);  // the tick at 10 ms finds the corner: 300 ms from it
    EXPECT_FALSE(bar.tmrOpen.enabled());
    t.timers.advance(opens ? 11 : 10000);  // the first step of the fade, or 1 000 idle polls
    EXPECT_EQ(bar.width(), opens ? 1590 : 1);
    EXPECT_EQ(bar.visible(), opens);
    // Only the open bar builds its clock panel: the idle one builds nothing on its polls.
    EXPECT_EQ(t.runtime.nextSerial(), serial + (opens ? 2 : 1));
  }

  TestApp t;  // leaving early starts over
  frmSide& bar = settled(t);
  t.platform.pointerPos = {1919, 0};
  t.timers.advance(200);
  t.platform.pointerPos = {1919, 5};
  t.timers.advance(10);
  t.platform.pointerPos = {1919, 0};
  t.timers.advance(10);
  EXPECT_EQ(ticksUntil(t, [&] { return bar.tmrOpen.enabled(); }), 300)
      << "a fresh 300 ms from the tick that found the corner again";
}

TEST(EdgeWatcher, TheBarFadesInByStepsOfTenThePanelFollowsEveryTickAndTheBarCollapsesOnLeaving) {
  // Twips per pixel 15, 12, 10 (96, 120, 144 DPI); side 0 right, 1 left; the last column on the
  // bar's side of its close line and the first beyond it.
  struct Case {
    double tpp;
    int side, keepsOpen, closes;
  };
  for (const Case c : {Case{15, 0, 1814, 1813}, Case{12, 0, 1788, 1787}, Case{10, 0, 1761, 1760},
                       Case{15, 1, 99, 100}, Case{12, 1, 124, 125}, Case{10, 1, 149, 150}}) {
    SCOPED_TRACE(testing::Message() << "side " << c.side << ", " << c.tpp << " twips/px");
    TestApp t;
    t.platform.twipsPerPx = c.tpp;
    t.platform.power = {56, 0};
    frmSide& bar = settled(t, c.side);
    const platform::PointerPos corner{c.side == 0 ? 1919 : 0, 1079};  // the bottom corner pixel
    t.platform.pointerPos = corner;
    ticksUntil(t, [&] { return bar.tmrOpen.enabled(); });
    const int screenWidth = static_cast<int>(1920 * c.tpp);
    for (int step = 11; step <= 241; step += 10) {
      t.timers.advance(10);
      ASSERT_EQ(bar.HScroll1.value(), step);
      ASSERT_EQ(barAlpha(t), step);
      ASSERT_EQ(t.platform.alpha.at(t.app.date().hwnd()), step);
      ASSERT_EQ(bar.width(), 1590);
      // A right bar is placed for the width before; a left bar stays where it was put.
      ASSERT_EQ(bar.left(), c.side == 1 ? -45 : screenWidth - (step == 11 ? 1 : 1590));
    }
    t.timers.advance(10);
    EXPECT_FALSE(bar.tmrOpen.enabled());
    EXPECT_EQ(barAlpha(t), 255);
    EXPECT_EQ(t.platform.alpha.at(t.app.date().hwnd()), 241) << "the panel keeps the last step";

    // Every tick refreshes the panel; its charge text shows only while the pointer rests on a
    // corner.
    frmDate& panel = t.app.date();
    EXPECT_TRUE(panel.lblState.visible());
    t.platform.pointerPos = {c.keepsOpen, 500};
    t.platform.mediumTimeText = "09:41 AM";
    t.timers.advance(10);
    EXPECT_FALSE(panel.lblState.visible());
    EXPECT_EQ(panel.lblState.caption(), "56%") << "hidden, not emptied";
    EXPECT_EQ(panel.Label1.caption(), "09:41");
    t.platform.pointerPos = corner;
    t.timers.advance(10);
    EXPECT_TRUE(panel.lblState.visible());

    t.platform.pointerPos = {c.keepsOpen, 500};
    t.timers.advance(500);
    EXPECT_EQ(bar.width(), 1590);
    t.platform.pointerPos = {c.closes, 500};
    t.timers.advance(10);
    t.platform.pointerPos = {c.keepsOpen, 500};  // back over the bar: too late
    t.timers.advance(99);
    EXPECT_TRUE(bar.visible());
    t.timers.advance(1);
    EXPECT_FALSE(bar.visible());
    EXPECT_EQ(bar.width(), 1);
    EXPECT_EQ(barAlpha(t), 1);
    EXPECT_EQ(t.app.findDate(), nullptr) << "a tick that finds the bar collapsed closes the panel";
  }
}

TEST(EdgeWatcher, TheFadeStopsAtALowTargetEndsOpaqueAboveTheStepperAndForGoodOnLeaving) {
  // GlassAlpha 1 or -5: the fade goes on to the lowest target the window offers, 200, and the
  // bar opens. 300 (a hand-edited file): the fade ends at the stepper's top, opaque. Leaving
  // across the close line after five steps: the fade stops at once, the step of that ms first,
  // while the bar awaits its collapse.
  const std::tuple<int, double, bool, int, int, int> cases[] = {{1, 0, false, 1590, 201, 255},
                                                                {-5, 1, false, 1590, 201, 255},
                                                                {300, 0, false, 1590, 255, 255},
                                                                {240, 0, true, 1590, 61, 61},
                                                                {240, 1, true, 1590, 61, 61}};
  for (const auto& [target, side, leaves, width, step, alpha] : cases) {
    SCOPED_TRACE(testing::Message() << "GlassAlpha " << target << ", side " << side);
    TestApp t;
    frmSide& bar = settled(t, side);
    t.app.settings()[core::GlassAlpha] = target;
    t.platform.pointerPos = {side == 0 ? 1919 : 0, 0};
    ticksUntil(t, [&] { return bar.tmrOpen.enabled(); });
    t.timers.advance(50);
    if (leaves) t.platform.pointerPos = {900, 500};
    t.timers.advance(leaves ? 109 : 1000);
    EXPECT_EQ(bar.width(), width);
    EXPECT_EQ(bar.HScroll1.value(), step);
    EXPECT_EQ(barAlpha(t), alpha);
  }
}

TEST(EdgeWatcher, OpenedByASecondStartTheBarStaysOpenUntilThePointerMovesThenLeavesAsUsual) {
  TestApp t;
  frmSide& bar = settled(t);  // the pointer mid-screen, far beyond the close line
  t.app.openBar();
  t.timers.advance(1000);
  EXPECT_EQ(bar.width(), 1590);
  EXPECT_EQ(barAlpha(t), 255);
  EXPECT_NE(t.app.findDate(), nullptr) << "with its clock panel";
  t.platform.pointerPos = {961, 540};
  t.timers.advance(109);
  EXPECT_TRUE(bar.visible());
  t.timers.advance(1);
  EXPECT_FALSE(bar.visible());
}
