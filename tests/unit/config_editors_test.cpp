// The configuration window's editors: the shortcut rows, the glyph boxes, the row exchange, the
// colour editor and the font chooser.
#include <gtest/gtest.h>

#include "core/settings_file.h"
#include "test_app.h"

using forms::kRightButton;
using testing_support::click;
using testing_support::TestApp;
using testing_support::typeText;

namespace {

constexpr char kGlyphI[] = "\xC3\x8C";  // "Ì"

// The text, folder, glyph and glyph colour of each row.
std::vector<std::string> rowsOf(frmConfig& w) {
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < 7; ++i) {
    rows.push_back(w.txtNombre[i].text() + "|" + w.txtCarpeta[i].text() + "|" +
                   w.lblFolder[i].text() + "|" + std::to_string(w.lblFolder[i].foreColour()));
  }
  return rows;
}

}  // namespace

TEST(ShortcutRows, TheRowsShowTheSettingsTheTileCountShowsThemAndNamesTakeFourteenCharacters) {
  TestApp t;
  t.platform.logon = "Maximiliano Fernandez";  // 21 characters: a loaded name stays whole
  frmConfig& w = t.open("SPANISH");
  EXPECT_EQ(w.txtNombre[0].text(), "Equipo");
  EXPECT_EQ(w.txtNombre[1].text(), "Maximiliano Fernandez");
  EXPECT_EQ(w.txtCarpeta[1].text(), "C:\\Users\\Maximiliano Fernandez");
  EXPECT_EQ(w.txtCarpeta[6].text(), "C:\\Users\\Maximiliano Fernandez\\Downloads");
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(w.lblFolder[i].text(), kGlyphI);
    EXPECT_EQ(w.lblFolder[i].foreColour(), 16777215);
  }
  // BarSize 4 at start: five rows.
  EXPECT_EQ(w.frmeBig1.height(), 4095);
  EXPECT_TRUE(w.txtNombre[4].visible());
  EXPECT_FALSE(w.txtNombre[5].visible());

  const int heights[] = {735, 1575, 2415, 3255, 4095, 4935, 5775};
  for (int n : {0, 6, 3}) {
    w.hscTotal.scrollTo(n);
    EXPECT_EQ(w.frmeBig1.height(), heights[n]);
    for (std::size_t i = 0; i < 7; ++i) {
      forms::Control* const row[] = {&w.lblFolder[i], &w.txtNombre[i], &w.txtCarpeta[i],
                                     &w.lblResp[i]};
      for (forms::Control* c : row) EXPECT_EQ(c->visible(), int(i) <= n) << c->name() << i;
      EXPECT_TRUE(w.Check[i].visible()) << "the frame cuts the check boxes off";
    }
  }

  w.hscTotal.scrollTo(6);
  w.txtNombre[5].selectAll();
  typeText(w.txtNombre[5], "Fotos");
  w.hscTotal.scrollTo(2);
  w.hscTotal.scrollTo(6);
  EXPECT_EQ(w.txtNombre[5].text(), "Fotos") << "a hidden row keeps its edits";

  // Names take fourteen characters, typed or pasted; folders any number.
  forms::TextBox& name = w.txtNombre[2];
  name.selectAll();
  typeText(name, "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(name.text(), "ABCDEFGHIJKLMN");
  name.selectAll();
  t.platform.clipboard = "0123456789abcdefgh";
  name.typeChar(22);
  EXPECT_EQ(name.text(), "0123456789abcd");
  const std::string longPath = "D:\\" + std::string(300, 'x');
  t.platform.clipboard = longPath;
  w.txtCarpeta[2].selectAll();
  w.txtCarpeta[2].paste();
  EXPECT_EQ(w.txtCarpeta[2].text(), longPath);
}

