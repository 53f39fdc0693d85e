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

// A corner of each side, a point on the open bar off the corners, and a point beyond its close
// line.
struct Side {
  double side;
  platform::PointerPos corner;
  platform::PointerPos onBar;
  platform::PointerPos beyond;
};
const Side kSides[] = {{0, {1919, 0}, {1900, 500}, {900, 500}},
                       {1, {0, 1079}, {50, 500}, {900, 500}}};

}  // namespace

TEST(EdgeWatcher, AnIdleCollapsedBarBuildsNoWindowOnItsPolls) {
  TestApp t;
  frmSide& bar = settled(t);
  // Every form takes the next serial of the runtime: one asked for now tells how many were
  // built since.
  const int before = t.runtime.nextSerial();
  t.timers.advance(10000);  // 1 000 polls of the pointer
  EXPECT_EQ(t.runtime.nextSerial(), before + 1) << "no clock panel built and dropped";
  EXPECT_EQ(bar.width(), 1);
  EXPECT_EQ(t.app.findDate(), nullptr);
}

TEST(EdgeWatcher, OpensOnlyAfterDwellingOnACornerPixelOfItsSide) {
  struct Case {
    double side;
    platform::PointerPos pos;
    bool opens;
  };
  for (const Case c :
       {Case{0, {1919, 0}, true}, Case{0, {1919, 1079}, true}, Case{1, {0, 0}, true},
        Case{1, {0, 1079}, true}, Case{0, {1918, 0}, false}, Case{0, {1919, 1}, false},
        Case{0, {1919, 1078}, false}, Case{0, {0, 0}, false}, Case{1, {1, 0}, false},
        Case{1, {0, 1}, false}, Case{1, {1919, 0}, false}}) {
    SCOPED_TRACE(testing::Message() << "side " << c.side << " at " << c.pos.x << "," << c.pos.y);
    TestApp t;
    frmSide& bar = settled(t, c.side);
    t.platform.pointerPos = c.pos;
    if (!c.opens) {
      t.timers.advance(3000);
      EXPECT_EQ(bar.width(), 1);
      EXPECT_FALSE(t.app.findDate() != nullptr);
      continue;
    }
    t.timers.advance(10);  // this tick starts the dwell
    EXPECT_FALSE(t.app.findDate() != nullptr) << "closed again while the bar is collapsed";
    t.timers.advance(299);
    EXPECT_FALSE(bar.tmrOpen.enabled());
    t.timers.advance(1);  // 300 ms after the tick that found the corner
    EXPECT_TRUE(bar.tmrOpen.enabled());
    t.timers.advance(10);
    EXPECT_EQ(bar.width(), 1590);
    EXPECT_TRUE(bar.visible());
  }

  TestApp t;  // leaving early starts over; the dwell timer stops itself
  frmSide& bar = settled(t);
  t.platform.pointerPos = {1919, 0};
  t.timers.advance(200);
  t.platform.pointerPos = {1919, 5};
  t.timers.advance(10);
  EXPECT_FALSE(bar.tmrWait.enabled());
  t.platform.pointerPos = {1919, 0};
  t.timers.advance(10);
  bar.tmrMouse.setEnabled(false);  // nothing else stops or restarts the dwell timer now
  EXPECT_EQ(ticksUntil(t, [&] { return bar.tmrOpen.enabled(); }), 300)
      << "a fresh 300 ms from the tick that found the corner again";
  EXPECT_FALSE(bar.tmrWait.enabled());
  EXPECT_FALSE(t.timers.running(bar.tmrWait));
}

