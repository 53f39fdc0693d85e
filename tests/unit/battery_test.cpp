// The battery gauge: the picture table at its edges, the text, the layout, the pictures.
#include <gtest/gtest.h>

#include <map>

#include "clock/battery_pictures.h"
#include "clock/date_panel.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

int shownPicture(frmDate& d) {
  for (int i = 0; i < clock_panel::kBatteryPictures; ++i) {
    if (d.imgState.picture() == clock_panel::batteryPicture(i)) return i;
  }
  return -1;
}

}  // namespace

TEST(BatteryGauge, ThePictureFollowsTheChargeByTensAndTheMainsStatusAndNoChargeHidesIt) {
  TestApp t;
  t.platform.power = {255, 1};  // no battery
  t.startBar();
  frmDate& d = t.app.date();
  EXPECT_EQ(d.lblState.caption(), "");
  const int dateLeft = d.Label2.left();
  // The charge, the mains status (0 on battery; on mains 0 charging, 1 full) and the picture:
  // on battery a step of ten a picture, 12 the empty outline.
  const std::tuple<int, int, int> cases[] = {{100, 1, 1}, {99, 1, 0}, {100, 0, 2},
                                             {91, 0, 2},  {90, 0, 3}, {11, 0, 10},
                                             {10, 0, 11}, {1, 0, 11}, {0, 0, 12}};
  for (const auto& [charge, mains, picture] : cases) {
    SCOPED_TRACE(std::to_string(charge) + "% mains " + std::to_string(mains));
    t.platform.power = {charge, mains};
    d.BDate();
    EXPECT_EQ(shownPicture(d), picture);
    EXPECT_EQ(d.lblState.caption(), std::to_string(charge) + "%");
  }
  EXPECT_EQ(d.Label1.left(), 1320);
  EXPECT_EQ(d.Label2.left(), dateLeft + 660) << "the weekday and date move with the time";

  t.platform.power = {40, 255};  // an unknown mains status keeps the picture and its text
  d.BDate();
  EXPECT_EQ(shownPicture(d), 12);
  EXPECT_EQ(d.lblState.caption(), "0%");
  t.platform.power = {255, 255};
  d.BDate();
  EXPECT_FALSE(d.imgState.visible());
  EXPECT_EQ(d.Label1.left(), 660);
}

TEST(BatteryGauge, EachPictureIsTheEmptyOutlineWithItsFillFromTheBottom) {
  constexpr std::uint32_t light = 0xFFF0F0F0;
  const forms::Picture& outline = *clock_panel::batteryPicture(12);
  // The fill is light but yellow at 11-20 % (picture 10) and red at 1-10 % (11).
  const std::map<int, std::uint32_t> fills = {{10, 0xFFFADC00}, {11, 0xFFED1C24}, {12, 0}};
  for (int i = 0; i < clock_panel::kBatteryPictures; ++i) {
    SCOPED_TRACE("picture " + std::to_string(i));
    const forms::Picture& p = *clock_panel::batteryPicture(i);
    ASSERT_EQ(std::pair(p.width, p.height), std::pair(11, 26));
    std::string rows;  // the 7 x 20 fill area from the top: F filled, . empty, c cut
    for (int y = 0; y < 26; ++y) {
      int filled = 0;
      for (int x = 0; x < 11; ++x) {
        const bool inFill = x >= 2 && x <= 8 && y >= 4 && y <= 23;
        EXPECT_TRUE(inFill || p.at(x, y) == outline.at(x, y)) << x << "," << y;
        filled += inFill && p.at(x, y) != 0 ? 1 : 0;
      }
      if (y >= 4 && y <= 23) rows += filled == 7 ? 'F' : filled == 0 ? '.' : 'c';
    }
    EXPECT_EQ(p.at(2, 23), fills.count(i) != 0 ? fills.at(i) : light);
    if (i <= 1) {  // on mains: a bolt or a plug cut out of a full fill
      EXPECT_NE(rows.find('c'), std::string::npos);
      EXPECT_EQ(rows.substr(15), "FFFFF");
    } else {  // on battery: two rows fewer a picture
      EXPECT_EQ(rows, std::string(2 * i - 4, '.') + std::string(24 - 2 * i, 'F'));
    }
  }
  EXPECT_NE(*clock_panel::batteryPicture(0), *clock_panel::batteryPicture(1));
}