TEST(GlyphBoxes, AKeyOrADoubleClickedListEntryReplacesTheGlyphAndNoControlCharacterBecomesOne) {
  TestApp t;
  frmConfig& w = t.open();
  t.platform.clipboard = "something else";
  w.List1.dblClick();
  EXPECT_EQ(t.platform.clipboard, "something else") << "nothing selected, nothing copied";
  click(w.Label[0]);
  w.List1.choose(204 - 33);
  w.List1.dblClick();
  EXPECT_EQ(t.platform.clipboard, kGlyphI);
  EXPECT_TRUE(w.List1.visible());
  w.List1.choose(0);  // copied, then pasted into a glyph box after a right press
  w.List1.dblClick();
  forms::TextBox& glyph = w.lblFolder[3];
  glyph.setText("&&");
  glyph.mouseDown(kRightButton, 0, 10, 10);
  EXPECT_EQ(glyph.selLength(), 2);
  glyph.paste();
  EXPECT_EQ(glyph.text(), "!");

  forms::TextBox& box = w.lblFolder[1];
  box.typeChar('a');
  EXPECT_EQ(box.text(), "a");
  box.setSelection(0, 0);
  box.typeChar('b');
  EXPECT_EQ(box.text(), "b") << "wherever the caret stands";
  EXPECT_EQ(box.selStart(), 1);
  box.typeChar('&');
  EXPECT_EQ(box.text(), "&&") << "an ampersand shows as one";
  box.setText("&");
  EXPECT_EQ(box.text(), "&&");
  box.typeChar(0xE9);
  EXPECT_EQ(box.text(), "\xC3\xA9");
  for (int control : {13, 9, 27, 10, 24, 26, 7}) box.typeChar(control);
  EXPECT_EQ(box.text(), "\xC3\xA9") << "Enter, Tab, Escape, Ctrl+X... leave the glyph";
  t.platform.clipboard = "\xE2\x82\xAC and more";  // "€ and more"
  box.setSelection(1, 0);
  box.typeChar(22);  // Ctrl+V takes the first character whatever the caret
  EXPECT_EQ(box.text(), "\xE2\x82\xAC");
  t.platform.clipboard = "";
  box.typeChar(1);
  box.typeChar(3);  // Ctrl+C copies it
  EXPECT_EQ(t.platform.clipboard, "\xE2\x82\xAC");
  t.platform.clipboard = "\tx";
  box.paste();
  EXPECT_EQ(box.text(), "") << "not even pasted";
  box.setText("x");
  box.setSelection(1, 0);
  box.typeChar(forms::kKeyBack);
  EXPECT_EQ(box.text(), "") << "Backspace works as in any box";

  // Whatever went into the boxes, the settings text stays 36 lines, each ended by CR LF.
  w.txtNombre[0].setText("two\r\nlines");
  w.txtCarpeta[0].setText("C:\\a\rb\nc");
  w.lblFolder[0].setText("\r");
  EXPECT_EQ(w.lblFolder[0].text(), "");
  core::Settings s = t.app.settings();
  s[core::TileName0] = w.txtNombre[0].text();
  s[core::TilePath0] = w.txtCarpeta[0].text();
  s[core::Glyph0] = "\r";  // should one ever get past the glyph box
  const std::string text = core::settingsText(s);
  const std::vector<std::string> lines = testing_support::linesOf(text);
  ASSERT_EQ(lines.size(), 36U);
  EXPECT_EQ(lines[0], "two  lines");
  EXPECT_EQ(lines[7], "C:\\a b c");
  EXPECT_EQ(lines[23], " ");
  EXPECT_EQ(testing_support::fileOf(lines), text) << "each line ended by CR LF";
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 36);
}

TEST(RowExchange, TwoTicksExchangeTheRowsHalfASecondLaterAndAnUntickedOneNothing) {
  TestApp t;
  frmConfig& w = t.open();
  w.lblFolder[4].setText("&");
  w.lblFolder[4].setForeColour(255);
  const std::vector<std::string> before = rowsOf(w);

  w.Check[0].click();
  t.timers.advance(1000);
  EXPECT_EQ(rowsOf(w), before) << "one tick alone changes nothing";
  w.Check[4].click();
  t.timers.advance(499);
  EXPECT_EQ(rowsOf(w), before);
  t.timers.advance(1);
  std::vector<std::string> swapped = before;
  std::swap(swapped[0], swapped[4]);
  EXPECT_EQ(rowsOf(w), swapped);
  for (auto& c : w.Check) EXPECT_EQ(c.value(), 0);
  EXPECT_FALSE(w.tmrChange.enabled());

  w.Check[0].click();  // the same pair again puts every value back
  w.Check[4].click();
  t.timers.advance(500);
  EXPECT_EQ(rowsOf(w), before);
  EXPECT_EQ(w.lblFolder[4].text(), "&&");

  w.Check[1].click();  // unticking one of the pair before the time is up: no exchange
  w.Check[3].click();
  t.timers.advance(400);
  w.Check[3].click();
  t.timers.advance(1000);
  EXPECT_EQ(rowsOf(w), before);
  EXPECT_FALSE(w.tmrChange.enabled());
  w.tmrChange.setEnabled(true);  // should it ever fire with one tick, it does nothing
  t.timers.advance(500);
  EXPECT_EQ(rowsOf(w), before);
  EXPECT_EQ(w.Check[1].value(), 1);
}