TEST(EdgeWatcher, TheBarFadesInByStepsOfTenThenTurnsOpaqueAtItsOwnEdge) {
  for (const Side& s : kSides) {
    SCOPED_TRACE("side " + std::to_string(s.side));
    TestApp t;
    frmSide& bar = settled(t, s.side);
    t.platform.pointerPos = s.corner;
    ticksUntil(t, [&] { return bar.tmrOpen.enabled(); });
    for (int step = 11; step <= 241; step += 10) {
      t.timers.advance(10);
      ASSERT_EQ(bar.HScroll1.value(), step);
      ASSERT_EQ(barAlpha(t), step);
      ASSERT_EQ(t.platform.alpha.at(t.app.date().hwnd()), step);
      ASSERT_EQ(bar.width(), 1590);
      if (s.side == 0) {
        ASSERT_EQ(bar.left(), step == 11 ? 28799 : 27210) << "placed for the width before";
      } else {
        ASSERT_EQ(bar.left(), -45) << "a left bar stays where it was put";
      }
    }
    EXPECT_TRUE(bar.tmrOpen.enabled());
    t.timers.advance(10);
    EXPECT_FALSE(bar.tmrOpen.enabled());
    EXPECT_EQ(barAlpha(t), 255);
    EXPECT_EQ(t.platform.alpha.at(t.app.date().hwnd()), 241) << "the panel keeps the last step";
    EXPECT_TRUE(t.app.date().visible());
    EXPECT_EQ(bar.left(), s.side == 0 ? 27210 : -45);
  }
}

TEST(EdgeWatcher, OddTargetsOfTheFade) {
  {  // 1 or less: the first tick finds the target reached and never widens.
    TestApp t;
    frmSide& bar = settled(t);
    t.app.settings()[core::GlassAlpha] = 1;
    t.platform.pointerPos = {1919, 0};
    t.timers.advance(1000);
    EXPECT_EQ(bar.width(), 1);
    EXPECT_EQ(barAlpha(t), 255);
  }
  {  // Above what the stepper holds (a hand-edited file): the fade ends opaque.
    TestApp t;
    frmSide& bar = settled(t);
    t.app.settings()[core::GlassAlpha] = 300;
    t.platform.pointerPos = {1919, 0};
    ticksUntil(t, [&] { return bar.tmrOpen.enabled(); });
    EXPECT_EQ(ticksUntil(t, [&] { return !bar.tmrOpen.enabled(); }), 260);
    EXPECT_EQ(bar.HScroll1.value(), 255);
    EXPECT_EQ(bar.width(), 1590);
    EXPECT_EQ(barAlpha(t), 255);
  }
  {  // BarSide -1 has no corners and no close line.
    TestApp t;
    frmSide& bar = settled(t, -1);
    for (platform::PointerPos p : {platform::PointerPos{1919, 0}, {0, 0}, {0, 1079}}) {
      t.platform.pointerPos = p;
      t.timers.advance(1000);
    }
    EXPECT_EQ(bar.width(), 1);
    EXPECT_FALSE(bar.tmrQuit.enabled());
  }
}

TEST(EdgeWatcher, TheBarCollapsesAHundredMillisecondsAfterThePointerCrossesTheCloseLine) {
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
    frmSide& bar = settled(t, c.side);
    t.platform.pointerPos = {c.side == 0 ? 1919 : 0, 1079};
    t.timers.advance(1000);
    ASSERT_EQ(bar.width(), 1590) << "the bottom corner pixel opens the bar";
    t.platform.pointerPos = {c.keepsOpen, 500};
    t.timers.advance(500);
    EXPECT_EQ(bar.width(), 1590);
    EXPECT_FALSE(bar.tmrQuit.enabled());
    t.platform.pointerPos = {c.closes, 500};
    t.timers.advance(10);
    EXPECT_TRUE(bar.tmrQuit.enabled());
    t.platform.pointerPos = {c.side == 0 ? 1900 : 50, 500};  // back over the bar: too late
    t.timers.advance(99);
    EXPECT_TRUE(bar.visible());
    EXPECT_TRUE(t.app.date().visible());
    t.timers.advance(1);
    EXPECT_FALSE(bar.visible());
    EXPECT_EQ(bar.width(), 1);
    EXPECT_EQ(bar.HScroll1.value(), 1);
    EXPECT_EQ(barAlpha(t), 1);
    EXPECT_FALSE(t.app.findDate() != nullptr) << "a tick that finds the bar collapsed closes the clock panel";
  }
}

