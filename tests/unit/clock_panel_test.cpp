// The clock panel: placement, the time and date texts and the layout.
#include <gtest/gtest.h>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

frmDate& panel(TestApp& t, double side = 0) {
  t.app.settings()[core::BarSide] = side;
  t.startBar();
  return t.app.date();
}

}  // namespace

TEST(ClockPanel, StandsInTheCornerOppositeTheBarItsTimeFollowsTheClockModeItsDateTheLanguage) {
  TestApp t;
  t.platform.time.hour = 7;
  t.platform.time.minute = 5;
  t.platform.power = {50, 0};
  frmDate& d = panel(t);  // a right bar: the panel bottom left (a left bar's: see below)
  EXPECT_EQ(d.top(), 16200 - 2070 - 740);
  EXPECT_EQ(d.left(), 740);
  for (forms::Label* l : {&d.Label1, &d.Label2, &d.Label3}) EXPECT_EQ(l->foreColour(), 15790320);
  // 0 is the system's format; any other mode the 24-hour clock, as the window shows it.
  for (const auto& [mode, shown] :
       {std::pair{-1.0, "07:05"}, {0.0, "05:07"}, {0.5, "07:05"}, {1.0, "07:05"}, {3.0, "07:05"}}) {
    t.app.settings()[core::ClockMode] = mode;
    d.BDate();
    EXPECT_EQ(d.Label1.caption(), shown) << "ClockMode " << mode;
  }
  // A date of too few pieces ends the refresh: what was set before stays, the rest is untouched.
  t.app.settings()[core::ClockMode] = 0;
  t.platform.longDateText = "Thursday";
  t.platform.power = {255, 255};
  d.BDate();
  EXPECT_EQ(d.Label1.caption(), "05:07");
  EXPECT_EQ(d.Label2.caption(), "Thursday");
  EXPECT_EQ(d.Label3.caption(), "December 5");
  EXPECT_TRUE(d.imgState.visible()) << "the refresh ended before the gauge";
  // In Spanish the day comes before the month.
  t.app.state().languageName = "SPANISH";
  t.platform.longDateText = "mi\xC3\xA9rcoles, 05 de diciembre de 2012";
  d.BDate();
  EXPECT_EQ(d.Label3.caption(), "5 de diciembre");
}

TEST(ClockPanel, AMinuteChangeMovesTheLabelsAtOnceAndThePanelWidthOneRefreshLater) {
  TestApp t;
  t.platform.mediumTimeText = "9:59 AM";
  frmDate& d = panel(t, 1);  // a left bar: the panel bottom right
  d.BDate();
  d.BDate();
  // The fake metrics: 638 twips a character of the time, 240 of the date.
  EXPECT_EQ(d.Label3.left(), 3572);  // 660 + "9:59" + 360, the weekday's left too
  EXPECT_EQ(d.width(), 6552);        // the date's right edge + 580

  t.platform.mediumTimeText = "10:00 AM";
  d.BDate();
  EXPECT_EQ(d.Label3.left(), 4210);
  EXPECT_EQ(d.width(), 6552) << "not in the refresh that changed the time";
  d.BDate();
  EXPECT_EQ(d.width(), 7190);
  EXPECT_EQ(d.left(), 28800 - 740 - 7190) << "the right edge stays put";
}
