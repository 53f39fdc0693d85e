// The configuration window's editors: the shortcut rows, the glyph boxes, the row exchange, the
// colour editor and the font chooser.
#include <gtest/gtest.h>

#include "test_app.h"

using forms::kRightButton;
using testing_support::click;
using testing_support::shown;
using testing_support::TestApp;
using testing_support::typeText;
using ShortcutRows = testing_support::ConfigWindow;
using GlyphBoxes = testing_support::ConfigWindow;
using ColourEditor = testing_support::ConfigWindow;
using FontChooser = testing_support::ConfigWindow;

namespace {

// The name, folder, glyph and glyph colour of each row.
std::vector<std::string> rowsOf(frmConfig& w) {
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < 7; ++i) {
    rows.push_back(w.txtNombre[i].text() + "|" + w.txtCarpeta[i].text() + "|" +
                   w.lblFolder[i].text() + "|" + std::to_string(w.lblFolder[i].foreColour()));
  }
  return rows;
}

}  // namespace

TEST_F(ShortcutRows, TheTileCountShowsTheRowsAndNamesTakeFourteenCharacters) {
  for (int n : {4, 0, 6}) {  // BarSize 4 at start: five rows
    w.hscTotal.scrollTo(n);
    EXPECT_EQ(w.frmeBig1.height(), 735 + 840 * n);
    for (std::size_t i = 0; i < 7; ++i) {  // the frame cuts the check boxes off
      EXPECT_EQ(
          shown({&w.lblFolder[i], &w.txtNombre[i], &w.txtCarpeta[i], &w.lblResp[i], &w.Check[i]}),
          int(i) <= n ? "11111" : "00001");
    }
  }

  // Names take fourteen characters; folders any number.
  for (auto [box, room] : {std::pair{&w.txtNombre[2], 14}, {&w.txtCarpeta[2], 300}}) {
    box->selectAll();
    typeText(*box, std::string(300, 'x'));
    EXPECT_EQ(box->text(), std::string(room, 'x'));
  }
}

TEST_F(ShortcutRows, ACharacterTheFileCannotHoldNeverEntersABoxAndABalloonSaysWhich) {
  // The file is Windows-1252 here: no "\xC5\x81", "\xC5\xBA", omega or CJK, but a euro sign.
  const std::string because =
      "The settings file can't hold these characters, so the box left them out: ";
  forms::TextBox& name = w.txtNombre[0];
  name.selectAll();
  typeText(name, "\xC5\x81\xC3\xB3\x64\xC5\xBA");  // typing "Lodz" with its Polish letters
  EXPECT_EQ(name.text(), "\xC3\xB3\x64");
  ASSERT_TRUE(name.balloon());
  EXPECT_EQ(name.balloon()->title, "Unacceptable character");
  EXPECT_EQ(name.balloon()->text, because + "\xC5\xBA");
  name.selectAll();
  name.typeChar(0x4E2D);
  EXPECT_EQ(name.selLength(), 2) << "a refused key leaves the selection it would have replaced";
  name.typeChar('x');
  EXPECT_EQ(name.text(), "x");
  EXPECT_FALSE(name.balloon()) << "the next key takes the balloon away";

  forms::TextBox& folder = w.txtCarpeta[1];
  folder.selectAll();
  t.platform.clipboard = "C:\\\xE7\x94\xA8\xE6\x88\xB7\\\xCE\xA9\xE2\x82\xAC\xEF\xBC\xBC";
  folder.paste();  // what the context menu's Paste does too
  EXPECT_EQ(folder.text(), "C:\\\\\xE2\x82\xAC") << "the paste keeps what the file can hold";
  EXPECT_EQ(folder.balloon()->text, because + "\xE7\x94\xA8\xE6\x88\xB7\xCE\xA9\xEF\xBC\xBC");
  folder.takeNativeText(folder.text() + "\xE4\xB8\xAD");  // an input method's result
  EXPECT_EQ(folder.text(), "C:\\\\\xE2\x82\xAC");

  const std::string glyph = w.lblFolder[2].text();
  w.lblFolder[2].typeChar(0x141);
  EXPECT_EQ(w.lblFolder[2].text(), glyph);
  EXPECT_EQ(w.lblFolder[2].balloon()->text, because + "\xC5\x81");
  w.txtFont.typeChar(0x4E2D);  // nor a font's name
  EXPECT_EQ(w.txtFont.balloon()->text, because + "\xE4\xB8\xAD");
}