TEST(EdgeWatcher, CrossingTheCloseLineDuringTheFadeEndsItForGood) {
  for (const Side& s : kSides) {
    SCOPED_TRACE("side " + std::to_string(s.side));
    TestApp t;
    frmSide& bar = settled(t, s.side);
    t.platform.pointerPos = s.corner;
    ticksUntil(t, [&] { return bar.tmrOpen.enabled(); });
    t.timers.advance(50);
    ASSERT_EQ(bar.HScroll1.value(), 51);
    t.platform.pointerPos = s.beyond;
    t.timers.advance(10);
    EXPECT_FALSE(bar.tmrOpen.enabled());
    EXPECT_TRUE(bar.tmrQuit.enabled());
    EXPECT_EQ(bar.HScroll1.value(), 61) << "the opening tick of this ms came first";
    t.timers.advance(99);
    EXPECT_EQ(bar.width(), 1590);
    EXPECT_EQ(bar.HScroll1.value(), 61);
    t.timers.advance(1001);
    EXPECT_EQ(bar.width(), 1);
    EXPECT_FALSE(bar.visible());
    EXPECT_EQ(bar.HScroll1.value(), 1);
    EXPECT_EQ(barAlpha(t), 1);
  }
}

TEST(EdgeWatcher, TheClockPanelFollowsEveryTickAndItsChargeTextOnlyTheCorner) {
  for (const Side& s : kSides) {
    SCOPED_TRACE("side " + std::to_string(s.side));
    TestApp t;
    t.platform.power = {56, 0};
    frmSide& bar = settled(t, s.side);
    t.platform.pointerPos = s.corner;
    t.timers.advance(1000);
    ASSERT_EQ(bar.width(), 1590);
    frmDate& panel = t.app.date();
    EXPECT_TRUE(panel.lblState.visible());
    t.platform.pointerPos = s.onBar;
    t.platform.mediumTimeText = "09:41 AM";
    t.timers.advance(10);
    EXPECT_EQ(bar.width(), 1590);
    EXPECT_FALSE(panel.lblState.visible());
    EXPECT_EQ(panel.lblState.caption(), "56%") << "hidden, not emptied";
    EXPECT_EQ(panel.Label1.caption(), "09:41");
    EXPECT_EQ(bar.Label1.caption(), "16200");
    EXPECT_EQ(bar.Label2.caption(), "500");
    t.platform.pointerPos = s.corner;
    t.timers.advance(10);
    EXPECT_TRUE(panel.lblState.visible());
  }
}

TEST(EdgeWatcher, AChangeOfEitherScreenSizeReloadsTheBarWithinOneTick) {
  struct Case {
    int widthPx, heightPx;
    bool reloads;
  };
  for (const Case c : {Case{1920, 1080, false}, Case{1280, 1080, true}, Case{1920, 1024, true},
                       Case{1280, 1024, true}}) {
    SCOPED_TRACE(std::to_string(c.widthPx) + " x " + std::to_string(c.heightPx));
    TestApp t;
    settled(t);
    t.platform.screenWidthPx = c.widthPx;
    t.platform.screenHeightPx = c.heightPx;
    t.timers.advance(10);
    // The bar saves the screen size at load: a fresh bar holds the new one.
    frmSide& bar = t.side();
    EXPECT_EQ(bar.SavedScreenWidth, c.reloads ? c.widthPx * 15.0F : 28800.0F);
    EXPECT_EQ(bar.SavedScreenHeight, c.reloads ? c.heightPx * 15 : 16200);
    EXPECT_EQ(bar.height(), (c.reloads ? c.heightPx * 15 : 16200) + 600);
    EXPECT_EQ(bar.width(), 1);
    EXPECT_EQ(bar.visible(), c.reloads) << "a fresh bar is shown collapsed";
    const int saved = bar.SavedScreenHeight;
    t.timers.advance(1000);
    EXPECT_EQ(t.side().SavedScreenHeight, saved) << "once, not on every tick";
  }
}
