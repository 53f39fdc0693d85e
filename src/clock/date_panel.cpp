#include "clock/date_panel.h"

#include <cstdio>
#include <vector>

#include "clock/battery_pictures.h"
#include "core/host.h"
#include "core/look.h"
#include "forms/ending.h"

namespace {

using forms::rgb;

constexpr int kDesignWidth = 7590;
constexpr int kDesignHeight = 2070;
constexpr int kEdgeGap = 740;       // from the screen's bottom and side edges
constexpr int kRightPadding = 580;  // after the date label
constexpr int kLabelGap = 360;      // between the time and the other labels
constexpr int kTimeLeftNoGauge = 660;
constexpr int kTimeLeftWithGauge = 1320;

std::vector<std::string> split(const std::string& text, char by) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : text) {
    if (c == by) {
      pieces.push_back(piece);
      piece.clear();
    } else {
      piece.push_back(c);
    }
  }
  pieces.push_back(piece);
  return pieces;
}

const std::string& piece(const std::vector<std::string>& pieces, std::size_t i) {
  if (i >= pieces.size()) throw forms::Ending("date piece");
  return pieces[i];
}

// A number written without leading zeros.
std::string plainNumber(const std::string& text) {
  return core::Value(core::lenientNumber(text)).text();
}

forms::Font uiFont(const char* name, double points, int weight = 400) {
  return {name, points, weight, 0};
}

}  // namespace

frmDate::frmDate(core::Host& host)
    : forms::Form(host.runtime(), "frmDate", {0, 0, kDesignWidth, kDesignHeight}),
      Label1(*this, "Label1", {1200, 120, 2895, 1695}),
      Label2(*this, "Label2", {4080, 420, 1965, 630}),
      Label3(*this, "Label3", {4080, 930, 3735, 675}),
      imgState(*this, "imgState", {720, 1080, 165, 390}),
      lblState(*this, "lblState", {480, 840, 495, 255}),
      imgBattery(forms::makeArray<forms::Image, clock_panel::kBatteryPictures>([this](int i) {
        return forms::Image(*this, "imgBattery", {0, 0, 165, 390}, i);
      })),
      cmdIntro(*this, "cmdIntro", {120, 1680, 375, 315}),
      tmrDate(*this, 10, forms::Running, "tmrDate"),
      host_(host) {
  setBackColour(rgb(64, 64, 64));
  // Clicked, it takes the keyboard, and Enter opens the highlighted tile. It never takes it by
  // appearing: keys typed into the user's window while the bar opens stay there.
  setActivation(Activation::OnClick);
  const forms::Colour buttonFace = rgb(240, 240, 240);
  for (forms::Label* l : {&Label1, &Label2, &Label3}) {
    l->setBackStyle(forms::BackStyle::Transparent);
    l->setForeColour(buttonFace);
  }
  Label1.setFont(uiFont("Segoe UI Light", 63.75, 300));
  Label1.setCaption("25:27");
  Label1.setAutoSize(true);
  Label2.setFont(uiFont("Segoe UI", 23.25));
  Label2.setAutoSize(true);
  Label3.setFont(uiFont("Segoe UI", 24));
  Label3.setAutoSize(true);
  imgState.setVisible(false);
  lblState.setFont(uiFont("Segoe UI Light", 8.25, 300));
  lblState.setForeColour(rgb(255, 255, 255));
  lblState.setAlignment(forms::Align::Right);
  lblState.setBackStyle(forms::BackStyle::Transparent);
  lblState.setCaption("0%");
  for (int i = 0; i < clock_panel::kBatteryPictures; ++i) {
    forms::Image& img = imgBattery[static_cast<std::size_t>(i)];
    img.setPicture(clock_panel::batteryPicture(i));
    img.setVisible(false);
  }

  Label1.onChange = [this] { eAcomodo(); };
  cmdIntro.onClick = [this] { cmdIntro_Click(); };
  tmrDate.onTimer = [this] { BDate(); };
  onResize = [this] { host_.platform().makeTopmost(hwnd()); };
}

void frmDate::load() {
  auto& platform = host_.platform();
  for (forms::Label* l : {&Label1, &Label2, &Label3}) l->setForeColour(core::kLightText);
  setBackColour(host_.state().barBackColour);  // the bar's colour
  setTop(platform.screenHeightTwips() - height() - kEdgeGap);
  cmdIntro.setLeft(-495);  // out of sight; it keeps the focus
  const core::Value& side = host_.settings()[core::BarSide];
  // Opposite the bar: any side but 0 is the left edge.
  setLeft(side.number() == 0 ? kEdgeGap : platform.screenWidthTwips() - width() - kEdgeGap);
  eBattery();
  eClock();
  Label3.setFontName("Segoe UI Semilight");
}

void frmDate::BDate() {
  // A failure (a date of another shape) ends the refresh there; what was set stays.
  host_.runtime().dispatch([this] {
    auto& platform = host_.platform();
    const auto& state = host_.state();
    PrevTime = Label1.caption();

    const double mode = host_.settings()[core::ClockMode].number();
    if (mode == 0) {
      Label1.setCaption(split(platform.mediumTime(), ' ')[0]);
    } else {  // any other mode is the 24-hour clock
      const platform::LocalTime t = platform.now();
      char hhmm[16];
      std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", t.hour % 100, t.minute % 100);
      Label1.setCaption(hhmm);
    }

    const std::string date = platform.longDate();
    Label2.setCaption(split(date, ',')[0]);
    const std::vector<std::string> p = split(date, ' ');
    if (!state.english()) {
      // "miércoles, 05 de diciembre de 2012" -> "5 de diciembre"
      Label3.setCaption(plainNumber(piece(p, 1)) + " " + piece(p, 2) + " " + piece(p, 3));
    } else {
      // "Wednesday, December 05, 2012" -> "December 5"
      std::string day = piece(p, 2);
      if (day.empty()) throw forms::Ending("day");
      day.pop_back();
      Label3.setCaption(piece(p, 1) + " " + plainNumber(day));
    }

    if (Label1.caption() == PrevTime) {
      setWidth(Label3.left() + Label3.width() + kRightPadding);
      if (host_.settings()[core::BarSide].number() != 0) {
        setLeft(platform.screenWidthTwips() - width() - kEdgeGap);
      }
    }
    eBattery();
  });
}

void frmDate::eAcomodo() {
  Label2.setLeft(Label1.left() + Label1.width() + kLabelGap);
  Label3.setLeft(Label2.left());
}

void frmDate::eClock() {
  Label1.setLeft(imgState.visible() ? kTimeLeftWithGauge : kTimeLeftNoGauge);
  eAcomodo();
}

void frmDate::showGauge(int picture, int charge) {
  imgState.setPicture(imgBattery[static_cast<std::size_t>(picture)].picture());
  imgState.setVisible(true);
  lblState.setCaption(std::to_string(charge) + "%");
}

void frmDate::eBattery() {
  auto& platform = host_.platform();
  const int charge = platform.powerStatus().chargePercent;
  if (charge <= 100) {
    const int mains = platform.powerStatus().mainsStatus;
    if (mains == 0) {
      showGauge(clock_panel::batteryPictureIndex(charge), charge);
    } else if (mains == 1) {
      showGauge(charge == 100 ? 1 : 0, charge);
    }
  } else {
    imgState.setVisible(false);
    lblState.setCaption("");
  }
  if (imgState.visible() != GaugeShown) {
    eClock();
    GaugeShown = imgState.visible();
  }
}

void frmDate::cmdIntro_Click() { host_.launchHighlightedTile(); }
