#include "config/config_window.h"

#include <cmath>

#include "bar/side_bar.h"
#include "core/app.h"
#include "core/texts.h"

namespace {

constexpr int kStartWidth = 4000;
constexpr int kOpenWidth = 5175;
constexpr int kGrowStep = 200;
constexpr int kWindowTopShift = 360;
constexpr int kWindowExtraHeight = 600;
constexpr core::Text kTitle{"Configuration", "Configuraci\xC3\xB3n"};

}  // namespace

frmConfig::frmConfig(App& app)
    : forms::Form(app.runtime(), "frmConfig", {0, -375, kStartWidth, 11520}),
      lblTitle(*this, "lblTitle", {570, 430, 2895, 615}),
      tmrOpen(*this, 10, forms::Running, "tmrOpen"),
      tmrMouse(*this, 10, forms::Running, "tmrMouse"),
      app_(app) {
  setBackColour(forms::rgb(27, 88, 184));
  setActivation(Activation::OnShow);
  lblTitle.setFont({"Segoe UI", 20.25, 400, 0});
  lblTitle.setForeColour(forms::rgb(255, 255, 255));
  lblTitle.setBackStyle(forms::BackStyle::Transparent);
  lblTitle.setCaption("Configuraci\xC3\xB3n");
  tmrOpen.onTimer = [this] { tmrOpen_Timer(); };
  tmrMouse.onTimer = [this] { tmrMouse_Timer(); };
  onResize = [this] { app_.platform().makeTopmost(hwnd()); };
}

void frmConfig::load() {
  auto& platform = app_.platform();
  lblTitle.setCaption(kTitle.in(app_.state()));
  setWidth(kStartWidth);
  app_.side().tmrQuit.setEnabled(true);  // the bar collapses while this window opens
  setHeight(platform.screenHeightTwips());
  setTop(top() + kWindowTopShift);
  setHeight(height() + kWindowExtraHeight);
  if (app_.settings()[core::BarSide].number() == 0) {
    setLeft(platform.screenWidthTwips() - width());
  }
}

void frmConfig::tmrOpen_Timer() {
  if (width() < kOpenWidth) {
    setWidth(width() + kGrowStep);
  } else {
    setWidth(kOpenWidth);
    tmrOpen.setEnabled(false);
  }
  if (app_.settings()[core::BarSide].number() == 0) {
    setLeft(app_.platform().screenWidthTwips() - width());
  }
}

void frmConfig::tmrMouse_Timer() {
  auto& platform = app_.platform();
  const platform::PointerPos p = platform.pointer();
  if (!platform.leftButtonPressed()) return;
  const double tpp = platform.twipsPerPixel();
  const long openWidthPx = std::lround(kOpenWidth / tpp);
  const double side = app_.settings()[core::BarSide].number();
  const bool outside = side == 0
                           ? std::lround(platform.screenWidthTwips() / tpp) - openWidthPx > p.x
                           : (side >= 1 && p.x >= openWidthPx - 1);
  if (outside) unload();
}
