// The start-up splash: finds out the system version and the user's language, plays the growing
// bars and the fading product name, then hands over to the side bar.
#pragma once

#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/timer.h"

namespace core {
class Host;
}  // namespace core

class frmInicio : public forms::Form {
 public:
  explicit frmInicio(core::Host& host);
  // Finds out the system version and the language.
  void load();

  // The item `code` of the user's default locale, or "" when the system cannot tell.
  std::string ObtenerIdioma(int code);

  forms::Shape Shape4;
  forms::Label lblWord;
  forms::Label lblEsc;
  forms::Shape Shape2;
  forms::Shape Shape1;
  forms::Shape Shape3;
  forms::Timer Timer1;
  forms::Timer Timer2;
  forms::Timer Timer3;

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();

  core::Host& host_;
  int Grey = 250;
};
