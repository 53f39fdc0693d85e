#include "core/splash.h"

#include "core/host.h"
#include "forms/text.h"

namespace {

using forms::rgb;

constexpr int kWidth = 7815;
constexpr int kHeight = 4455;
constexpr int kLocaleEnglishLanguageName = 4097;  // LOCALE_SENGLANGUAGE
constexpr int kBarFullHeight = 4815;
constexpr int kBarStep = 120;
constexpr int kSideBarStep = 200;
constexpr int kCrossingFrom = 480;
constexpr int kCrossingTo = 960;
constexpr int kGreyStep = 10;

forms::Font plainFont(const char* name, double points) { return {name, points, 400, 0}; }

}  // namespace

frmInicio::frmInicio(core::Host& host)
    : forms::Form(host.runtime(), "frmInicio",
                  {(host.platform().screenWidthTwips() - kWidth) / 2,
                   (host.platform().screenHeightTwips() - kHeight) / 2, kWidth, kHeight}),
      Shape4(*this, "Shape4", {0, 0, kWidth, kHeight}, forms::ShapeStyle::Outline, 0),
      lblWord(*this, "lblWord", {1080, 2280, 3690, 585}),
      lblEsc(*this, "lblEsc", {7440, 120, 255, 255}),
      Shape2(*this, "Shape2", {480, 0, 495, 15}, forms::ShapeStyle::Filled, rgb(192, 192, 192),
             rgb(192, 192, 192)),
      Shape1(*this, "Shape1", {7800, 3240, 15, 495}, forms::ShapeStyle::Filled, rgb(128, 128, 128),
             rgb(128, 128, 128)),
      Shape3(*this, "Shape3", {960, 3240, 15, 495}, forms::ShapeStyle::Filled, rgb(64, 64, 64),
             rgb(64, 64, 64)),
      Timer1(*this, 30, forms::Running, "Timer1"),
      Timer2(*this, 30, forms::Running, "Timer2"),
      Timer3(*this, 500, forms::Stopped, "Timer3"),
      host_(host) {
  setBackColour(rgb(255, 255, 255));

  lblWord.setFont(plainFont("Calibri", 24));
  lblWord.setForeColour(rgb(255, 255, 255));
  lblWord.setBackStyle(forms::BackStyle::Transparent);
  lblWord.setCaption("TERVALO");
  lblWord.setAutoSize(true);

  lblEsc.setFont(plainFont("Arial", 9.75));
  lblEsc.setForeColour(0);
  lblEsc.setAlignment(forms::Align::Center);
  lblEsc.setBackColour(rgb(224, 224, 224));
  lblEsc.setBackStyle(forms::BackStyle::Transparent);
  lblEsc.setCaption("x");

  Shape3.setVisible(false);

  Timer1.onTimer = [this] { Timer1_Timer(); };
  Timer2.onTimer = [this] { Timer2_Timer(); };
  Timer3.onTimer = [this] { Timer3_Timer(); };
  lblEsc.onMouseDown = [this](const forms::MouseEvent&) {
    lblEsc.setBackStyle(forms::BackStyle::Opaque);
  };
  lblEsc.onMouseUp = [this](const forms::MouseEvent&) {
    lblEsc.setBackStyle(forms::BackStyle::Transparent);
  };
  lblEsc.onClick = [this] { host_.end(); };
}

void frmInicio::load() {
  Grey = 250;
  host_.settings()[core::BarColoured] = 0;
  const platform::OsVersion v = host_.platform().version();
  const std::string versionText = std::to_string(v.major) + "." + std::to_string(v.minor);
  auto& state = host_.state();
  state.osMajorVersion = v.major;
  state.languageName = forms::upperAscii(ObtenerIdioma(kLocaleEnglishLanguageName));
  if (versionText == "5.1" && state.languageName == "SPANISH") state.xpSpanish = true;
}

std::string frmInicio::ObtenerIdioma(int code) {
  return host_.platform().localeInfo(code).value_or(std::string());
}

void frmInicio::Timer1_Timer() {
  if (Grey > 250 || Grey < 1) {
    Timer1.setEnabled(false);
    return;
  }
  Grey -= kGreyStep;
  lblWord.setForeColour(rgb(Grey, Grey, Grey));
}

void frmInicio::Timer2_Timer() {
  if (Shape2.height() < kBarFullHeight) {
    Shape2.setHeight(Shape2.height() + kBarStep);
    Shape1.setRect({Shape1.left() - kSideBarStep, Shape1.top(), Shape1.width() + kSideBarStep,
                    Shape1.height()});
    if (Shape1.left() >= kCrossingFrom && Shape1.left() <= kCrossingTo) {
      Shape3.setVisible(true);
      Shape3.setRect({Shape2.left(), Shape3.top(), Shape2.width(), Shape3.height()});
    }
  } else {
    Timer2.setEnabled(false);
    Timer3.setEnabled(true);
  }
}

void frmInicio::Timer3_Timer() {
  host_.showBar();
  unload();
}
