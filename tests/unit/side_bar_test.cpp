// The bar window's load: defaults, the file's values, the layout and the press that ends.
#include <gtest/gtest.h>

#include <map>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "core/settings_file.h"
#include "test_app.h"

using core::Value;
using testing_support::fileOf;
using testing_support::TestApp;

namespace {

// A complete settings file: the English defaults of user "Ana", with some lines replaced.
std::string fileWith(const std::map<int, std::string>& lines) {
  std::vector<std::string> all = {"Computer",
                                  "Ana",
                                  "Documents",
                                  "Pictures",
                                  "Music",
                                  "Videos",
                                  "Downloads",
                                  "C:\\",
                                  "C:\\Users\\Ana",
                                  "C:\\Users\\Ana\\Documents",
                                  "C:\\Users\\Ana\\Pictures",
                                  "C:\\Users\\Ana\\Music",
                                  "C:\\Users\\Ana\\Videos",
                                  "C:\\Users\\Ana\\Downloads"};
  for (int i = 0; i < 7; ++i) all.emplace_back("16777215");
  all.emplace_back("12081179");
  all.emplace_back("0");
  for (int i = 0; i < 7; ++i) all.emplace_back("\xCC");
  for (const char* v : {"4", "240", "0", "0", "0", "Webdings"}) all.emplace_back(v);
  for (const auto& [i, v] : lines) all[static_cast<std::size_t>(i)] = v;
  return fileOf(all);
}

// The defaults as the settings file would hold them (BarSide has none: an empty line).
std::string expectedDefaults(bool english, bool modern) {
  const std::string h = modern ? "C:\\Users\\Ana" : "C:\\Documents and Settings\\Ana";
  std::vector<std::string> v =
      english ? std::vector<std::string>{"Computer", "Ana", "Documents", "Pictures", "Music"}
              : std::vector<std::string>{"Equipo", "Ana", "Documentos", "Im\xC3\xA1genes",
                                         "M\xC3\xBAsica"};
  const char* last[2][2][2] = {{{"Favoritos", "Escritorio"}, {"Favorites", "Desktop"}},
                               {{"Videos", "Descargas"}, {"Videos", "Downloads"}}};
  v.insert(v.end(), {last[modern][english][0], last[modern][english][1], "C:\\", h});
  const std::vector<std::string> folders =
      modern    ? std::vector<std::string>{"\\Documents", "\\Pictures", "\\Music", "\\Videos",
                                           "\\Downloads"}
      : english ? std::vector<std::string>{"\\My Documents", "\\My Documents\\My Pictures",
                                           "\\My Documents\\My Music", "\\Favorites", "\\Desktop"}
                : std::vector<std::string>{
                      "\\Mis documentos", "\\Mis documentos\\Mis im\xC3\xA1genes",
                      "\\Mis documentos\\Mi m\xC3\xBAsica", "\\Favoritos", "\\Escritorio"};
  for (const auto& f : folders) v.push_back(h + f);
  v.insert(v.end(), 7, "16777215");
  v.insert(v.end(), {"12081179", ""});
  v.insert(v.end(), 7, "\xC3\x8C");
  v.insert(v.end(), {"4", "240", "0", "0", "0", "Webdings"});
  return fileOf(v);
}

}  // namespace

TEST(SideBarLoad, WithNoFileTheStoreHoldsTheDefaultsAndTheTilesTheirDesignCaptions) {
  struct Case {
    int os;
    const char* language;
    bool english;
  };
  for (const Case c :
       {Case{5, "ENGLISH", true}, Case{5, "SPANISH", false}, Case{5, "GERMAN", false},
        Case{6, "ENGLISH", true}, Case{10, "SPANISH", false}, Case{10, "", false}}) {
    SCOPED_TRACE(std::string(c.language) + " " + std::to_string(c.os));
    TestApp t;
    frmSide& bar = t.startBar(c.language, c.os);
    EXPECT_EQ(core::settingsText(t.app.settings()), expectedDefaults(c.english, c.os > 5));
    EXPECT_TRUE(t.app.settings()[core::BarSide].isEmpty());
    EXPECT_TRUE(t.app.settings()[core::GlyphColour0].isNumber());
    const char* design[] = {"Equipo",        "Personal", "Documentos", "Im\xC3\xA1genes",
                            "M\xC3\xBAsica", "Videos",   "Descargas"};
    for (std::size_t i = 0; i < 7; ++i) {
      EXPECT_EQ(bar.Labels[i].caption(), design[i]);
      EXPECT_EQ(bar.Labels[i].foreColour(), forms::rgb(224, 224, 224));
      EXPECT_EQ(bar.lblButton[i].caption(), "\xC3\x8C");
      EXPECT_EQ(bar.lblButton[i].font().name, "Webdings");
      EXPECT_EQ(bar.lblButton[i].backColour(), 1118481);
      EXPECT_EQ(bar.lblRe[i].backColour(), 1118481);
    }
    EXPECT_EQ(bar.Usuario.caption(), "Ana");
    EXPECT_EQ(t.app.state().smallScreen, 0);
  }
}