TEST_F(ShortcutRows, AnItemDroppedOnAShownRowGivesItsFolderAndAnEmptyNameBoxItsName) {
  const auto drop = [&](int row, int dy, std::vector<forms::DroppedItem> items, int dx = 1000) {
    w.drop({w.frmeBig1.left() + dx, w.frmeBig1.top() + 840 * row + dy}, items);
    return rowsOf(w);
  };
  w.txtNombre[3].setText("");
  drop(2, 400, {{"C:\\Users\\Ana\\Proyectos", "Proyectos"}});
  drop(3, 10, {{"D:\\Presupuestos 2027 final.lnk", "Presupuestos 2027 final"}, {"E:\\", "E"}});
  EXPECT_EQ(w.txtNombre[2].text(), "Documents") << "a name box with a name keeps it";
  EXPECT_EQ(w.txtCarpeta[2].text(), "C:\\Users\\Ana\\Proyectos");
  EXPECT_EQ(w.txtNombre[3].text(), "Presupuestos 2") << "cut to 14 characters";
  EXPECT_EQ(w.txtCarpeta[3].text(), "D:\\Presupuestos 2027 final.lnk") << "the first item only";

  const std::vector<std::string> dropped = rowsOf(w);
  w.hscTotal.scrollTo(3);
  EXPECT_EQ(drop(4, 400, {{"F:\\", "F"}}), dropped) << "a row the tile count hides";
  EXPECT_EQ(drop(1, 780, {{"F:\\", "F"}}), dropped) << "between two rows";
  EXPECT_EQ(drop(1, 400, {{"F:\\", "F"}}, 4000), dropped) << "right of the rows";
  EXPECT_EQ(drop(1, 400, {}), dropped);
  EXPECT_EQ(drop(0, 400, {{"C:\\a\r\nb", "a"}}), dropped) << "a path is taken whole or not";
  EXPECT_EQ(drop(0, 400, {{"C:\\\xC5\x81\xC3\xB3\x64\xC5\xBA", "L"}}), dropped);
  EXPECT_EQ(w.txtCarpeta[0].balloon()->text,
            "The settings file can't hold these characters, so the box left them out: "
            "\xC5\x81\xC5\xBA");
}

TEST_F(GlyphBoxes, AKeyOrAPasteReplacesTheGlyphAndNoControlCharacterBecomesOne) {
  click(w.Label[0]);
  w.List1.choose(0);
  w.List1.dblClick();  // copies "!"
  forms::TextBox& box = w.lblFolder[1];
  box.setText("&&");
  box.mouseDown(kRightButton, 0, 10, 10);  // a right press selects it for the menu's Paste
  box.paste();
  EXPECT_EQ(box.text(), "!");

  box.setSelection(0, 0);
  box.typeChar(' ');
  EXPECT_EQ(box.text(), " ") << "a key, a space too, replaces the glyph wherever the caret stands";
  box.typeChar(0xE9);
  for (int control : {13, 9, 27, 10, 24, 26, 7}) box.typeChar(control);
  EXPECT_EQ(box.text(), "\xC3\xA9") << "Enter, Tab, Escape, Ctrl+X... leave the glyph";
  t.platform.clipboard = "\xE2\x82\xAC and more";  // "€ and more"
  box.setSelection(1, 0);
  box.typeChar(22);  // Ctrl+V takes the first character whatever the caret
  EXPECT_EQ(box.text(), "\xE2\x82\xAC");
  box.typeChar(1);
  t.platform.clipboard = "";
  box.typeChar(3);  // Ctrl+A and Ctrl+C copy it
  EXPECT_EQ(t.platform.clipboard, "\xE2\x82\xAC");
  t.platform.clipboard = "\tx";
  box.paste();
  EXPECT_EQ(box.text(), "") << "not even pasted";
  box.setText("x");
  box.setSelection(1, 0);
  box.typeChar(forms::kKeyBack);
  EXPECT_EQ(box.text(), "") << "Backspace works as in any box";
}

