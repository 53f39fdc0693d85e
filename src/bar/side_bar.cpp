#include "bar/side_bar.h"

#include "core/app.h"

namespace {
constexpr int kDesignLeft = -45;
constexpr int kDesignTop = -375;
constexpr int kCollapsedWidth = 1;
}  // namespace

frmSide::frmSide(App& app)
    : forms::Form(app.runtime(), "frmSide",
                  {kDesignLeft, kDesignTop, kCollapsedWidth, app.platform().screenHeightTwips()}),
      app_(app) {
  setBackColour(forms::rgb(17, 17, 17));
}
