// The sliders, Save, Save and close, and the export of a copy of the settings file.
#include <gtest/gtest.h>

#include "config_rig.h"
#include "core/settings_file.h"
#include "default_file.h"

using forms::kLeftButton;
using testing_support::ConfigRig;
using testing_support::fileOf;

namespace {

constexpr char kSettingsPath[] = "C:\\Program Files\\Tervalo3.txt";

// The file a fresh English bar for "Ana" writes with nothing edited, line by line (ANSI).
std::vector<std::string> defaultLines() { return testing_support::linesWith({}); }

}  // namespace

TEST(Sliders, EachShowsItsSettingAndTheTileCountAloneActsAtOnce) {
  struct Case {
    double alpha;
    int glass;
  };
  for (const Case& c : {Case{250, 0}, Case{240, 1}, Case{230, 2}, Case{220, 3}, Case{210, 4},
                        Case{200, 5}, Case{205, 5}, Case{0, 5}}) {
    SCOPED_TRACE(c.alpha);
    ConfigRig t;
    t.startBar();
    t.app.settings()[core::GlassAlpha] = c.alpha;
    t.side().eOpenConfig();
    EXPECT_EQ(t.config().hscGlass.value(), c.glass);
  }

  ConfigRig t;
  t.startBar();
  auto& s = t.app.settings();
  s[core::BarSide] = 1;
  s[core::BarSize] = 2;
  s[core::ClockMode] = 1;
  t.side().eOpenConfig();
  frmConfig& w = t.config();
  EXPECT_EQ(w.hscLeft.value(), 1);
  EXPECT_EQ(w.hscLeft.valueToThumb(1), 0) << "the thumb stands on the bar's side";
  w.hscLeft.scrollTo(w.hscLeft.thumbRange());
  EXPECT_EQ(w.hscLeft.value(), 0) << "dragged to the right end: the right edge";
  EXPECT_EQ(w.hscTotal.value(), 2);
  EXPECT_EQ(w.hscTime.value(), 1);
  EXPECT_TRUE(w.hscTotal.enabled());
  w.hscTime.scrollTo(0);
  w.hscGlass.scrollTo(0);
  EXPECT_EQ(s[core::ClockMode].number(), 1) << "only Save carries a slider into the settings";
  EXPECT_EQ(s[core::GlassAlpha].number(), 240);
  EXPECT_EQ(w.left(), 0) << "the window keeps its side";

  ConfigRig small;  // 1024 x 600 pixels: 9000 twips, a small screen
  small.platform.screenWidthPx = 1024;
  small.platform.screenHeightPx = 600;
  frmConfig& sw = small.open();
  ConfigRig::click(sw.Label[4]);
  EXPECT_TRUE(sw.hscTotal.visible());
  EXPECT_FALSE(sw.hscTotal.enabled());
  sw.hscTotal.pressKey(forms::kKeyRight);
  EXPECT_EQ(sw.hscTotal.value(), 4);
}