TEST(SideBarLoad, AFailedLogonQueryGivesAnEmptyName) {
  TestApp t;
  t.platform.logon = std::nullopt;
  t.startBar();
  EXPECT_EQ(t.app.settings()[1], Value(""));
  EXPECT_EQ(t.app.settings()[8], Value("C:\\Users\\"));
}

TEST(SideBarLoad, TheWindowStandsAtItsEdgeAsTallAsTheScreenAndCollapsed) {
  for (const auto& [side, left, stored] : std::vector<std::tuple<std::string, int, Value>>{
           {"0", 28800 - 3810, 0}, {"", 28800 - 3810, 0}, {"1", -45, 1}, {"3", -45, 1}}) {
    SCOPED_TRACE("BarSide " + side);
    TestApp t;
    t.putFile(fileWith({{22, side}}));
    frmSide& bar = t.startBar();
    EXPECT_EQ(bar.rect(), (forms::Rect{left, -15, 1, 16200 + 600}));
    EXPECT_EQ(t.app.settings()[core::BarSide], stored);
    EXPECT_TRUE(bar.visible());
    EXPECT_FALSE(t.platform.topmostCalls.empty());
    EXPECT_EQ(t.platform.topmostCalls.back(), bar.hwnd()) << "topmost again on every resize";
    ASSERT_TRUE(t.app.hasDate());
    EXPECT_FALSE(t.app.date().visible());
    EXPECT_EQ(t.platform.alpha.at(t.app.date().hwnd()), 1);
    EXPECT_EQ(bar.SavedScreenWidth, 28800.0F);
    EXPECT_EQ(bar.SavedScreenHeight, 16200);
  }
}

TEST(SideBarLoad, TheBarHeightFollowsBarSizeAndCentresTheColumn) {
  for (const auto& [size, height] : std::vector<std::pair<std::string, int>>{{"0", 1500},
                                                                             {"1", 3000},
                                                                             {"2", 4500},
                                                                             {"3", 6000},
                                                                             {"4", 7500},
                                                                             {"5", 9000},
                                                                             {"6", 10500},
                                                                             {"9", 10500},
                                                                             {"2.5", 10500},
                                                                             {"-1", 10500}}) {
    SCOPED_TRACE("BarSize " + size);
    TestApp t;
    t.putFile(fileWith({{30, size}}));
    frmSide& bar = t.startBar();
    EXPECT_EQ(bar.frmeBar.height(), height);
    EXPECT_EQ(bar.frmeBar.top(), 8100 - height / 2 + 90);
  }
}

TEST(SideBarLoad, SmallScreensShowAtMostFiveTiles) {
  struct Case {
    int heightPx;
    int smallScreen;
    double barSizeAfterLoad;
    double barSizeAfterConfig;
  };
  // 699 px = 10485 twips, 700 px = 10500, 617 px = 9255, 616 px = 9240. The load caps BarSize
  // for its own layout; the second read of the file brings the stored value back, and only
  // applying the settings on a very small screen caps it again.
  for (const Case c :
       {Case{700, 0, 6, 6}, Case{699, 1, 6, 6}, Case{617, 1, 6, 6}, Case{616, 1, 4, 4}}) {
    SCOPED_TRACE(c.heightPx);
    TestApp t;
    t.platform.screenHeightPx = c.heightPx;
    t.putFile(fileWith({{30, "6"}}));
    frmSide& bar = t.startBar();
    EXPECT_EQ(t.app.state().smallScreen, c.smallScreen);
    EXPECT_EQ(t.app.settings()[core::BarSize], Value(c.barSizeAfterLoad));
    EXPECT_EQ(bar.frmeBar.height(), c.smallScreen == 0 ? 10500 : 7500);
    t.app.settings()[core::BarSize] = 6;
    bar.eConfig();
    EXPECT_EQ(t.app.settings()[core::BarSize], Value(c.barSizeAfterConfig));
  }
}

