// The bar window's load: defaults, the file's values, the layout and the press that ends.
#include <gtest/gtest.h>

#include <map>

#include "bar/side_bar.h"
#include "clock/date_panel.h"
#include "core/settings_file.h"
#include "test_app.h"

using core::Value;
using testing_support::fileOf;
using testing_support::fileWith;
using testing_support::kModernEnglish;
using testing_support::kOtherDefaults;
using testing_support::linesWith;
using testing_support::TestApp;
using testing_support::tileLines;

namespace {

const std::vector<std::string> kModernSpanish = tileLines(
    {"Equipo", "Ana", "Documentos", "Im\xC3\xA1genes", "M\xC3\xBAsica", "Videos", "Descargas"},
    "C:\\Users\\Ana", {"Documents", "Pictures", "Music", "Videos", "Downloads"});
const std::vector<std::string> kXpEnglish =
    tileLines({"Computer", "Ana", "Documents", "Pictures", "Music", "Favorites", "Desktop"},
              "C:\\Documents and Settings\\Ana",
              {"My Documents", "My Documents\\My Pictures", "My Documents\\My Music", "Favorites",
               "Desktop"});
const std::vector<std::string> kXpSpanish = tileLines(
    {"Equipo", "Ana", "Documentos", "Im\xC3\xA1genes", "M\xC3\xBAsica", "Favoritos", "Escritorio"},
    "C:\\Documents and Settings\\Ana",
    {"Mis documentos", "Mis documentos\\Mis im\xC3\xA1genes", "Mis documentos\\Mi m\xC3\xBAsica",
     "Favoritos", "Escritorio"});

}  // namespace

