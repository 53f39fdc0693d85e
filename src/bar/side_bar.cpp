#include "bar/side_bar.h"

#include <cmath>
#include <string_view>

#include "bar/window_alpha.h"
#include "core/host.h"
#include "core/look.h"
#include "core/monitor.h"
#include "core/settings_file.h"
#include "forms/text.h"

namespace {

using core::Value;
using forms::rgb;

constexpr int kDesignLeft = -45;
constexpr int kDesignWidth = 3810;
constexpr int kTileHeight = 1500;
constexpr int kSmallScreen = 10500;     // below it at load: at most five tiles
constexpr int kVerySmallScreen = 9255;  // below it when applying: at most five tiles
constexpr int kFiveTiles = 4;           // the BarSize of five tiles: n + 1 tiles for n
constexpr int kColumnHeight = kTileHeight * frmSide::kTiles;  // the whole column of tiles
constexpr int kBarTopOffset = 90;
constexpr forms::Colour kWhite = rgb(255, 255, 255);

forms::Font symbolFont() { return {core::kDefaultGlyphFont, 45, 400, forms::kSymbolCharset}; }

// A packed colour from a setting, or `otherwise` for a value that is no colour.
forms::Colour colourOr(const Value& v, forms::Colour otherwise) {
  const double d = std::nearbyint(v.number());
  return d >= 0 && d <= 0xFFFFFF ? static_cast<forms::Colour>(d) : otherwise;
}

}  // namespace

frmSide::frmSide(core::Host& host)
    : forms::Form(host.runtime(), "frmSide",
                  {kDesignLeft, core::kEdgeWindowTop, kDesignWidth, core::kEdgeWindowHeight}),
      frmeBar(*this, "frmeBar", {0, 240, 1815, kColumnHeight}),
      frmeIcon(forms::makeArray<forms::Frame, kTiles>([this](int i) {
        return forms::Frame(frmeBar, "frmeIcon", {0, kTileHeight * i, 1695, kTileHeight}, false, i);
      })),
      lblRe(forms::makeArray<forms::Label, kTiles>([this](int i) {
        return forms::Label(frmeIcon[static_cast<std::size_t>(i)], "lblRe", {0, 0, kTileWidth, 120},
                            i);
      })),
      lblButton(forms::makeArray<forms::Label, kTiles>([this](int i) {
        return forms::Label(frmeIcon[static_cast<std::size_t>(i)], "lblButton",
                            {0, 120, kTileWidth, 1380}, i);
      })),
      Labels(forms::makeArray<forms::Label, kTiles>([this](int i) {
        return forms::Label(frmeIcon[static_cast<std::size_t>(i)], "Labels",
                            {0, 1020, kTileWidth, 375}, i);
      })),
      Frame1(*this, "Frame1", {1920, 120, 1815, 1575}, true),
      Usuario(Frame1, "Usuario", {120, 840, 495, 255}),
      List1(Frame1, "List1", {720, 840, 495, 255}),
      HScroll1(Frame1, "HScroll1", {0, 360, 1695, 255}, 1, 255, 1),
      Label1(Frame1, "Label1", {120, 1200, 495, 255}),
      Label2(Frame1, "Label2", {720, 1200, 495, 255}),
      tmrMouse(*this, 10, forms::Running, "tmrMouse"),
      tmrWait(*this, 300, forms::Running, "tmrWait"),
      tmrOpen(*this, 10, forms::Stopped, "tmrOpen"),
      tmrQuit(*this, 100, forms::Stopped, "tmrQuit"),
      tmrEnd(*this, 1000, forms::Stopped, "tmrEnd"),
      tmrCBack(*this, 30000, forms::Stopped, "tmrCBack"),
      host_(host) {
  setBackColour(rgb(255, 255, 255));  // the system window colour until load
  frmeBar.setBackColour(rgb(192, 192, 192));
  for (int i = 0; i < kTiles; ++i) {
    const auto k = static_cast<std::size_t>(i);
    frmeIcon[k].setBackColour(rgb(224, 224, 224));
    lblRe[k].setBackColour(rgb(255, 128, 0));
    lblRe[k].setForeColour(kWhite);
    lblRe[k].setAlignment(forms::Align::Center);
    lblRe[k].setFont(symbolFont());
    lblButton[k].setCaption(core::kDefaultGlyph);
    lblButton[k].setBackColour(rgb(0, 0, 255));
    lblButton[k].setForeColour(kWhite);
    lblButton[k].setAlignment(forms::Align::Center);
    lblButton[k].setFont(symbolFont());
    Labels[k].setBackStyle(forms::BackStyle::Transparent);
    Labels[k].setForeColour(rgb(224, 224, 224));
    Labels[k].setAlignment(forms::Align::Center);
    Labels[k].setFont({"Segoe UI Light", 12, 300, 0});
    Labels[k].setCaption(core::kDesignTileNames[k]);
  }

  onResize = [this] { host_.platform().makeTopmost(hwnd()); };
  onMouseDown = [this](const forms::MouseEvent& e) { Form_MouseDown(e); };
  onMouseUp = [this](const forms::MouseEvent& e) { Form_MouseUp(e); };
  onMouseMove = [this](const forms::MouseEvent&) { Form_MouseMove(); };
  onClick = [this] { Form_Click(); };
  onKeyDown = [this](int key) { Form_KeyDown(key); };
  accessibleButtons = [this] {
    std::vector<AccessibleButton> tiles;
    const int lit = highlightedTile();
    for (int i = 0; i < shownTiles(); ++i) {
      const auto k = static_cast<std::size_t>(i);
      tiles.push_back({forms::encodeUtf8(forms::parseAccessKeys(Labels[k].caption()).text),
                       frmeIcon[k].formRect(), i == lit});
    }
    return tiles;
  };
  for (int i = 0; i < kTiles; ++i) {
    for (auto* part : {&lblRe, &lblButton, &Labels}) {
      forms::Label& l = (*part)[static_cast<std::size_t>(i)];
      l.onMouseMove = [this, i](const forms::MouseEvent&) { tileMouseMove(i); };
      l.onMouseDown = [this, i](const forms::MouseEvent&) { tileMouseDown(i); };
      l.onMouseUp = [this, i](const forms::MouseEvent&) { tileMouseUp(i); };
      l.onClick = [this, i] { tileClick(i); };
    }
  }
  tmrMouse.onTimer = [this] { tmrMouse_Timer(); };
  tmrWait.onTimer = [this] { tmrWait_Timer(); };
  tmrOpen.onTimer = [this] { tmrOpen_Timer(); };
  tmrQuit.onTimer = [this] { tmrQuit_Timer(); };
  tmrEnd.onTimer = [this] { host_.end(); };
  HScroll1.onChange = [this] { HScroll1_Change(); };
}