TEST(SideBarLoad, TheFileDecidesGlyphsFontsColoursAndNames) {
  for (const auto& [font, name] :
       std::vector<std::pair<std::string, std::string>>{{"0", "Webdings"},
                                                        {"1", "Wingdings"},
                                                        {"2", "Wingdings 2"},
                                                        {"3", "Wingdings 3"},
                                                        {"4", "Marlett"},
                                                        {"7", "Webdings"},
                                                        {"", "Webdings"}}) {
    TestApp t;
    t.putFile(fileWith({{32, font}, {35, "Marlett"}}));
    frmSide& bar = t.startBar();
    for (auto& b : bar.lblButton) EXPECT_EQ(b.font().name, name) << "GlyphFont " << font;
    EXPECT_EQ(bar.lblButton[0].font().charset, forms::kSymbolCharset);
  }
  for (const auto& [coloured, colour] : std::vector<std::pair<std::string, forms::Colour>>{
           {"0", 1118481}, {"1", 255}, {"3", 255}, {"0.5", 1118481}}) {
    TestApp t;
    t.putFile(fileWith({{34, coloured}, {21, "255"}}));
    frmSide& bar = t.startBar();
    EXPECT_EQ(t.app.state().barBackColour, colour) << "BarColoured " << coloured;
    EXPECT_EQ(bar.backColour(), colour);
    EXPECT_EQ(bar.frmeBar.backColour(), colour);
    EXPECT_EQ(bar.lblButton[6].backColour(), colour);
  }
  TestApp t;
  t.putFile(fileWith({{0, "R&&D"}, {2, "a&b"}, {16, "255"}, {24, "&"}, {25, "\xFC"}}));
  frmSide& bar = t.startBar();
  EXPECT_EQ(bar.Labels[0].caption(), "R&&D");
  EXPECT_EQ(bar.Labels[2].displayText().text, U"ab");  // the "&" marks an access key
  EXPECT_EQ(bar.Labels[2].displayText().underline, 1);
  EXPECT_EQ(bar.Labels[0].foreColour(), 15790320);
  EXPECT_EQ(bar.lblButton[2].foreColour(), 255);
  EXPECT_EQ(bar.lblButton[1].caption(), "&&");
  EXPECT_EQ(bar.lblButton[1].displayText().text, U"&");
  EXPECT_EQ(bar.lblButton[2].caption(), "\xC3\xBC");
}

TEST(SideBarLoad, AColourThatCannotBeAppliedEndsTheApplyingThere) {
  TestApp t;
  t.putFile(fileWith({{0, "First"}, {16, "-5"}, {23, "a"}}));
  frmSide& bar = t.startBar();
  EXPECT_EQ(bar.Labels[0].caption(), "First");
  EXPECT_EQ(bar.lblButton[1].foreColour(), 16777215);
  EXPECT_EQ(bar.lblButton[2].foreColour(), 16777215) << "the design colour stays";
  // The load itself goes on: glyph captions come from its own last step.
  EXPECT_EQ(bar.lblButton[0].caption(), "a");
  EXPECT_EQ(bar.width(), 1);
}

TEST(SideBarLoad, AFadeTargetTooLargeToHoldEndsTheLoadAndTheBarStillOpens) {
  for (const char* alpha : {"1e400", "-1e400"}) {
    SCOPED_TRACE(alpha);
    TestApp t;
    t.putFile(fileWith({{0, "First"}, {31, alpha}, {32, "2"}}));
    frmSide& bar = t.startBar();
    EXPECT_EQ(t.app.settings()[core::GlassAlpha], Value(240));
    EXPECT_EQ(t.app.settings()[0], Value("First")) << "the lines before it stay read";
    EXPECT_EQ(t.app.settings()[core::GlyphFont], Value(0));
    EXPECT_EQ(bar.Labels[0].caption(), "Equipo") << "nothing applied";
    t.platform.pointerPos = {1919, 0};
    t.timers.advance(1000);
    EXPECT_EQ(bar.width(), 1590);
    EXPECT_EQ(bar.HScroll1.value(), 241);
    EXPECT_EQ(t.platform.alpha.at(bar.hwnd()), 255);
  }
}

TEST(SideBarLoad, AOneSecondPressOnTheBackgroundEndsTheProgram) {
  TestApp t;
  frmSide& bar = t.startBar();
  const std::size_t topmostBefore = t.platform.topmostCalls.size();
  bar.pointerDown(forms::kLeftButton, 0, {500, 100});  // above the tile column
  EXPECT_EQ(t.platform.topmostCalls.size(), topmostBefore + 1);
  t.timers.advance(999);
  EXPECT_FALSE(t.platform.exited);
  bar.pointerUp(forms::kLeftButton, 0, {500, 100});
  t.timers.advance(5000);
  EXPECT_FALSE(t.platform.exited) << "a release within the second keeps the program";

  bar.pointerDown(forms::kRightButton, 0, {500, 100});
  EXPECT_TRUE(bar.RightButtonDown);
  t.timers.advance(1000);
  EXPECT_TRUE(t.platform.exited);
  EXPECT_FALSE(t.app.hasSide());
  EXPECT_FALSE(t.app.hasDate());
}