TEST_F(ShortcutRows, TwoTicksExchangeTheRowsHalfASecondAfterTheLastTickAndAThirdIsRefused) {
  w.lblFolder[4].setText("&");
  w.lblFolder[4].setForeColour(255);
  const std::vector<std::string> before = rowsOf(w);
  w.Check[0].click();
  w.Check[4].click();
  t.timers.advance(300);
  w.Check[2].click();  // a third tick, between the two: refused, and the count starts again
  t.timers.advance(499);
  EXPECT_EQ(rowsOf(w), before);
  t.timers.advance(1);
  std::vector<std::string> swapped = before;
  std::swap(swapped[0], swapped[4]);
  EXPECT_EQ(rowsOf(w), swapped);
  for (auto& c : w.Check) EXPECT_EQ(c.value(), 0);

  w.Check[1].click();  // unticking one of the pair before the time is up: no exchange
  w.Check[3].click();
  t.timers.advance(400);
  w.Check[3].click();
  t.timers.advance(1000);
  EXPECT_EQ(rowsOf(w), swapped);
}

TEST_F(ColourEditor, TheStripsOpenOverTheClickedRowWithItsColourAndCloseOnASecondClick) {
  w.hscTotal.scrollTo(6);
  click(w.lblFolder[0], kRightButton);
  EXPECT_EQ(shown({&w.frmeColor1, &w.frmeColor2}), "00") << "a right click only selects";
  for (int k : {0, 6, 3}) {
    w.lblFolder[std::size_t(k)].setForeColour(forms::rgb(10 * k, 20, 30));
    click(w.lblFolder[std::size_t(k)]);
    EXPECT_EQ(shown({&w.frmeColor1, &w.frmeColor2}), "11");
    EXPECT_EQ(w.frmeColor1.top(), 840 * k);
    EXPECT_EQ(w.frmeColor2.top(), 840 * k + 360);
    EXPECT_EQ(w.txtRGB[0].text() + " " + w.txtRGB[1].text() + " " + w.txtRGB[2].text(),
              std::to_string(10 * k) + " 20 30");
  }
  click(w.lblColor[3]);
  EXPECT_TRUE(w.frmeColor3.visible()) << "the palette unfolds";
  EXPECT_EQ(w.lblColor[3].caption(), "-");
  click(w.lblFolder[5]);
  EXPECT_FALSE(w.frmeColor3.visible()) << "another row folds it";
  click(w.lblColor[3]);
  click(w.lblColor[3]);
  EXPECT_EQ(shown({&w.frmeColor1, &w.frmeColor2, &w.frmeColor3}), "110") << "the toggle folds";
  click(w.lblColor[3]);
  click(w.lblFolder[5]);
  EXPECT_EQ(shown({&w.frmeColor1, &w.frmeColor2, &w.frmeColor3}), "000");
  EXPECT_EQ(w.lblColor[3].caption(), "+");
}

TEST_F(ColourEditor, TheBoxesPreviewTheNumberTheyStartWithASwatchFillsThemBlueFirstEnterCycles) {
  click(w.lblFolder[0]);
  // How a text reads as a number is the settings file's rule; here, how a number becomes a
  // component.
  const std::pair<const char*, int> previews[] = {{"300", 255}, {"-5", 0},    {"2.5", 2},
                                                  {"3.5", 4},   {"1e400", 0}, {"70000", 255}};
  for (const auto& [text, value] : previews) {
    w.txtRGB[0].setText(text);
    w.txtRGB[1].setText("1");
    w.txtRGB[2].setText("2");
    EXPECT_EQ(w.txtRGB[2].backColour(), forms::rgb(value, 1, 2)) << text;
  }

  std::string order;
  for (std::size_t i = 0; i < 3; ++i) {
    w.txtRGB[i].onChange = [&, i, previous = w.txtRGB[i].onChange] {
      order += "RGB"[i] + w.txtRGB[i].text() + " ";
      previous();
    };
  }
  click(w.lblColor[3]);
  click(w.lblCC[10]);
  EXPECT_EQ(order, "B26 G109 R230 ");
  EXPECT_EQ(w.lblColor[3].caption(), "+") << "the palette folds";
  EXPECT_EQ(w.lblFolder[0].foreColour(), 16777215) << "the glyph waits for a button";

  w.txtRGB[2].setFocus();
  w.txtRGB[2].typeChar(forms::kKeyReturn);
  EXPECT_TRUE(w.txtRGB[0].focused());
  EXPECT_EQ(w.txtRGB[0].selLength(), 3);
  w.txtRGB[0].typeChar('x');
  EXPECT_EQ(w.txtRGB[0].text(), "x") << "any other key is typing";
}

