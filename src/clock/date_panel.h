// The clock panel in the bottom corner opposite the bar: the time in very large light type, the
// weekday, the day and month, and the battery gauge. Enter on it opens the highlighted tile.
#pragma once

#include <array>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"

namespace core {
class Host;
}  // namespace core

class frmDate : public forms::Form {
 public:
  explicit frmDate(core::Host& host);
  void load();
  // Refreshes the time, the weekday, the date, the panel width and the battery gauge.
  void BDate();
  // Places the time label after the gauge and the other labels after the time.
  void eClock();
  // Places the weekday and the date to the right of the time.
  void eAcomodo();
  // Follows the power status with the gauge's picture and percentage.
  void eBattery();

  forms::Label Label1;
  forms::Label Label2;
  forms::Label Label3;
  forms::Image imgState;
  forms::Label lblState;
  std::array<forms::Image, 13> imgBattery;
  forms::Button cmdIntro;
  forms::Timer tmrDate;

  std::string PrevTime;
  bool GaugeShown = false;

 private:
  void cmdIntro_Click();
  void showGauge(int picture, int charge);

  core::Host& host_;
};
