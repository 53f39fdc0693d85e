// The configuration window: a tall borderless column at the bar's edge. For now its shell only:
// it opens beside the edge, widens, shows its title and closes on a click outside it.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"

class App;

class frmConfig : public forms::Form {
 public:
  explicit frmConfig(App& app);
  void load();

  forms::Label lblTitle;
  forms::Timer tmrOpen;
  forms::Timer tmrMouse;

 private:
  void tmrOpen_Timer();
  void tmrMouse_Timer();

  App& app_;
};