void frmSide::load() {
  auto& settings = host_.settings();
  auto& state = host_.state();
  auto& platform = host_.platform();

  settings[core::GlassAlpha] = core::kDefaultGlassAlpha;
  settings[core::BarSize] = kFiveTiles;
  eLoad();
  // The file's side decides the monitor; with no file, the side held already.
  standOnMonitor();
  const int screenW = platform.screenWidthTwips();
  const int screenH = platform.screenHeightTwips();
  state.smallScreen = 0;
  if (screenH < kSmallScreen) {
    state.smallScreen = 1;
    if (settings[core::BarSize].number() > kFiveTiles) settings[core::BarSize] = kFiveTiles;
  }
  setHeight(screenH);

  const double barSize = settings[core::BarSize].number();
  int barHeight = kColumnHeight;
  for (int n = 0; n <= 5; ++n) {
    if (barSize == n) barHeight = kTileHeight * (n + 1);
  }
  frmeBar.setHeight(barHeight);
  frmeBar.setTop(screenH / 2 - barHeight / 2 + kBarTopOffset);

  setTop(top() + core::kEdgeWindowTopShift);
  setHeight(height() + core::kEdgeWindowExtraHeight);

  state.barBackColour = core::kDarkBarColour;
  if (settings[core::BarColoured].number() >= 1) {
    // A hand-edited bar colour that is no colour leaves the bar dark.
    state.barBackColour = colourOr(settings[core::BarColour], core::kDarkBarColour);
  }

  setBackColour(state.barBackColour);
  frmeBar.setBackColour(state.barBackColour);
  for (int i = 0; i < kTiles; ++i) setTileBack(i, state.barBackColour);

  // A logon name the system cannot tell is an empty name.
  Usuario.setCaption(platform.logonName().value_or(std::string()));
  layDefaultTiles();
  eLoad();

  if (settings[core::BarSide].number() == 0) setLeft(screenW - width());
  setWidth(kCollapsedWidth);
  for (std::size_t i = 0; i < kTiles; ++i) {
    lblButton[i].setCaption(settings[core::Glyph0 + static_cast<int>(i)].text());
  }
  state.fileSettings = settings;
  host_.fadeClock(1);
}

int frmSide::shownTiles() const { return frmeBar.height() / kTileHeight; }

void frmSide::standOnMonitor() {
  auto& platform = host_.platform();
  BarMonitor = core::barMonitor(platform.monitors(), host_.settings()[core::BarSide].number());
  platform.useMonitor(BarMonitor);
}

