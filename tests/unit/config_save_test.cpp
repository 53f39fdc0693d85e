// The sliders, Save, Save and close, and the export of a copy of the settings file.
#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "test_app.h"

using testing_support::click;
using testing_support::fileWith;
using testing_support::TestApp;
using testing_support::typeText;

namespace {

constexpr char kSettingsPath[] = "C:\\Program Files\\Tervalo3.txt";

}  // namespace

TEST(Sliders, EachShowsItsSettingAndTheTileCountAloneActsAtOnce) {
  for (const auto& [alpha, glass] : std::vector<std::pair<double, int>>{
           {250, 0}, {240, 1}, {230, 2}, {220, 3}, {210, 4}, {200, 5}, {205, 5}, {0, 5}}) {
    TestApp t;
    EXPECT_EQ(t.open("ENGLISH", {{core::GlassAlpha, alpha}}).hscGlass.value(), glass) << alpha;
  }

  TestApp t;
  frmConfig& w = t.open("ENGLISH", {{core::BarSide, 1}, {core::BarSize, 2}, {core::ClockMode, 1}});
  auto& s = t.app.settings();
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

  TestApp small;  // 1024 x 600 pixels: 9000 twips, a small screen
  small.platform.screenWidthPx = 1024;
  small.platform.screenHeightPx = 600;
  frmConfig& sw = small.open();
  click(sw.Label[4]);
  EXPECT_TRUE(sw.hscTotal.visible());
  EXPECT_FALSE(sw.hscTotal.enabled());
  sw.hscTotal.pressKey(forms::kKeyRight);
  EXPECT_EQ(sw.hscTotal.value(), 4);
}

TEST(Save, WritesEveryEditAsThirtySixAnsiLinesAndRebuildsTheBar) {
  TestApp t;
  frmConfig& w = t.open();
  const int firstBar = t.side().serial();
  t.timers.advance(200);
  w.txtNombre[3].selectAll();
  typeText(w.txtNombre[3], "Fotos a\xC3\xB1o");
  w.lblFolder[1].typeChar('&');
  w.lblFolder[2].click();
  w.txtRGB[0].setText("255");
  w.txtRGB[1].setText("0");
  w.txtRGB[2].setText("0");
  click(w.lblColor[1]);
  w.lblFolder[0].click();
  w.txtRGB[0].setText("250");
  w.txtRGB[1].setText("10");
  w.txtRGB[2].setText("10");
  click(w.lblColor[2]);
  w.hscGlass.scrollTo(3);
  w.hscLeft.scrollTo(0);  // thumb at the left: the left edge
  w.hscTime.scrollTo(1);
  w.hscTotal.scrollTo(2);
  w.txtCarpeta[6].setText("D:\\Hidden");  // row 6 is hidden now, and saved all the same

  click(w.Label[7]);
  std::map<int, std::string> lines = {{3, "Fotos a\xF1o"}, {13, "D:\\Hidden"}, {16, "255"},
                                      {21, "658170"},      {22, "1"},          {24, "&&"},
                                      {30, "2"},           {31, "220"},        {33, "1"}};
  EXPECT_EQ(t.platform.files[kSettingsPath], fileWith(lines));

  ASSERT_TRUE(t.app.findConfig() != nullptr) << "Save keeps the window open";
  EXPECT_TRUE(t.side().visible()) << "the rebuilt bar stands collapsed at its edge";
  EXPECT_TRUE(w.visible());
  EXPECT_NE(t.side().serial(), firstBar) << "the bar is rebuilt from the file";
  EXPECT_EQ(t.side().left(), -45) << "now at the left edge";
  EXPECT_EQ(t.side().Labels[3].caption(), "Fotos a\xC3\xB1o");
  EXPECT_EQ(w.left(), t.platform.screenWidthTwips() - 5175) << "the window stays where it is";
  t.platform.pointerPos = {1700, 500};  // inside the window, far from the new bar
  t.platform.leftButton = true;
  t.timers.advance(10);
  ASSERT_TRUE(t.app.findConfig() != nullptr) << "a click inside the window still does not close it";

  w.txtNombre[0].selectAll();
  typeText(w.txtNombre[0], "PC");
  click(w.Label[8]);
  lines[0] = "PC";
  EXPECT_EQ(t.platform.files[kSettingsPath], fileWith(lines));
  EXPECT_FALSE(t.app.findConfig() != nullptr) << "Save and close closes";
}