TEST(Save, WritesEveryEditAsThirtySixAnsiLinesAndRebuildsTheBar) {
  ConfigRig t;
  frmConfig& w = t.open();
  const int firstBar = t.side().serial();
  t.timers.advance(200);
  w.txtNombre[3].selectAll();
  ConfigRig::type(w.txtNombre[3], "Fotos a\xC3\xB1o");
  w.lblFolder[1].typeChar('&');
  w.lblFolder[2].click();
  w.txtRGB[0].setText("255");
  w.txtRGB[1].setText("0");
  w.txtRGB[2].setText("0");
  ConfigRig::click(w.lblColor[1]);
  w.lblFolder[0].click();
  w.txtRGB[0].setText("250");
  w.txtRGB[1].setText("10");
  w.txtRGB[2].setText("10");
  ConfigRig::click(w.lblColor[2]);
  w.hscGlass.scrollTo(3);
  w.hscLeft.scrollTo(0);  // thumb at the left: the left edge
  w.hscTime.scrollTo(1);
  w.hscTotal.scrollTo(2);
  w.txtCarpeta[6].setText("D:\\Hidden");  // row 6 is hidden now, and saved all the same

  ConfigRig::click(w.Label[7]);
  std::vector<std::string> lines = defaultLines();
  lines[3] = "Fotos a\xF1o";
  lines[13] = "D:\\Hidden";
  lines[16] = "255";
  lines[21] = "658170";
  lines[22] = "1";
  lines[24] = "&&";
  lines[30] = "2";
  lines[31] = "220";
  lines[33] = "1";
  EXPECT_EQ(t.platform.files[kSettingsPath], fileOf(lines));

  ASSERT_TRUE(t.app.hasConfig()) << "Save keeps the window open";
  EXPECT_TRUE(t.side().visible()) << "the rebuilt bar stands collapsed at its edge";
  EXPECT_TRUE(w.visible());
  EXPECT_NE(t.side().serial(), firstBar) << "the bar is rebuilt from the file";
  EXPECT_EQ(t.side().left(), -45) << "now at the left edge";
  EXPECT_EQ(t.side().Labels[3].caption(), "Fotos a\xC3\xB1o");
  EXPECT_EQ(w.left(), t.platform.screenWidthTwips() - 5175) << "the window stays where it is";
  t.platform.pointerPos = {1700, 500};  // inside the window, far from the new bar
  t.platform.leftButton = true;
  t.timers.advance(10);
  ASSERT_TRUE(t.app.hasConfig()) << "a click inside the window still does not close it";

  w.txtNombre[0].selectAll();
  ConfigRig::type(w.txtNombre[0], "PC");
  ConfigRig::click(w.Label[8]);
  lines[0] = "PC";
  EXPECT_EQ(t.platform.files[kSettingsPath], fileOf(lines));
  EXPECT_FALSE(t.app.hasConfig()) << "Save and close closes";
}

TEST(Save, CloseAndTheOutsideClickLeaveTheFileAsItWas) {
  const std::string file = fileOf(defaultLines());
  for (bool outside : {false, true}) {
    ConfigRig t;
    t.putFile(file);
    frmConfig& w = t.open();
    w.txtNombre[0].selectAll();
    ConfigRig::type(w.txtNombre[0], "Lost");
    if (outside) {
      t.platform.pointerPos = {100, 100};
      t.platform.leftButton = true;
      t.timers.advance(10);
    } else {
      ConfigRig::click(w.lblExit);
    }
    EXPECT_FALSE(t.app.hasConfig());
    EXPECT_EQ(t.platform.files[kSettingsPath], file);
    EXPECT_EQ(t.app.settings()[core::TileName0].text(), "Computer");
  }
}

TEST(Save, AFailedWriteLosesNothingAndSaysWhy) {
  struct Case {
    const char* language;
    bool xpSpanish;
    const char* message;
  };
  const Case cases[] = {
      {"ENGLISH", false,
       "Unable to save configuration, make sure 'C:\\File Programs' is not write-protected."},
      {"SPANISH", false,
       "No se puede guardar la configuraci\xC3\xB3n, revise que 'C:\\File Programs' no "
       "est\xC3\xA9 protegido contra escritura."},
      {"SPANISH", true,
       "No se puede guardar la configuraci\xC3\xB3n, revise que 'C:\\Archivos de programa' no "
       "est\xC3\xA9 protegido contra escritura."},
  };
  for (const Case& c : cases) {
    for (int item : {7, 8}) {
      SCOPED_TRACE(testing::Message()
                   << c.language << (c.xpSpanish ? " 5.1" : "") << " item " << item);
      ConfigRig t;
      t.app.state().xpSpanish = c.xpSpanish;
      frmConfig& w = t.open(c.language);
      const core::Settings before = t.app.settings();
      const int bar = t.side().serial();
      t.platform.refuseWrites = true;
      w.txtNombre[0].selectAll();
      ConfigRig::type(w.txtNombre[0], "Edited");
      w.hscTotal.scrollTo(6);
      ConfigRig::click(w.Label[std::size_t(item)]);
      ASSERT_EQ(t.platform.messages.size(), 1U);
      EXPECT_EQ(t.platform.messages[0].text, c.message);
      EXPECT_EQ(t.platform.messages[0].title, "Tervalo");
      EXPECT_EQ(t.platform.messages[0].icon, platform::MessageIcon::Critical);
      EXPECT_TRUE(t.app.settings() == before) << "the settings stay as they were";
      EXPECT_EQ(t.side().serial(), bar) << "the bar stays as it was";
      ASSERT_TRUE(t.app.hasConfig()) << "the window stays open with the edits";
      EXPECT_EQ(w.txtNombre[0].text(), "Edited");
      EXPECT_EQ(w.hscTotal.value(), 6);

      t.platform.refuseWrites = false;  // the user frees the file and tries again
      ConfigRig::click(w.Label[7]);
      EXPECT_EQ(core::splitLines(t.platform.fromAnsi(t.platform.files.begin()->second))[0],
                "Edited");
    }
  }
}

