// Save, Save and close, and the export of a copy of the settings file.
#include <gtest/gtest.h>

#include "test_app.h"

using testing_support::click;
using testing_support::fileWith;
using testing_support::TestApp;
using Save = testing_support::ConfigWindow;

TEST_F(Save, WritesEveryEditAsThirtySixAnsiLinesAndRebuildsTheBar) {
  const int firstBar = t.side().serial();
  w.txtNombre[3].setText("Fotos a\xC3\xB1o");
  w.lblFolder[1].typeChar('&');
  w.lblFolder[2].setForeColour(255);
  paint(0, {"250", "10", "10"}, 2);        // the window's colour: the bar's
  w.txtCarpeta[6].setText("D:\\a\rb\nc");  // a line break cannot break a line
  w.hscGlass.scrollTo(3);
  w.hscLeft.scrollTo(0);  // thumb at the left: the left edge
  w.hscTime.scrollTo(1);
  w.hscTotal.scrollTo(2);  // rows 3 to 6 hidden, and saved all the same
  w.cboFont.choose(2);     // Wingdings 2, which the glyph list then shows
  EXPECT_EQ(t.app.settings()[core::GlassAlpha].number(), 240) << "only Save stores a slider";
  click(w.Label[7]);
  const std::map<int, std::string> lines = {{3, "Fotos a\xF1o"}, {13, "D:\\a b c"},  {16, "255"},
                                            {21, "658170"},      {22, "1"},          {24, "&&"},
                                            {30, "2"},           {31, "220"},        {32, "2"},
                                            {33, "1"},           {35, "Wingdings 2"}};
  EXPECT_EQ(t.file(), fileWith(lines));
  EXPECT_NE(t.side().serial(), firstBar) << "the bar is rebuilt from the file";
  EXPECT_TRUE(t.side().visible());
  EXPECT_EQ(t.side().left(), -45) << "collapsed at its new edge";
  EXPECT_EQ(w.left(), 28800 - 5175) << "the window stays where it is";
  t.platform.pointerPos = {1700, 500};  // inside the window, far from the new bar
  t.platform.leftButton = true;
  t.timers.advance(10);
  ASSERT_TRUE(t.app.findConfig() != nullptr) << "a click inside still does not close it";
  click(w.Label[8]);  // Save and close saves as Save does; a failed save keeps the window
  EXPECT_FALSE(t.app.findConfig() != nullptr) << "Save and close closes";
}

