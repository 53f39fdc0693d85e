// The edge watcher: polls the pointer every 10 ms, opens the bar after a 300-ms dwell on a
// corner pixel of its edge, fades it in, collapses it 100 ms after the pointer leaves, drives
// the clock panel and reloads the bar when its monitor changes: another one becomes the
// outermost, or its own changes place, size or DPI.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "bar/side_bar.h"
#include "bar/window_alpha.h"
#include "core/host.h"
#include "core/monitor.h"

namespace {

constexpr int kAlphaStep = 10;
constexpr int kOpaque = 255;
constexpr int kLeftCloseLine = 1500;  // twips from the left edge: 100 pixels at 96 DPI

}  // namespace

void frmSide::tmrMouse_Timer() {
  auto& platform = host_.platform();
  const platform::PointerPos p = platform.pointer();
  CursorX = p.x;
  CursorY = p.y;
  const int screenW = platform.screenWidthTwips();
  const int screenH = platform.screenHeightTwips();
  // The screen's own twips per pixel, so that the corners are the real last pixels at any
  // display scaling.
  const double tpp = platform.twipsPerPixel();
  const long lastColumn = std::lround(screenW / tpp) - 1;
  const long lastRow = std::lround(screenH / tpp) - 1;
  const double side = host_.settings()[core::BarSide].number();

  // The clock panel's charge label shows while the pointer rests on a corner.
  std::optional<bool> charge;
  const auto dwell = [&](bool corner) {
    tmrWait.setEnabled(corner);
    charge = corner;
  };
  if (heldAt_ && p != *heldAt_) heldAt_.reset();
  const auto close = [&] {
    if (heldAt_) return;
    tmrWait.setEnabled(false);
    tmrOpen.setEnabled(false);
    tmrQuit.setEnabled(true);
  };
  // Any side but 0 is the left edge, as the configuration window shows it: whatever the file
  // says, one edge opens the bar.
  // The pointer on another monitor, above, below or beside this one, is off the bar.
  const bool offMonitor = CursorX < 0 || CursorX > lastColumn || CursorY < 0 || CursorY > lastRow;
  if (side != 0) {
    dwell(CursorX == 0 && (CursorY == 0 || CursorY == lastRow));
    if (offMonitor || CursorX >= std::lround(kLeftCloseLine / tpp)) close();
  } else {
    dwell(CursorX == lastColumn && (CursorY == 0 || CursorY == lastRow));
    if (offMonitor || CursorX < std::lround((screenW - kOpenWidth) / tpp)) close();
  }

  if (width() == kCollapsedWidth) {
    host_.dropClock();
  } else {
    host_.showClock();
  }
  // Only a panel that exists takes it: a collapsed bar has none, and building one on every
  // poll only to drop it again would cost the idle bar for nothing.
  if (charge) host_.showClockCharge(*charge);

  Label1.setCaption(std::to_string(screenH));
  Label2.setCaption(std::to_string(CursorY));

  if (core::barMonitor(platform.monitors(), side) != BarMonitor) host_.followMonitor();
}

void frmSide::openFromOutside() {
  heldAt_ = host_.platform().pointer();
  tmrQuit.setEnabled(false);
  tmrOpen.setEnabled(true);
}

void frmSide::toggleFromKeyboard() {
  if (width() != kCollapsedWidth) {
    collapse();
    return;
  }
  openFromOutside();
  lightTile(0);
  host_.platform().takeKeys(hwnd());
  hasKeys_ = true;
}

void frmSide::collapse() {
  heldAt_.reset();
  tmrWait.setEnabled(false);
  tmrOpen.setEnabled(false);
  tmrQuit_Timer();
}

void frmSide::tmrWait_Timer() {
  tmrOpen.setEnabled(true);
  tmrWait.setEnabled(false);
}

void frmSide::tmrOpen_Timer() {
  show();
  if (host_.settings()[core::BarSide].number() == 0) {
    setLeft(host_.platform().screenWidthTwips() - width());
  }
  const int step = HScroll1.value();
  // A target below the lowest the configuration window offers would leave the bar unopened or
  // its clock panel too faint to see: the fade goes at least that far.
  if (step <
      std::max(host_.settings()[core::GlassAlpha].number(), double{core::kLowestGlassAlpha})) {
    setWidth(kOpenWidth);
    // A target above what the stepper holds (a hand-edited file) ends the fade at opaque.
    if (step + kAlphaStep <= HScroll1.max()) {
      HScroll1.setValue(step + kAlphaStep);
      return;
    }
    HScroll1.setValue(HScroll1.max());
  }
  SetWindowAlpha(host_.platform(), hwnd(), kOpaque);
  tmrOpen.setEnabled(false);
}

void frmSide::tmrQuit_Timer() {
  if (std::exchange(hasKeys_, false)) host_.platform().releaseKeys();
  hide();
  setWidth(kCollapsedWidth);
  HScroll1.setValue(1);
  tmrQuit.setEnabled(false);
}

void frmSide::HScroll1_Change() {
  const int alpha = HScroll1.value() & 0xFF;
  SetWindowAlpha(host_.platform(), hwnd(), alpha);
  host_.fadeClock(alpha);
}
