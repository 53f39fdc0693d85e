// The tiles: hover, press and release shades, launching, the background's right click.
#include <gtest/gtest.h>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "config/config_window.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

constexpr forms::Colour kHighlight = 3289650;
constexpr forms::Colour kPressed = 3947580;
constexpr int kColumnTop = 4440;  // five tiles centred on a 1080-pixel screen

forms::Point onTile(int i, int y = 600) { return {800, kColumnTop + 1500 * i + y}; }
const forms::Point kBackground{800, 1000};

// The shades of the seven tiles: N normal, H highlighted, P pressed.
std::string shades(frmSide& bar, forms::Colour normal) {
  std::string s;
  for (std::size_t i = 0; i < 7; ++i) {
    const forms::Colour c = bar.lblButton[i].backColour();
    EXPECT_EQ(bar.lblRe[i].backColour(), c) << "strip and glyph change together";
    s += c == kHighlight ? (c == normal ? 'N' : 'H')
         : c == kPressed ? 'P'
         : c == normal   ? 'N'
                         : '?';
  }
  return s;
}

}  // namespace

TEST(Tiles, HoverPressAndReleaseShadeTheTiles) {
  TestApp t;
  frmSide& bar = t.startBar();
  const forms::Colour normal = t.app.state().barBackColour;
  bar.pointerMove(0, 0, onTile(2));
  EXPECT_EQ(shades(bar, normal), "NNHNNNN");
  EXPECT_EQ(bar.HoverTile, 2);
  bar.pointerMove(0, 0, onTile(3, 60));  // the strip is part of the tile
  EXPECT_EQ(shades(bar, normal), "NNNHNNN");
  bar.pointerDown(forms::kLeftButton, 0, onTile(3, 1100));  // on the name
  EXPECT_EQ(shades(bar, normal), "NNNPNNN");
  bar.pointerMove(forms::kLeftButton, 0, onTile(3, 1200));
  EXPECT_EQ(shades(bar, normal), "NNNPNNN") << "a pressed tile keeps its shade";
  bar.pointerUp(forms::kLeftButton, 0, onTile(3, 1200));
  EXPECT_EQ(shades(bar, normal), "NNNNNNN");
  EXPECT_EQ(bar.HoverTile, 7);
  ASSERT_EQ(t.platform.shellOpened.size(), 1U);

  bar.pointerMove(0, 0, onTile(1));
  bar.pointerMove(0, 0, kBackground);
  EXPECT_EQ(shades(bar, normal), "NNNNNNN");

  // Pressed, then released outside the tile: every tile back to normal, nothing opened.
  bar.pointerDown(forms::kLeftButton, 0, onTile(0));
  bar.pointerUp(forms::kLeftButton, 0, onTile(4));
  EXPECT_EQ(shades(bar, normal), "NNNNNNN");
  EXPECT_EQ(t.platform.shellOpened.size(), 1U);
}

TEST(Tiles, BarColoursThatMatchTheShades) {
  // 60,60,60 looks pressed to the pointer: nothing is highlighted. 50,50,50 hides the highlight.
  struct Case {
    const char *colour, *shades;
    int hoverTile;
  };
  for (const Case c : {Case{"3947580", "PPPPPPP", 7}, Case{"3289650", "NNNNNNN", 2}}) {
    SCOPED_TRACE(c.colour);
    TestApp t;
    t.putFile(testing_support::fileWith({{core::BarColour, c.colour}, {core::BarColoured, "1"}}));
    frmSide& bar = t.startBar();
    ASSERT_EQ(t.app.state().barBackColour, std::stoul(c.colour));
    bar.pointerMove(0, 0, onTile(2));
    EXPECT_EQ(shades(bar, t.app.state().barBackColour), c.shades);
    EXPECT_EQ(bar.HoverTile, c.hoverTile);
  }
}

TEST(Tiles, AClickOrEnterOpensTheTilesFolderThroughTheShellInTheAnsiCodePage) {
  TestApp t;
  frmSide& bar = t.startBar("SPANISH", 5);
  forms::Button& enter = t.app.date().cmdIntro;
  enter.pressKey(forms::kKeyReturn);  // no tile ever chosen: tile 0
  bar.pointerDown(forms::kRightButton, 0, onTile(3));
  bar.pointerUp(forms::kRightButton, 0, onTile(3));
  ASSERT_EQ(t.platform.shellOpened.size(), 2U);
  EXPECT_EQ(t.platform.shellOpened[0].first, bar.hwnd());
  EXPECT_EQ(t.platform.shellOpened[0].second, "C:\\");
  EXPECT_EQ(t.platform.shellOpened[1].second,
            "C:\\Documents and Settings\\Ana\\Mis documentos\\Mis im\xE1genes");
  EXPECT_FALSE(t.app.findConfig() != nullptr) << "a right click on a tile is a click, not the menu";

  bar.pointerMove(0, 0, onTile(2));
  enter.pressKey(forms::kKeyReturn);  // Enter opens the highlighted tile, then the last one
  bar.pointerMove(0, 0, kBackground);
  enter.pressKey(forms::kKeyReturn);
  ASSERT_EQ(t.platform.shellOpened.size(), 4U);
  EXPECT_EQ(t.platform.shellOpened[2].second, "C:\\Documents and Settings\\Ana\\Mis documentos");
  EXPECT_EQ(t.platform.shellOpened[3].second, t.platform.shellOpened[2].second);
  t.app.state().launchIndex = 6;  // the last tile
  bar.eEject();
  t.app.state().launchIndex = 7;  // none
  bar.eEject();
  ASSERT_EQ(t.platform.shellOpened.size(), 5U);
  EXPECT_EQ(t.platform.shellOpened[4].second, "C:\\Documents and Settings\\Ana\\Escritorio");
}

TEST(Tiles, ARightClickOnTheBackgroundOpensAFreshConfigurationWindowAndCollapsesTheBar) {
  TestApp t;
  frmSide& bar = t.startBar();
  t.platform.pointerPos = {1919, 0};
  t.timers.advance(1000);
  ASSERT_EQ(bar.width(), 1590);
  t.platform.pointerPos = {1900, 50};
  bar.pointerDown(forms::kLeftButton, 0, kBackground);
  bar.pointerUp(forms::kLeftButton, 0, kBackground);
  EXPECT_FALSE(t.app.findConfig() != nullptr) << "a left click on the background does nothing";

  bar.pointerDown(forms::kRightButton, 0, kBackground);
  bar.pointerUp(forms::kRightButton, 0, kBackground);
  ASSERT_TRUE(t.app.findConfig() != nullptr);
  const int first = t.app.config().serial();
  EXPECT_TRUE(t.app.config().visible());
  EXPECT_TRUE(bar.tmrQuit.enabled());
  EXPECT_FALSE(bar.RightButtonDown);
  t.timers.advance(100);
  EXPECT_EQ(bar.width(), 1);

  bar.eOpenConfig();
  EXPECT_NE(t.app.config().serial(), first) << "a fresh window replaces the open one";
  EXPECT_TRUE(t.app.config().visible());
}
