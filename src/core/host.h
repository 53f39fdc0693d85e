// What a window may ask of the program around it: the services every window shares, and the
// effects one window has on another. Each effect has one owner, the window it acts on; a window
// asks for it here and never reaches into another window. The App implements it.
#pragma once

#include "core/settings.h"
#include "forms/runtime.h"
#include "platform/services.h"

namespace core {

class Host {
 public:
  virtual ~Host() = default;

  virtual platform::Platform& platform() = 0;
  virtual forms::Runtime& runtime() = 0;
  virtual Settings& settings() = 0;
  virtual GlobalState& state() = 0;

  // The bar: shown (built with its whole load when none exists), rebuilt (dropped and shown
  // fresh, so that it loads the settings file again), collapsed 100 ms from now.
  virtual void showBar() = 0;
  virtual void rebuildBar() = 0;
  // The display changed the bar's monitor: the bar is rebuilt there and an open configuration
  // window, its edits kept, moves against the same edge of that monitor.
  virtual void followMonitor() = 0;
  virtual void collapseBar() = 0;
  // Opens the folder of the highlighted tile (or, with none, of the tile launched last).
  virtual void launchHighlightedTile() = 0;

  // The clock panel, which the bar drives: refreshed and shown (built when none exists),
  // dropped, faded with the bar (built when none exists), and its charge label shown while
  // the pointer rests on a corner, where the panel exists.
  virtual void showClock() = 0;
  virtual void dropClock() = 0;
  virtual void fadeClock(int alpha) = 0;
  virtual void showClockCharge(bool shown) = 0;

  // A fresh configuration window; any open one is dropped with its unsaved edits, and the bar
  // collapses.
  virtual void openConfig() = 0;

  // Ends the program at once: every window closes, nothing is saved.
  virtual void end() = 0;
};

}  // namespace core
