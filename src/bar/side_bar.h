// The side bar window. For now it only takes over from the splash and keeps the program
// running, collapsed and empty, until the program is ended.
#pragma once

#include "forms/form.h"

class App;

class frmSide : public forms::Form {
 public:
  explicit frmSide(App& app);
  void load() {}

 private:
  App& app_;
};
