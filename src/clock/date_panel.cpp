#include "clock/date_panel.h"

#include "core/app.h"

namespace {
constexpr int kDesignWidth = 7590;
constexpr int kDesignHeight = 2070;
}  // namespace

frmDate::frmDate(App& app)
    : forms::Form(app.runtime(), "frmDate", {0, 0, kDesignWidth, kDesignHeight}),
      lblState(*this, "lblState", {480, 840, 495, 255}),
      app_(app) {
  setBackColour(forms::rgb(64, 64, 64));
  lblState.setCaption("0%");
}