TEST(FailedSave, TheWindowKeepsItsEditsTheSettingsAndTheBarStayAndAMessageSaysWhy) {
  using platform::WriteFailure;
  // Language, XpSpanish, the item (Save, or Save and close), a name (one that the file's code
  // page cannot hold fails the save too), what the system said of the failed write, the message.
  const std::tuple<const char*, bool, int, const char*, WriteFailure, const char*> cases[] = {
      {"ENGLISH", false, 8, "Edited", WriteFailure::Other,
       "Unable to save configuration, make sure 'C:\\Program Files\\Tervalo3.txt' is not "
       "write-protected."},
      {"SPANISH", true, 7, "\xC5\x81\xC3\xB3\x64\xC5\xBA",  // as a UTF-8 file may hold it
       WriteFailure::Other,
       "No se puede guardar la configuraci\xC3\xB3n, 'C:\\Archivos de programa\\Tervalo3.txt' no "
       "puede guardar estos caracteres: \xC5\x81\xC5\xBA"},
      {"ENGLISH", false, 7, "Edited", WriteFailure::InUse,
       "Unable to save configuration, 'C:\\Program Files\\Tervalo3.txt' is open in another "
       "program: close it and try again."},
      {"SPANISH", false, 7, "Edited", WriteFailure::DiskFull,
       "No se puede guardar la configuraci\xC3\xB3n, el disco que contiene 'C:\\Program "
       "Files\\Tervalo3.txt' est\xC3\xA1 lleno."},
  };
  for (auto [language, xpSpanish, item, name, why, message] : cases) {
    SCOPED_TRACE(message);
    TestApp t;
    t.app.state().xpSpanish = xpSpanish;
    frmConfig& w = t.open(language);
    const core::Settings before = t.app.settings();
    const int bar = t.side().serial();
    const auto files = t.platform.files;
    if (!xpSpanish) t.platform.missingFolders = {"C:\\Program Files"};
    t.platform.failure = why;
    w.txtNombre[0].setText(name);
    click(w.Label[std::size_t(item)]);
    ASSERT_EQ(t.platform.messages.size(), 1U);
    EXPECT_EQ(t.platform.messages[0].text, message);
    EXPECT_EQ(t.platform.messages[0].title, "Tervalo");
    EXPECT_EQ(t.platform.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_TRUE(t.app.settings() == before);
    EXPECT_TRUE(t.platform.files == files) << "nothing written";
    EXPECT_EQ(t.side().serial(), bar);
    EXPECT_TRUE(t.app.findConfig() != nullptr);
  }
}

TEST_F(Save, RWritesTheSettingsAsLastSavedIntoItsRowsFolder) {
  w.txtNombre[0].setText("Unsaved");
  w.cboFont.choose(2);  // stored at once, but not saved yet
  // Each row's R into its own folder: a drive's, with or without its last backslash, a drive's
  // root, or a share.
  const std::tuple<std::size_t, const char*, const char*> exports[] = {
      {0, "C:\\B", "C:\\B\\Tervalo3.txt"},
      {1, "C:\\D\\", "C:\\D\\Tervalo3.txt"},
      {3, "C:\\", "C:\\Tervalo3.txt"},
      {2, "\\\\server\\share", "\\\\server\\share\\Tervalo3.txt"}};
  for (auto [row, folder, path] : exports) w.txtCarpeta[row].setText(folder);
  for (auto [row, folder, path] : exports) {
    t.platform.files.clear();
    click(w.lblResp[row]);
    EXPECT_EQ(t.platform.files[path], fileWith({{22, ""}})) << "as loaded: no side yet";
  }
  click(w.Label[7]);  // saved: the next export holds the edits
  click(w.lblResp[2]);
  EXPECT_EQ(t.platform.files.at("\\\\server\\share\\Tervalo3.txt"), t.file());

  for (const char* folder : {"B", "", "B\\C", ":\\", "\\", "\\B"}) {  // no absolute folders
    w.txtCarpeta[4].setText(folder);
    click(w.lblResp[4]);
  }
  EXPECT_EQ(t.platform.files.size(), 2U) << "the settings file and the one export";
  ASSERT_EQ(t.platform.messages.size(), 6U);
  EXPECT_EQ(t.platform.messages[5].text, "It can't be created here, try somewhere else.");
  t.platform.missingFolders = {"E:\\gone"};  // a write that fails, in Spanish
  t.app.state().languageName = "SPANISH";
  w.txtCarpeta[4].setText("E:\\gone\\");
  click(w.lblResp[4]);
  EXPECT_EQ(t.platform.messages.back().text,
            "No se puede crear aqu\xC3\xAD, intente en otra parte.");
  EXPECT_EQ(t.platform.messages.back().icon, platform::MessageIcon::Critical);

  // A font chosen in a window closed without saving is stored, but no copy holds it.
  w.cboFont.choose(3);
  t.side().eOpenConfig();
  frmConfig& next = t.app.config();
  next.txtCarpeta[2].setText("C:\\D");
  click(next.lblResp[2]);
  EXPECT_EQ(t.platform.files.at("C:\\D\\Tervalo3.txt"),
            t.platform.files.at("\\\\server\\share\\Tervalo3.txt"));
}

TEST(OddSettings, OddValuesInTheFileLoadWholeAndSaveBackWithTheirMeaning) {
  // A side the bar cannot take (it stays at the left); not a tile count the bar knows (all
  // seven); an alpha between the steps; a font index that draws Webdings; 24-hour; coloured; and
  // a glyph of the file's own.
  TestApp t;
  const std::map<int, std::string> odd = {{22, "-1"}, {25, "A"}, {30, "4.5"}, {31, "205"},
                                          {32, "7"},  {33, "2"}, {34, "3"}};
  t.putFile(fileWith(odd));
  frmConfig& w = t.open();
  EXPECT_EQ(w.lblMenu[0].caption(), "Bar without color");
  click(w.Label[7]);
  const std::map<int, std::string> saved = {{22, "1"}, {25, "A"}, {30, "6"}, {31, "200"},
                                            {32, "0"}, {33, "1"}, {34, "3"}};
  EXPECT_EQ(t.file(), fileWith(saved));
}
