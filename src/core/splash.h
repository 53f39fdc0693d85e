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

  forms::Shape Shape4;   // the border
  forms::Label lblWord;  // the product name
  forms::Label lblEsc;   // "x": ends the program
  forms::Shape Shape2;   // the bar that grows down
  forms::Shape Shape1;   // the bar that grows to the left
  forms::Shape Shape3;   // the square where the two bars cross
  forms::Timer Timer1;   // the product name's fade
  forms::Timer Timer2;   // the bars' growth
  forms::Timer Timer3;   // the hand-over to the bar

 private:
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();

  core::Host& host_;
  int Grey = 250;  // the product name's grey, darkening
};
