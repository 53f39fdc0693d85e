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
    int charge;
    int mains;
    int picture;
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
    EXPECT_EQ(d.Label1.left(), 1320);
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

TEST(BatteryGauge, ThePicturesPixelByPixel) {
  constexpr std::uint32_t light = 0xFFF0F0F0;
  constexpr std::uint32_t yellow = 0xFFFADC00;
  constexpr std::uint32_t red = 0xFFED1C24;
  // Pictures 2 to 12, on battery: whole rows from the bottom, yellow at 11-20 %, red at 1-10 %.
  const struct {
    int rows;
    std::uint32_t colour;
  } kFill[] = {{20, light}, {18, light}, {16, light}, {14, light}, {12, light}, {10, light},
               {8, light},  {6, light},  {4, yellow}, {2, red},    {0, 0}};
  for (int i = 0; i < clock_panel::kBatteryPictures; ++i) {
    SCOPED_TRACE("picture " + std::to_string(i));
    const forms::Picture& p = *clock_panel::batteryPicture(i);
    ASSERT_EQ(p.width, 11);
    ASSERT_EQ(p.height, 26);
    for (int x = 0; x < 11; ++x) {
      const bool terminal = x >= 3 && x <= 7;
      EXPECT_EQ(p.at(x, 0), terminal ? light : 0U);
      EXPECT_EQ(p.at(x, 1), terminal ? light : 0U);
      EXPECT_EQ(p.at(x, 2), light);
      EXPECT_EQ(p.at(x, 25), light);
    }
    for (int y = 3; y < 25; ++y) {
      EXPECT_EQ(p.at(0, y), light);
      EXPECT_EQ(p.at(10, y), light);
      EXPECT_EQ(p.at(1, y), 0U) << "gap";
      EXPECT_EQ(p.at(9, y), 0U) << "gap";
    }
    for (int x = 1; x < 10; ++x) {
      EXPECT_EQ(p.at(x, 3), 0U);
      EXPECT_EQ(p.at(x, 24), 0U);
    }
    // The fill: whole rows counted from the bottom of the 7 x 20 area.
    int rows = 0;
    int cut = 0;
    std::uint32_t colour = 0;
    for (int y = 23; y >= 4; --y) {
      int filled = 0;
      for (int x = 2; x <= 8; ++x) {
        if (p.at(x, y) != 0) {
          ++filled;
          colour = p.at(x, y);
        }
      }
      if (filled == 7) ++rows;
      cut += 7 - filled;
    }
    if (i <= 1) {
      EXPECT_GT(cut, 12) << "a bolt or a plug cut out of a full fill";
      EXPECT_LT(cut, 40);
      EXPECT_EQ(colour, light);
      EXPECT_EQ(p.at(2, 23), light);
    } else {
      EXPECT_EQ(cut, 20 * 7 - rows * 7) << "rows are whole";
      EXPECT_EQ(rows, kFill[i - 2].rows);
      if (rows > 0) {
        EXPECT_EQ(colour, kFill[i - 2].colour);
      }
    }
  }
  EXPECT_NE(*clock_panel::batteryPicture(0), *clock_panel::batteryPicture(1));
}