TEST(RowExchange, AThirdTickIsRefusedAndRestartsTheHalfSecond) {
  for (int third : {6, 1}) {
    SCOPED_TRACE(third);
    TestApp t;
    frmConfig& w = t.open();
    const std::vector<std::string> before = rowsOf(w);
    w.Check[2].click();
    w.Check[5].click();
    t.timers.advance(300);
    w.Check[std::size_t(third)].click();
    EXPECT_EQ(w.Check[std::size_t(third)].value(), 0);
    EXPECT_EQ(w.Check[2].value(), 1);
    EXPECT_EQ(w.Check[5].value(), 1);
    t.timers.advance(499);
    EXPECT_EQ(rowsOf(w), before) << "the 500 ms count again from the third tick";
    t.timers.advance(1);
    std::vector<std::string> swapped = before;
    std::swap(swapped[2], swapped[5]);
    EXPECT_EQ(rowsOf(w), swapped);
  }
}

TEST(ColourEditor, TheStripsOpenOverTheClickedRowCloseOnASecondClickAndMove) {
  TestApp t;
  frmConfig& w = t.open();
  w.hscTotal.scrollTo(6);
  for (int k = 0; k < 7; ++k) {
    w.lblFolder[std::size_t(k)].setForeColour(forms::rgb(10 * k, 20, 30));
    w.lblFolder[std::size_t(k)].click();
    EXPECT_TRUE(w.frmeColor1.visible());
    EXPECT_TRUE(w.frmeColor2.visible());
    EXPECT_EQ(w.frmeColor1.top(), 840 * k);
    EXPECT_EQ(w.frmeColor2.top(), 840 * k + 360);
    EXPECT_EQ(w.SelectedGlyph, k);
    EXPECT_EQ(w.txtRGB[0].text(), std::to_string(10 * k));
    EXPECT_EQ(w.txtRGB[1].text(), "20");
    EXPECT_EQ(w.txtRGB[2].text(), "30");
  }
  w.lblFolder[3].click();  // open at 3 (from 6)
  click(w.lblColor[3]);    // unfold the palette
  EXPECT_TRUE(w.frmeColor3.visible());
  w.lblFolder[5].click();  // moving folds it
  EXPECT_FALSE(w.frmeColor3.visible());
  EXPECT_EQ(w.lblColor[3].caption(), "+");
  w.lblFolder[3].click();
  click(w.lblColor[3]);
  w.lblFolder[3].click();
  EXPECT_FALSE(w.frmeColor1.visible());
  EXPECT_FALSE(w.frmeColor2.visible());
  EXPECT_FALSE(w.frmeColor3.visible());
  EXPECT_EQ(w.lblColor[3].caption(), "+");
  w.lblFolder[3].setForeColour(forms::rgb(1, 2, 3));
  w.lblFolder[3].click();
  EXPECT_TRUE(w.frmeColor1.visible());
  EXPECT_EQ(w.txtRGB[0].text(), "1") << "reloaded from the glyph";

  click(w.lblColor[3]);
  click(w.lblColor[3]);
  EXPECT_EQ(w.lblColor[3].caption(), "+");
  EXPECT_FALSE(w.frmeColor3.visible());
  EXPECT_TRUE(w.frmeColor1.visible()) << "the palette toggle never closes the strips";
}

