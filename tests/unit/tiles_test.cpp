// The tiles: hover, press and release shades, launching, the background's right click.
#include <gtest/gtest.h>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "config/config_window.h"
#include "test_app.h"

using testing_support::TestApp;

namespace {

constexpr forms::Colour kHighlight = 3289650;  // 50,50,50
constexpr forms::Colour kPressed = 3947580;    // 60,60,60
constexpr int kColumnTop = 4440;               // five tiles centred on a 1080-pixel screen

forms::Point onTile(int i, int y = 600) { return {800, kColumnTop + 1500 * i + y}; }
const forms::Point kBackground{800, 1000};

// The shades of the seven tiles: N normal, H highlighted, P pressed.
std::string shades(frmSide& bar, forms::Colour normal) {
  std::string s;
  for (std::size_t i = 0; i < 7; ++i) {
    const forms::Colour c = bar.lblButton[i].backColour();
    EXPECT_EQ(bar.lblRe[i].backColour(), c) << "strip and glyph change together";
    s += c == normal ? 'N' : c == kHighlight ? 'H' : c == kPressed ? 'P' : '?';
  }
  return s;
}

void press(frmSide& bar, int button, forms::Point down, forms::Point up) {
  bar.pointerDown(button, 0, down);
  bar.pointerUp(button, 0, up);
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
  EXPECT_EQ(t.platform.shellOpened.size(), 1U);

  bar.pointerMove(0, 0, onTile(1));
  bar.pointerMove(0, 0, kBackground);
  EXPECT_EQ(shades(bar, normal), "NNNNNNN");
  press(bar, forms::kLeftButton, onTile(0), onTile(4));  // released elsewhere: nothing opened
  EXPECT_EQ(shades(bar, normal), "NNNNNNN");
  EXPECT_EQ(t.platform.shellOpened.size(), 1U);
}

TEST(Tiles, BarColoursThatMatchTheShades) {
  // 60,60,60 looks pressed to the pointer: nothing is highlighted. 50,50,50 hides the highlight.
  for (const auto& [colour, shown, hoverTile] :
       {std::tuple{"3947580", "PPPPPPP", 7}, {"3289650", "HHHHHHH", 2}}) {
    SCOPED_TRACE(colour);
    TestApp t;
    t.putFile(testing_support::fileWith({{core::BarColour, colour}, {core::BarColoured, "1"}}));
    frmSide& bar = t.startBar();
    bar.pointerMove(0, 0, onTile(2));
    EXPECT_EQ(shades(bar, 0), shown);
    EXPECT_EQ(bar.HoverTile, hoverTile);
  }
}

TEST(Tiles, AClickOrEnterOpensTheTilesFolderThroughTheShellInTheAnsiCodePage) {
  TestApp t;
  frmSide& bar = t.startBar("SPANISH", 5);
  forms::Button& enter = t.app.date().cmdIntro;
  enter.pressKey(forms::kKeyReturn);                      // no tile ever chosen: tile 0
  press(bar, forms::kRightButton, onTile(3), onTile(3));  // a right click is a click too
  bar.pointerMove(0, 0, onTile(2));
  enter.pressKey(forms::kKeyReturn);  // Enter opens the highlighted tile, then the last one
  bar.pointerMove(0, 0, kBackground);
  enter.pressKey(forms::kKeyReturn);
  t.app.state().launchIndex = 6;  // the last tile
  bar.eEject();
  t.app.state().launchIndex = 7;  // none
  bar.eEject();
  const std::string home = "C:\\Documents and Settings\\Ana\\";
  const std::vector<std::pair<platform::WindowHandle, std::string>> opened = {
      {bar.hwnd(), "C:\\"},
      {bar.hwnd(), home + "Mis documentos\\Mis im\xE1genes"},
      {bar.hwnd(), home + "Mis documentos"},
      {bar.hwnd(), home + "Mis documentos"},
      {bar.hwnd(), home + "Escritorio"}};
  EXPECT_EQ(t.platform.shellOpened, opened);
  EXPECT_EQ(t.app.findConfig(), nullptr) << "a right click on a tile is not the menu";
}

TEST(Tiles, ARightClickOnTheBackgroundOpensAFreshConfigurationWindowAndCollapsesTheBar) {
  TestApp t;
  frmSide& bar = t.startBar();
  t.platform.pointerPos = {1919, 0};
  t.timers.advance(1000);
  t.platform.pointerPos = {1900, 50};
  press(bar, forms::kLeftButton, kBackground, kBackground);
  EXPECT_EQ(t.app.findConfig(), nullptr) << "a left click on the background does nothing";

  press(bar, forms::kRightButton, kBackground, kBackground);
  ASSERT_NE(t.app.findConfig(), nullptr);
  const int first = t.app.config().serial();
  EXPECT_TRUE(t.app.config().visible());
  EXPECT_FALSE(bar.RightButtonDown);
  t.timers.advance(100);
  EXPECT_EQ(bar.width(), 1);

  bar.eOpenConfig();
  EXPECT_NE(t.app.config().serial(), first) << "a fresh window replaces the open one";
  EXPECT_TRUE(t.app.config().visible());
}
