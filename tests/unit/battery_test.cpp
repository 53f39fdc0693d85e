// The battery gauge: the picture table at its edges, the text, the layout, the pictures.
#include <gtest/gtest.h>

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

TEST(BatteryGauge, ThePictureTableAtItsEdges) {
  struct Case {
    int charge, mains, picture;
  };
  for (const Case c :
       {Case{100, 1, 1}, Case{99, 1, 0}, Case{0, 1, 0}, Case{100, 0, 2}, Case{91, 0, 2},
        Case{90, 0, 3}, Case{81, 0, 3}, Case{80, 0, 4}, Case{56, 0, 6}, Case{21, 0, 9},
        Case{20, 0, 10}, Case{11, 0, 10}, Case{10, 0, 11}, Case{1, 0, 11}, Case{0, 0, 12}}) {
    TestApp t;
    t.platform.power = {c.charge, c.mains};
    t.startBar();
    frmDate& d = t.app.date();
    SCOPED_TRACE(std::to_string(c.charge) + "% mains " + std::to_string(c.mains));
    EXPECT_EQ(shownPicture(d), c.picture);
    EXPECT_TRUE(d.imgState.visible());
    EXPECT_EQ(d.lblState.caption(), std::to_string(c.charge) + "%");
  }
}

TEST(BatteryGauge, NoChargeHidesTheGaugeAndAnUnknownMainsStatusKeepsThePicture) {
  TestApp t;
  t.platform.power = {255, 1};
  t.startBar();
  frmDate& d = t.app.date();
  EXPECT_FALSE(d.imgState.visible());
  EXPECT_EQ(d.lblState.caption(), "");
  EXPECT_EQ(d.Label1.left(), 660);
  const int dateLeft = d.Label2.left();

  t.platform.power = {56, 1};
  d.BDate();
  EXPECT_EQ(shownPicture(d), 0);
  EXPECT_EQ(d.Label1.left(), 1320);
  EXPECT_EQ(d.Label2.left(), dateLeft + 660) << "the weekday and date move with the time";

  t.platform.power = {56, 0};  // unplugged
  d.BDate();
  EXPECT_EQ(shownPicture(d), 6);
  EXPECT_EQ(d.Label1.left(), 1320);

  t.platform.power = {40, 255};
  d.BDate();
  EXPECT_EQ(shownPicture(d), 6);
  EXPECT_EQ(d.lblState.caption(), "56%");

  t.platform.power = {255, 255};
  d.BDate();
  EXPECT_FALSE(d.imgState.visible());
  EXPECT_EQ(d.Label1.left(), 660);
}

TEST(BatteryGauge, EachPictureIsTheEmptyOutlineWithItsFillFromTheBottom) {
  constexpr std::uint32_t light = 0xFFF0F0F0;
  const forms::Picture& outline = *clock_panel::batteryPicture(12);
  // The terminal, 5 wide and 2 high, over the frame; a one-pixel gap inside the frame.
  EXPECT_EQ(std::vector<std::uint32_t>({outline.at(2, 0), outline.at(3, 1), outline.at(7, 0),
                                        outline.at(0, 2), outline.at(10, 25), outline.at(1, 12),
                                        outline.at(5, 3)}),
            std::vector<std::uint32_t>({0, light, light, light, light, 0, 0}));
  // Pictures 2 to 12, on battery: whole rows from the bottom, yellow at 11-20 %, red at 1-10 %.
  const std::pair<int, std::uint32_t> fills[] = {
      {20, light}, {18, light}, {16, light},     {14, light},     {12, light}, {10, light},
      {8, light},  {6, light},  {4, 0xFFFADC00}, {2, 0xFFED1C24}, {0, 0}};
  for (int i = 0; i < clock_panel::kBatteryPictures; ++i) {
    SCOPED_TRACE("picture " + std::to_string(i));
    const forms::Picture& p = *clock_panel::batteryPicture(i);
    ASSERT_EQ(p.width, 11);
    ASSERT_EQ(p.height, 26);
    std::string rows;  // the 7 x 20 fill area from the top: F filled, . empty, c cut
    for (int y = 0; y < 26; ++y) {
      for (int x = 0; x < 11; ++x) {
        const bool inFill = x >= 2 && x <= 8 && y >= 4 && y <= 23;
        EXPECT_TRUE(inFill || p.at(x, y) == outline.at(x, y)) << x << "," << y;
      }
      if (y < 4 || y > 23) continue;
      int filled = 0;
      for (int x = 2; x <= 8; ++x) filled += p.at(x, y) != 0 ? 1 : 0;
      rows += filled == 7 ? 'F' : filled == 0 ? '.' : 'c';
    }
    if (i <= 1) {  // a bolt or a plug cut out of a full fill
      EXPECT_EQ(p.at(2, 23), light);
      EXPECT_NE(rows.find('c'), std::string::npos);
      EXPECT_EQ(rows.substr(15), "FFFFF");
    } else {
      const auto [count, colour] = fills[i - 2];
      EXPECT_EQ(rows, std::string(20 - count, '.') + std::string(count, 'F'));
      EXPECT_EQ(p.at(5, 23), colour);
    }
  }
  EXPECT_NE(*clock_panel::batteryPicture(0), *clock_panel::batteryPicture(1));
}
