// The clock panel in the bottom corner opposite the bar. For now only what the bar's load and
// edge watcher touch: the window itself and its battery-state label.
#pragma once

#include "forms/controls.h"
#include "forms/form.h"

class App;

class frmDate : public forms::Form {
 public:
  explicit frmDate(App& app);
  void load() {}

  forms::Label lblState;

 private:
  App& app_;
};