TEST(Export, ARowsExportWritesTheSettingsAsLastSavedIntoItsFolder) {
  ConfigRig t;
  frmConfig& w = t.open();
  w.txtCarpeta[2].setText("C:\\B");
  w.txtCarpeta[3].setText("C:\\B\\");
  w.txtNombre[0].selectAll();
  ConfigRig::type(w.txtNombre[0], "Unsaved");
  w.cboFont.choose(2);  // stored at once, but not saved yet
  ConfigRig::click(w.lblResp[2]);
  const std::string first = t.platform.files["C:\\B\\Tervalo3.txt"];
  std::vector<std::string> loaded = defaultLines();
  loaded[22] = "";  // no side yet: an empty line
  EXPECT_EQ(first, fileOf(loaded));
  t.platform.files.clear();
  ConfigRig::click(w.lblResp[3]);
  EXPECT_EQ(t.platform.files["C:\\B\\Tervalo3.txt"], first);
  EXPECT_TRUE(t.platform.messages.empty());

  ConfigRig::click(w.Label[7]);  // saved: the next export holds the edit
  ConfigRig::click(w.lblResp[2]);
  EXPECT_EQ(core::splitLines(t.platform.files["C:\\B\\Tervalo3.txt"])[0], "Unsaved");
  EXPECT_EQ(core::splitLines(t.platform.files["C:\\B\\Tervalo3.txt"])[32], "2");

  for (const char* folder : {"B", "", "B\\C", ":\\", "\\", "\\B"}) {
    SCOPED_TRACE(folder);
    t.platform.files.clear();
    t.platform.messages.clear();
    w.txtCarpeta[4].setText(folder);
    ConfigRig::click(w.lblResp[4]);
    EXPECT_TRUE(t.platform.files.empty());
    ASSERT_EQ(t.platform.messages.size(), 1U);
    EXPECT_EQ(t.platform.messages[0].text, "It can't be created here, try somewhere else.");
  }
  t.platform.files.clear();
  w.txtCarpeta[4].setText("\\\\server\\share");
  ConfigRig::click(w.lblResp[4]);
  EXPECT_EQ(t.platform.files.count("\\\\server\\share\\Tervalo3.txt"), 1U);
}

TEST(Save, OddValuesInTheFileLoadWholeAndSaveBackWithTheirMeaning) {
  std::vector<std::string> lines = defaultLines();
  lines[14] = "-5";          // a glyph colour no colour
  lines[15] = "4294967296";  // nor one a colour can hold: white
  lines[22] = "-1";          // a side the bar cannot take: it stays at the left
  lines[30] = "4.5";         // not a tile count the bar knows: all seven
  lines[31] = "205";         // an alpha between the steps
  lines[32] = "7";           // a font index that draws Webdings
  lines[33] = "2";           // 24-hour
  lines[34] = "3";           // coloured
  ConfigRig t;
  t.putFile(fileOf(lines));
  frmConfig& w = t.open();
  EXPECT_EQ(w.cboFont.listIndex(), 0);
  EXPECT_EQ(w.hscLeft.value(), 1);
  EXPECT_EQ(w.hscTotal.value(), 6);
  EXPECT_EQ(w.hscTime.value(), 1);
  EXPECT_EQ(w.hscGlass.value(), 5);
  EXPECT_EQ(w.lblMenu[0].caption(), "Bar without color");
  EXPECT_EQ(w.frmeBig1.height(), 5775) << "the load went to its end";
  EXPECT_EQ(w.left(), 0);

  ConfigRig::click(w.Label[7]);
  lines[15] = "16777215";
  lines[22] = "1";
  lines[30] = "6";
  lines[31] = "200";
  lines[32] = "0";
  lines[33] = "1";
  EXPECT_EQ(t.platform.files[kSettingsPath], fileOf(lines));
}
