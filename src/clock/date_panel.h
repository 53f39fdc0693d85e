// The clock panel in the bottom corner opposite the bar: the time in very large light type, the
// weekday, the day and month, and the battery gauge. Enter on it opens the highlighted tile.
#pragma once

#include <array>
#include <string>

#include "clock/battery_pictures.h"
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

  forms::Label Label1;    // the time
  forms::Label Label2;    // the weekday
  forms::Label Label3;    // the day and month
  forms::Image imgState;  // the battery gauge
  forms::Label lblState;  // the charge, shown while the pointer rests on a corner
  // The gauge's pictures.
  std::array<forms::Image, clock_panel::kBatteryPictures> imgBattery;
  forms::Button cmdIntro;  // out of sight: takes Enter
  forms::Timer tmrDate;    // the refresh

  std::string PrevTime;  // the time shown before the last refresh
  bool GaugeShown = false;

 private:
  void cmdIntro_Click();
  void showGauge(int picture, int charge);

  core::Host& host_;
};