TEST(ColourEditor, TheBoxesPreviewTheNumberTheyStartWithASwatchFillsThemBlueFirstEnterCycles) {
  TestApp t;
  frmConfig& w = t.open();
  w.lblFolder[0].click();
  const std::pair<const char*, int> previews[] = {
      {"300", 255}, {"12abc", 12}, {"abc", 0}, {"-5", 0},    {"2.5", 2},
      {"3.5", 4},   {"1e400", 0},  {"", 0},    {" 7 0", 70}, {"70000", 255}};
  for (const auto& [text, value] : previews) {
    w.txtRGB[0].setText(text);
    w.txtRGB[1].setText("1");
    w.txtRGB[2].setText("2");
    EXPECT_EQ(w.txtRGB[2].backColour(), forms::rgb(value, 1, 2)) << text;
  }

  std::string order;
  for (std::size_t i = 0; i < 3; ++i) {
    auto previous = w.txtRGB[i].onChange;
    w.txtRGB[i].onChange = [&, i, previous] {
      order += "RGB"[i] + w.txtRGB[i].text() + " ";
      previous();
    };
  }
  click(w.lblColor[3]);
  click(w.lblCC[10]);
  EXPECT_EQ(order, "B26 G109 R230 ");
  EXPECT_FALSE(w.frmeColor3.visible());
  EXPECT_EQ(w.lblColor[3].caption(), "+");
  EXPECT_EQ(w.lblFolder[0].foreColour(), 16777215) << "the glyph waits for a button";
  EXPECT_EQ(w.txtRGB[0].backColour(), 1732070) << "the preview shows it";

  w.txtRGB[2].setFocus();
  w.txtRGB[2].typeChar(forms::kKeyReturn);
  EXPECT_TRUE(w.txtRGB[0].focused());
  EXPECT_EQ(w.txtRGB[0].selStart(), 0);
  EXPECT_EQ(w.txtRGB[0].selLength(), 3);
  EXPECT_EQ(w.txtRGB[2].text(), "26") << "the Enter is swallowed";
  w.txtRGB[0].typeChar(forms::kKeyReturn);
  EXPECT_TRUE(w.txtRGB[1].focused());
  w.txtRGB[1].typeChar('x');
  EXPECT_EQ(w.txtRGB[1].text(), "x") << "any other key is typing";
}

TEST(ColourEditor, TheButtonsApplyThePreviewedColourWhateverTheBoxesHold) {
  TestApp t;
  frmConfig& w = t.open();
  auto openAt = [&](int row, const char* r, const char* g, const char* b) {
    w.lblFolder[std::size_t(row)].click();
    w.txtRGB[0].setText(r);
    w.txtRGB[1].setText(g);
    w.txtRGB[2].setText(b);
  };
  openAt(2, "70000", "-5", "1e400");
  click(w.lblColor[1]);  // Only this
  EXPECT_EQ(w.lblFolder[2].foreColour(), forms::rgb(255, 0, 0));
  EXPECT_EQ(w.lblFolder[1].foreColour(), 16777215);
  EXPECT_FALSE(w.frmeColor1.visible());
  EXPECT_FALSE(w.frmeColor2.visible());

  openAt(4, "nan", "12abc", "2.5");
  click(w.lblColor[0]);  // All
  for (auto& box : w.lblFolder) EXPECT_EQ(box.foreColour(), forms::rgb(0, 12, 2));

  openAt(0, "250", "10", "10");
  click(w.lblColor[2]);  // Theme
  EXPECT_EQ(w.ThemeColour, 658170);
  EXPECT_EQ(w.backColour(), 658170);
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &w.frmeColor1, &w.frmeColor2, &w.frmeBig1, &w.frmeBig2, &w.frmeBig3, &w.frmeOut,
           &w.frmeBar, &w.frmeFont, &w.txtFont, &w.List1}) {
    EXPECT_EQ(c->backColour(), 658170) << c->name();
  }
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(w.lblFolder[i].backColour(), 1118481);
    EXPECT_EQ(w.txtNombre[i].backColour(), 658170);
    EXPECT_EQ(w.txtCarpeta[i].backColour(), 658170);
    EXPECT_EQ(w.Check[i].backColour(), 658170);
  }
  EXPECT_EQ(w.frmeColor3.backColour(), 8421504) << "the palette keeps its grey";
  EXPECT_EQ(w.Line1.borderColour(), 2631960) << "red carries into green";

  openAt(0, "230", "230", "230");
  click(w.lblColor[2]);
  EXPECT_EQ(w.Line1.borderColour(), 13158600);
  openAt(0, "220", "220", "220");  // the light themes start there
  click(w.lblColor[2]);
  EXPECT_EQ(w.Line1.borderColour(), forms::rgb(190, 190, 190));
}