void frmSide::layDefaultTiles() {
  auto& s = host_.settings();
  const auto& state = host_.state();
  const bool en = state.english();
  const bool modern = state.osMajorVersion > 5;
  const std::string login = Usuario.caption();
  const std::string home = (modern ? "C:\\Users\\" : "C:\\Documents and Settings\\") + login;

  s[core::TileName0 + 0] = en ? "Computer" : "Equipo";
  s[core::TileName0 + 1] = login;
  s[core::TileName0 + 2] = en ? "Documents" : "Documentos";
  s[core::TileName0 + 3] = en ? "Pictures" : "Im\xC3\xA1genes";
  s[core::TileName0 + 4] = en ? "Music" : "M\xC3\xBAsica";
  s[core::TileName0 + 5] = modern ? "Videos" : (en ? "Favorites" : "Favoritos");
  s[core::TileName0 + 6] =
      modern ? (en ? "Downloads" : "Descargas") : (en ? "Desktop" : "Escritorio");

  s[core::TilePath0 + 0] = "C:\\";
  s[core::TilePath0 + 1] = home;
  if (modern) {
    s[core::TilePath0 + 2] = home + "\\Documents";
    s[core::TilePath0 + 3] = home + "\\Pictures";
    s[core::TilePath0 + 4] = home + "\\Music";
    s[core::TilePath0 + 5] = home + "\\Videos";
    s[core::TilePath0 + 6] = home + "\\Downloads";
  } else if (en) {
    s[core::TilePath0 + 2] = home + "\\My Documents";
    s[core::TilePath0 + 3] = home + "\\My Documents\\My Pictures";
    s[core::TilePath0 + 4] = home + "\\My Documents\\My Music";
    s[core::TilePath0 + 5] = home + "\\Favorites";
    s[core::TilePath0 + 6] = home + "\\Desktop";
  } else {
    s[core::TilePath0 + 2] = home + "\\Mis documentos";
    s[core::TilePath0 + 3] = home + "\\Mis documentos\\Mis im\xC3\xA1genes";
    s[core::TilePath0 + 4] = home + "\\Mis documentos\\Mi m\xC3\xBAsica";
    s[core::TilePath0 + 5] = home + "\\Favoritos";
    s[core::TilePath0 + 6] = home + "\\Escritorio";
  }

  s[core::BarColour] = core::kThemeColour;
  s[core::GlyphFont] = 0;
  s[core::CustomFont] = core::kDefaultGlyphFont;
  s[core::ClockMode] = 0;
  for (int k = 0; k < core::kTileCount; ++k) {
    s[core::Glyph0 + k] = core::kDefaultGlyph;
    s[core::GlyphColour0 + k] = kWhite;
  }
}

void frmSide::eLoad() {
  auto& platform = host_.platform();
  const auto bytes = platform.readFile(core::settingsPath(host_.state()));
  if (!bytes) return;
  List1.clear();
  core::forEachLine(core::decodeSettingsBytes(*bytes, platform),
                    [&](std::string_view line) { List1.addItem(std::string(line)); });
  if (core::assignSettingsLines(host_.settings(), List1.items()) != core::LoadOutcome::Ignored) {
    standOnMonitor();  // the height eConfig measures is that of the monitor of the file's side
    eConfig();
  }
}

void frmSide::eConfig() {
  host_.runtime().dispatch([this] {
    auto& s = host_.settings();
    if (host_.platform().screenHeightTwips() < kVerySmallScreen &&
        s[core::BarSize].number() > kFiveTiles) {
      s[core::BarSize] = kFiveTiles;
    }
    for (std::size_t i = 0; i < kTiles; ++i) {
      Labels[i].setCaption(s[core::TileName0 + int(i)].text());
    }
    for (auto& label : Labels) label.setForeColour(core::kLightText);
    for (std::size_t i = 0; i < kTiles; ++i) {
      lblButton[i].setForeColour(colourOr(s[core::GlyphColour0 + int(i)], kWhite));
    }
    if (s[core::BarSide].number() > 1) s[core::BarSide] = 1;
    for (std::size_t i = 0; i < kTiles; ++i) {
      lblButton[i].setCaption(s[core::Glyph0 + int(i)].text());
    }
    const double glyphFont = s[core::GlyphFont].number();
    std::string fontName = core::kDefaultGlyphFont;
    for (int f = 0; f < core::kCustomGlyphFont; ++f) {
      if (glyphFont == f) fontName = core::kGlyphFontNames[f];
    }
    if (glyphFont == core::kCustomGlyphFont) fontName = s[core::CustomFont].text();
    for (auto& label : lblButton) label.setFontName(fontName);
  });
}

void frmSide::Form_MouseDown(const forms::MouseEvent& e) {
  tmrEnd.setEnabled(true);
  if (e.button == forms::kRightButton) RightButtonDown = true;
  host_.platform().makeTopmost(hwnd());
}

void frmSide::Form_MouseUp(const forms::MouseEvent& /*e*/) { tmrEnd.setEnabled(false); }