TEST(SideBarLoad, WithNoFileTheStoreHoldsTheDefaultsAndTheTilesTheirDesignCaptions) {
  struct Case {
    int os;
    const char* language;
    const std::vector<std::string>& tiles;
  };
  for (const Case& c : {Case{5, "ENGLISH", kXpEnglish}, Case{5, "SPANISH", kXpSpanish},
                        Case{5, "GERMAN", kXpSpanish}, Case{6, "ENGLISH", kModernEnglish},
                        Case{10, "SPANISH", kModernSpanish}, Case{10, "", kModernSpanish}}) {
    SCOPED_TRACE(std::string(c.language) + " " + std::to_string(c.os));
    TestApp t;
    frmSide& bar = t.startBar(c.language, c.os);
    std::vector<std::string> lines = c.tiles;
    lines.insert(lines.end(), kOtherDefaults.begin(), kOtherDefaults.end());
    EXPECT_EQ(core::settingsText(t.app.settings()), fileOf(lines));
    EXPECT_TRUE(t.app.settings()[core::GlyphColour0].isNumber());
    const char* design[] = {"Equipo",        "Personal", "Documentos", "Im\xC3\xA1genes",
                            "M\xC3\xBAsica", "Videos",   "Descargas"};
    for (std::size_t i = 0; i < 7; ++i) {
      EXPECT_EQ(bar.Labels[i].caption(), design[i]);
      EXPECT_EQ(bar.Labels[i].foreColour(), forms::rgb(224, 224, 224));
      EXPECT_EQ(bar.lblButton[i].caption(), "\xC3\x8C");
      EXPECT_EQ(bar.lblButton[i].backColour(), 1118481);
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
    ASSERT_TRUE(t.app.findDate() != nullptr);
    EXPECT_FALSE(t.app.date().visible());
    EXPECT_EQ(t.platform.alpha.at(t.app.date().hwnd()), 1);
  }
}

TEST(SideBarLoad, TheBarHeightFollowsBarSizeAndCentresTheColumn) {
  struct Case {
    const char* size;
    int height, top;  // centred on the 16200-twip screen, 90 twips low
  };
  for (const Case c :
       {Case{"0", 1500, 7440}, Case{"1", 3000, 6690}, Case{"2", 4500, 5940}, Case{"3", 6000, 5190},
        Case{"4", 7500, 4440}, Case{"5", 9000, 3690}, Case{"6", 10500, 2940},
        Case{"9", 10500, 2940}, Case{"2.5", 10500, 2940}, Case{"-1", 10500, 2940}}) {
    SCOPED_TRACE(std::string("BarSize ") + c.size);
    TestApp t;
    t.putFile(fileWith({{30, c.size}}));
    frmSide& bar = t.startBar();
    EXPECT_EQ(bar.frmeBar.height(), c.height);
    EXPECT_EQ(bar.frmeBar.top(), c.top);
  }
}

TEST(SideBarLoad, SmallScreensShowAtMostFiveTiles) {
  struct Case {
    int heightPx, smallScreen;
    double barSizeAfterLoad, barSizeAfterConfig;
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
  const std::pair<const char*, const char*> fonts[] = {
      {"0", "Webdings"}, {"1", "Wingdings"}, {"2", "Wingdings 2"}, {"3", "Wingdings 3"},
      {"4", "Marlett"},  {"7", "Webdings"},  {"", "Webdings"}};
  for (const auto& [font, name] : fonts) {
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

TEST(SideBarLoad, OnlyAFileOfThirtyOneLinesOrMoreIsApplied) {
  for (int count : {20, 30, 31, 33, 35, 36, 40}) {
    SCOPED_TRACE(std::to_string(count) + " lines");
    const bool applied = count >= 31;
    TestApp t;
    std::vector<std::string> lines =
        linesWith({{0, "First"}, {15, "255"}, {23, "&"}, {31, "200"}, {35, "Marlett"}});
    lines.resize(static_cast<std::size_t>(count));
    t.putFile(fileOf(lines));
    frmSide& bar = t.startBar();
    const core::Settings& s = t.app.settings();
    EXPECT_EQ(s[0], Value("First")) << "read in every case";
    EXPECT_EQ(s[15], Value(255));
    EXPECT_EQ(s[core::Glyph0], Value(count < 24 ? "\xC3\x8C" : count < 36 ? "&" : "&&"));
    EXPECT_EQ(s[core::CustomFont], Value(count < 36 ? "Webdings" : "Marlett"));
    EXPECT_EQ(s[core::GlassAlpha], Value(count < 36 ? 240 : 200));
    EXPECT_EQ(bar.Labels[0].caption(), applied ? "First" : "Equipo");
    EXPECT_EQ(bar.Labels[0].foreColour(), applied ? 15790320 : 14737632);
    EXPECT_EQ(bar.lblButton[1].foreColour(), applied ? 255 : 16777215);
  }
}

TEST(SideBarLoad, TheFileIsReadOnlyFromTheFolderXpSpanishNames) {
  const std::string archivos = "C:\\Archivos de programa\\Tervalo3.txt";
  const std::string programFiles = "C:\\Program Files\\Tervalo3.txt";
  struct Case {
    bool xpSpanish, inArchivos, inProgramFiles;
    const char* name;
  };
  for (const Case c : {Case{true, true, true, "Archivos"}, Case{true, false, true, "Equipo"},
                       Case{false, true, true, "Program"}, Case{false, true, false, "Equipo"}}) {
    SCOPED_TRACE(std::string(c.xpSpanish ? "XpSpanish, " : "") + (c.inArchivos ? "Archivos " : "") +
                 (c.inProgramFiles ? "Program Files" : ""));
    TestApp t;
    t.app.state().xpSpanish = c.xpSpanish;
    if (c.inArchivos) t.platform.files[archivos] = fileWith({{0, "Archivos"}});
    if (c.inProgramFiles) t.platform.files[programFiles] = fileWith({{0, "Program"}});
    frmSide& bar = t.startBar("SPANISH", 5);
    EXPECT_EQ(t.app.settings()[0], Value(c.name));
    EXPECT_EQ(bar.Labels[0].caption(), c.name);
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
  EXPECT_FALSE(t.app.findSide() != nullptr);
  EXPECT_FALSE(t.app.findDate() != nullptr);
}