TEST_F(ColourEditor, TheButtonsApplyThePreviewedColourWhateverTheBoxesHold) {
  paint(2, {"70000", "-5", "x"}, 1);  // Only this
  EXPECT_EQ(w.lblFolder[2].foreColour(), forms::rgb(255, 0, 0));
  EXPECT_EQ(w.lblFolder[1].foreColour(), 16777215);
  EXPECT_EQ(shown({&w.frmeColor1, &w.frmeColor2}), "00");
  paint(4, {"0", "12", "2"}, 0);  // All
  for (auto& box : w.lblFolder) EXPECT_EQ(box.foreColour(), forms::rgb(0, 12, 2));

  paint(0, {"250", "10", "10"}, 2);  // Fond: the window's colour
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&w, &w.frmeBig1, &w.frmeBig2, &w.List1, &w.txtFont,
                                              &w.txtNombre[0], &w.txtCarpeta[6], &w.Check[6]}) {
    EXPECT_EQ(c->backColour(), 658170) << c->name();
  }
  EXPECT_EQ(w.lblFolder[6].backColour(), 1118481) << "the glyph boxes stay dark";
  EXPECT_EQ(w.frmeColor3.backColour(), 8421504) << "the palette keeps its grey";
  // The rule above the grid: lighter on a dark colour, darker on a light one.
  EXPECT_EQ(w.Line1.borderColour(), 2631960) << "red carries into green";
  paint(0, {"230", "230", "230"}, 2);
  EXPECT_EQ(w.Line1.borderColour(), 13158600);
  paint(0, {"220", "220", "220"}, 2);  // the light colours start there
  EXPECT_EQ(w.Line1.borderColour(), forms::rgb(190, 190, 190));
}

TEST_F(FontChooser, AChoiceIsStoredAtOnceAndOtherTakesAnyInstalledFontByName) {
  click(w.Label[1]);
  w.cboFont.choose(3);
  EXPECT_EQ(t.app.settings()[core::GlyphFont].number(), 3);
  EXPECT_EQ(w.lblFolder[6].font().name, "Wingdings 3");
  EXPECT_EQ(w.List1.font(), (forms::Font{"Wingdings 3", 27.75, 400, 2}));
  EXPECT_TRUE(w.cboFont.visible()) << "the list stays open";
  w.cboFont.choose(4);
  EXPECT_TRUE(w.frmeFont.visible());
  EXPECT_EQ(w.txtFont.text(), "Wingdings 3");
  EXPECT_TRUE(w.txtFont.focused());
  EXPECT_EQ(w.txtFont.selLength(), 11);

  // Installed or not, a blank name and one longer than a face name can be are refused.
  t.platform.installedFonts = {"Segoe UI Symbol", "   ", std::string(32, 'F')};
  for (const std::string& name :
       {std::string("No Such Font"), std::string(), std::string("   "), std::string(32, 'F')}) {
    w.txtFont.setText(name);
    w.txtFont.typeChar(forms::kKeyReturn);
  }
  ASSERT_EQ(t.platform.messages.size(), 4U);
  EXPECT_EQ(t.platform.messages[3].icon, platform::MessageIcon::Warning);
  EXPECT_EQ(w.lblFolder[0].font().name, "Wingdings 3") << "nothing changed";

  w.txtFont.setText("segoe ui symbol");
  w.txtFont.typeChar(forms::kKeyReturn);
  EXPECT_EQ(t.platform.messages.size(), 4U);
  EXPECT_EQ(w.lblFolder[6].font().name, "segoe ui symbol");
  EXPECT_EQ(shown({&w.frmeFont, &w.frmeOut, &w.cboFont}), "000");
  click(w.Label[1]);
  w.cboFont.choose(4);  // the same entry once more: the name box again
  EXPECT_TRUE(w.frmeFont.visible());
}