TEST(FontChooser, AChoiceIsStoredAtOnceAndOtherTakesAnyInstalledFontByName) {
  const char* const fonts[] = {"Webdings", "Wingdings", "Wingdings 2", "Wingdings 3"};
  TestApp t;
  t.platform.installedFonts.push_back("Segoe UI Symbol");
  frmConfig& w = t.open();
  t.timers.advance(200);
  EXPECT_EQ(w.cboFont.listIndex(), 0);
  click(w.Label[1]);
  for (int i : {2, 1, 0, 3}) {
    w.cboFont.choose(i);
    EXPECT_EQ(t.app.settings()[core::GlyphFont].number(), i);
    for (auto& box : w.lblFolder) EXPECT_EQ(box.font().name, fonts[i]);
    EXPECT_EQ(w.List1.font(), (forms::Font{fonts[i], 27.75, 400, 2}));
    EXPECT_EQ(w.lblFolder[0].font().points, 12.75);
    EXPECT_TRUE(w.cboFont.visible()) << "the list stays open";
  }
  w.cboFont.choose(4);
  EXPECT_TRUE(w.frmeFont.visible());
  EXPECT_EQ(w.txtFont.text(), "Wingdings 3");
  EXPECT_TRUE(w.txtFont.focused());
  EXPECT_EQ(w.txtFont.selLength(), 11);
  EXPECT_EQ(t.app.settings()[core::GlyphFont].number(), 4);

  // Installed or not, a blank name and one longer than a face name can be are refused.
  t.platform.installedFonts.emplace_back("   ");
  t.platform.installedFonts.emplace_back(32, 'F');
  for (const std::string& name :
       {std::string("No Such Font"), std::string(), std::string("   "), std::string(32, 'F')}) {
    SCOPED_TRACE(name);
    t.platform.messages.clear();
    w.txtFont.setText(name);
    w.txtFont.typeChar(forms::kKeyReturn);
    ASSERT_EQ(t.platform.messages.size(), 1U);
    EXPECT_EQ(t.platform.messages[0].text,
              "This font is not available on your computer, try another.");
    EXPECT_EQ(t.platform.messages[0].icon, platform::MessageIcon::Warning);
    EXPECT_TRUE(w.frmeFont.visible());
    EXPECT_TRUE(w.frmeOut.visible());
    EXPECT_EQ(w.lblFolder[0].font().name, "Wingdings 3") << "nothing changes";
    EXPECT_EQ(w.txtFont.text(), name) << "the Enter is swallowed";
  }

  t.platform.messages.clear();
  w.txtFont.setText("segoe ui symbol");
  w.txtFont.typeChar(forms::kKeyReturn);
  EXPECT_TRUE(t.platform.messages.empty());
  for (auto& box : w.lblFolder) EXPECT_EQ(box.font().name, "segoe ui symbol");
  EXPECT_EQ(w.List1.font().name, "segoe ui symbol");
  EXPECT_FALSE(w.frmeFont.visible());
  EXPECT_FALSE(w.frmeOut.visible());
  EXPECT_FALSE(w.cboFont.visible());
  click(w.Label[1]);
  w.cboFont.choose(4);  // the same entry once more: the name box again
  EXPECT_TRUE(w.frmeFont.visible());
  EXPECT_EQ(w.txtFont.text(), "segoe ui symbol");
  click(w.lblExit);
  EXPECT_EQ(t.app.settings()[core::GlyphFont].number(), 4) << "kept without Save";
}

TEST(FontChooser, AWindowOpenedWithACustomFontShowsItsNameWithoutTakingTheFocus) {
  TestApp t;
  t.platform.installedFonts.push_back("Marlett");
  frmConfig& w = t.open("SPANISH", {{core::GlyphFont, 4}, {core::CustomFont, "Marlett"}});
  EXPECT_EQ(w.cboFont.listIndex(), 4);
  EXPECT_TRUE(w.frmeFont.visible());
  EXPECT_EQ(w.txtFont.text(), "Marlett");
  EXPECT_FALSE(w.txtFont.focused());
  EXPECT_EQ(w.lblFolder[6].font().name, "Marlett");
  EXPECT_EQ(w.List1.font().name, "Marlett");
  EXPECT_TRUE(w.frmeOut.visible());
  w.txtFont.setText("Nada");
  w.txtFont.typeChar(forms::kKeyReturn);
  ASSERT_EQ(t.platform.messages.size(), 1U);
  EXPECT_EQ(t.platform.messages[0].text,
            "Esta fuente no est\xC3\xA1 disponible en su equipo, intente otra.");
}