TEST(Save, CloseAndTheOutsideClickLeaveTheFileAsItWas) {
  const std::string file = fileWith({});
  for (bool outside : {false, true}) {
    TestApp t;
    t.putFile(file);
    frmConfig& w = t.open();
    w.txtNombre[0].selectAll();
    typeText(w.txtNombre[0], "Lost");
    if (outside) {
      t.platform.pointerPos = {100, 100};
      t.platform.leftButton = true;
      t.timers.advance(10);
    } else {
      click(w.lblExit);
    }
    EXPECT_FALSE(t.app.findConfig() != nullptr);
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
      TestApp t;
      t.app.state().xpSpanish = c.xpSpanish;
      frmConfig& w = t.open(c.language);
      const core::Settings before = t.app.settings();
      const int bar = t.side().serial();
      t.platform.refuseWrites = true;
      w.txtNombre[0].selectAll();
      typeText(w.txtNombre[0], "Edited");
      w.hscTotal.scrollTo(6);
      click(w.Label[std::size_t(item)]);
      ASSERT_EQ(t.platform.messages.size(), 1U);
      EXPECT_EQ(t.platform.messages[0].text, c.message);
      EXPECT_EQ(t.platform.messages[0].title, "Tervalo");
      EXPECT_EQ(t.platform.messages[0].icon, platform::MessageIcon::Critical);
      EXPECT_TRUE(t.app.settings() == before) << "the settings stay as they were";
      EXPECT_EQ(t.side().serial(), bar) << "the bar stays as it was";
      ASSERT_TRUE(t.app.findConfig() != nullptr) << "the window stays open with the edits";
      EXPECT_EQ(w.txtNombre[0].text(), "Edited");
      EXPECT_EQ(w.hscTotal.value(), 6);

      t.platform.refuseWrites = false;  // the user frees the file and tries again
      click(w.Label[7]);
      ASSERT_EQ(t.platform.files.size(), 1U);
      EXPECT_EQ(t.platform.files.begin()->first,
                c.xpSpanish ? "C:\\Archivos de programa\\Tervalo3.txt" : kSettingsPath);
      EXPECT_EQ(testing_support::linesOf(t.platform.files.begin()->second)[0], "Edited");
    }
  }
}

TEST(Export, ARowsExportWritesTheSettingsAsLastSavedIntoItsFolder) {
  TestApp t;
  frmConfig& w = t.open();
  w.txtCarpeta[2].setText("C:\\B");
  w.txtCarpeta[3].setText("C:\\B\\");
  w.txtNombre[0].selectAll();
  typeText(w.txtNombre[0], "Unsaved");
  w.cboFont.choose(2);  // stored at once, but not saved yet
  click(w.lblResp[2]);
  const std::string first = t.platform.files["C:\\B\\Tervalo3.txt"];
  EXPECT_EQ(first, fileWith({{22, ""}})) << "no side yet: an empty line";
  t.platform.files.clear();
  click(w.lblResp[3]);
  EXPECT_EQ(t.platform.files["C:\\B\\Tervalo3.txt"], first);
  EXPECT_TRUE(t.platform.messages.empty());

  click(w.Label[7]);  // saved: the next export holds the edit
  click(w.lblResp[2]);
  EXPECT_EQ(testing_support::linesOf(t.platform.files["C:\\B\\Tervalo3.txt"])[0], "Unsaved");
  EXPECT_EQ(testing_support::linesOf(t.platform.files["C:\\B\\Tervalo3.txt"])[32], "2");

  for (const char* folder : {"B", "", "B\\C", ":\\", "\\", "\\B"}) {
    SCOPED_TRACE(folder);
    t.platform.files.clear();
    t.platform.messages.clear();
    w.txtCarpeta[4].setText(folder);
    click(w.lblResp[4]);
    EXPECT_TRUE(t.platform.files.empty());
    ASSERT_EQ(t.platform.messages.size(), 1U);
    EXPECT_EQ(t.platform.messages[0].text, "It can't be created here, try somewhere else.");
  }
  t.platform.files.clear();
  w.txtCarpeta[4].setText("\\\\server\\share");
  click(w.lblResp[4]);
  EXPECT_EQ(t.platform.files.count("\\\\server\\share\\Tervalo3.txt"), 1U);
  t.platform.missingFolders = {"E:\\gone"};  // a write that fails, in Spanish
  t.app.state().languageName = "SPANISH";
  w.txtCarpeta[4].setText("E:\\gone\\");
  click(w.lblResp[4]);
  EXPECT_EQ(t.platform.messages.back().text,
            "No se puede crear aqu\xC3\xAD, intente en otra parte.");
  EXPECT_EQ(t.platform.messages.back().icon, platform::MessageIcon::Critical);
}

TEST(Save, OddValuesInTheFileLoadWholeAndSaveBackWithTheirMeaning) {
  // A glyph colour no colour, and one no colour can hold (white); a side the bar cannot take
  // (it stays at the left); not a tile count the bar knows (all seven); an alpha between the
  // steps; a font index that draws Webdings; 24-hour; coloured.
  TestApp t;
  const std::map<int, std::string> odd = {{14, "-5"},  {15, "4294967296"}, {22, "-1"}, {30, "4.5"},
                                          {31, "205"}, {32, "7"},          {33, "2"},  {34, "3"}};
  t.putFile(fileWith(odd));
  frmConfig& w = t.open();
  EXPECT_EQ(w.cboFont.listIndex(), 0);
  EXPECT_EQ(w.hscLeft.value(), 1);
  EXPECT_EQ(w.hscTotal.value(), 6);
  EXPECT_EQ(w.hscTime.value(), 1);
  EXPECT_EQ(w.hscGlass.value(), 5);
  EXPECT_EQ(w.lblMenu[0].caption(), "Bar without color");
  EXPECT_EQ(w.frmeBig1.height(), 5775) << "the load went to its end";
  EXPECT_EQ(w.left(), 0);
  click(w.Label[7]);
  const std::map<int, std::string> saved = {{14, "-5"},  {15, "16777215"}, {22, "1"}, {30, "6"},
                                            {31, "200"}, {32, "0"},        {33, "1"}, {34, "3"}};
  EXPECT_EQ(t.platform.files[kSettingsPath], fileWith(saved));
}
