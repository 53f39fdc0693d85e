// The configuration window opened from the bar, as a right click on the bar opens it, and a user's
// clicks on its controls.
#pragma once

#include "bar/side_bar.h"
#include "config/config_window.h"
#include "test_app.h"

namespace testing_support {

struct ConfigRig : TestApp {
  frmConfig& open(const std::string& language = "ENGLISH") {
    startBar(language);
    side().eOpenConfig();
    return app.config();
  }
  frmConfig& config() { return app.config(); }

  // Presses and releases `button` in the middle of a control, through the form's pointer
  // routing, as a user's click.
  static void click(forms::Control& c, int button = forms::kLeftButton) {
    if (c.parent() == nullptr) {  // the form itself: its background near the top-left corner
      c.form().pointerDown(button, 0, {100, 100});
      c.form().pointerUp(button, 0, {100, 100});
      return;
    }
    const forms::Point p{c.left() + c.width() / 2, c.top() + c.height() / 2};
    c.form().pointerDown(*c.parent(), button, 0, p);
    c.form().pointerUp(*c.parent(), button, 0, p);
  }
  // Types a text, character by character, into a box.
  static void type(forms::TextBox& box, const std::string& text) {
    for (char32_t ch : forms::decodeUtf8(text)) box.typeChar(static_cast<int>(ch));
  }
};

}  // namespace testing_support
