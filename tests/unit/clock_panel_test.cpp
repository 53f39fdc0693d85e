// The clock panel: placement, the time and date texts, the layout and Enter.
#include <gtest/gtest.h>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

frmDate& panel(TestApp& t, const char* language = "ENGLISH", double side = 0) {
  t.app.settings()[core::BarSide] = side;
  t.startBar(language);
  return t.app.date();
}

}  // namespace

TEST(ClockPanel, LoadsInTheCornerOppositeTheBar) {
  for (const double side : {0.0, 1.0}) {
    TestApp t;
    frmDate& d = panel(t, "ENGLISH", side);
    EXPECT_EQ(d.top(), 16200 - 2070 - 740);
    EXPECT_EQ(d.left(), side == 0 ? 740 : 28800 - d.width() - 740);
    EXPECT_EQ(d.backColour(), 1118481) << "the bar's colour";
    EXPECT_EQ(d.cmdIntro.left(), -495);
    EXPECT_EQ(d.Label3.font().name, "Segoe UI Semilight");
    for (forms::Label* l : {&d.Label1, &d.Label2, &d.Label3}) EXPECT_EQ(l->foreColour(), 15790320);
    EXPECT_FALSE(d.visible());
  }
}

TEST(ClockPanel, TheTimeFollowsTheClockMode) {
  for (const auto& [mode, shown] : std::vector<std::pair<double, const char*>>{
           {0, "05:07"}, {1, "17:07"}, {3, "17:07"}, {-1, "25:27"}, {0.5, "25:27"}}) {
    TestApp t;
    t.platform.mediumTimeText = "05:07 PM";
    t.platform.time.hour = 17;
    t.platform.time.minute = 7;
    frmDate& d = panel(t);
    t.app.settings()[core::ClockMode] = mode;
    d.BDate();
    EXPECT_EQ(d.Label1.caption(), shown) << "ClockMode " << mode;
  }
}

TEST(ClockPanel, WeekdayAndDayAndMonthInBothLanguages) {
  {
    TestApp t;
    t.platform.longDateText = "mi\xC3\xA9rcoles, 05 de diciembre de 2012";
    frmDate& d = panel(t, "SPANISH");
    d.BDate();
    EXPECT_EQ(d.Label2.caption(), "mi\xC3\xA9rcoles");
    EXPECT_EQ(d.Label3.caption(), "5 de diciembre");
  }
  {
    TestApp t;
    t.platform.longDateText = "Wednesday, December 05, 2012";
    frmDate& d = panel(t, "ENGLISH");
    d.BDate();
    EXPECT_EQ(d.Label2.caption(), "Wednesday");
    EXPECT_EQ(d.Label3.caption(), "December 5");
  }
  {  // Too few pieces: what was set before the failure stays, the rest is untouched.
    TestApp t;
    t.platform.longDateText = "Wednesday, December 05, 2012";
    t.platform.power = {50, 0};
    frmDate& d = panel(t, "ENGLISH");
    d.BDate();
    const int width = d.width();
    t.platform.longDateText = "Thursday";
    t.platform.mediumTimeText = "06:00 PM";
    t.platform.power = {255, 255};
    d.BDate();
    EXPECT_EQ(d.Label1.caption(), "06:00");
    EXPECT_EQ(d.Label2.caption(), "Thursday");
    EXPECT_EQ(d.Label3.caption(), "December 5");
    EXPECT_TRUE(d.imgState.visible()) << "the refresh ended before the gauge";
    EXPECT_EQ(d.width(), width);
  }
}

TEST(ClockPanel, AMinuteChangeMovesTheLabelsAtOnceAndThePanelWidthOneRefreshLater) {
  TestApp t;
  t.platform.mediumTimeText = "9:59 AM";
  frmDate& d = panel(t, "ENGLISH", 1);
  d.BDate();
  d.BDate();
  // The fake metrics: 638 twips a character of the time, 240 of the date.
  EXPECT_EQ(d.Label1.left(), 660);
  EXPECT_EQ(d.Label2.left(), 3572);  // 660 + "9:59" + 360
  EXPECT_EQ(d.Label3.left(), 3572);
  EXPECT_EQ(d.width(), 6552);  // the date's right edge + 580
  EXPECT_EQ(d.left(), 28800 - 740 - 6552);

  t.platform.mediumTimeText = "10:00 AM";
  d.BDate();
  EXPECT_EQ(d.Label2.left(), 4210);
  EXPECT_EQ(d.Label3.left(), 4210);
  EXPECT_EQ(d.width(), 6552) << "not in the refresh that changed the time";
  d.BDate();
  EXPECT_EQ(d.width(), 7190);
  EXPECT_EQ(d.left(), 28800 - 740 - 7190) << "the right edge stays put";

  t.platform.longDateText = "Wednesday, September 05, 2012";
  d.BDate();
  EXPECT_EQ(d.left() + d.width(), 28800 - 740);
}

TEST(ClockPanel, EnterOpensTheHighlightedTileOrTheLastOne) {
  TestApp t;
  frmDate& d = panel(t);
  frmSide& bar = t.side();
  d.cmdIntro.pressKey(forms::kKeyReturn);
  ASSERT_EQ(t.platform.shellOpened.size(), 1U);
  EXPECT_EQ(t.platform.shellOpened[0].second, "C:\\") << "no tile ever chosen: tile 0";

  bar.pointerMove(0, 0, {800, 4440 + 1500 * 2 + 600});  // highlights tile 2
  d.cmdIntro.pressKey(forms::kKeyReturn);
  EXPECT_EQ(t.platform.shellOpened.back().second, "C:\\Users\\Ana\\Documents");

  bar.pointerMove(0, 0, {800, 100});  // the background: nothing highlighted
  d.cmdIntro.pressKey(forms::kKeyReturn);
  EXPECT_EQ(t.platform.shellOpened.back().second, "C:\\Users\\Ana\\Documents");
  EXPECT_EQ(t.platform.shellOpened.size(), 3U);
}
