#include "app/app.h"

#include "bar/side_bar.h"
#include "bar/window_alpha.h"
#include "clock/date_panel.h"
#include "config/config_window.h"
#include "core/splash.h"

App::App(platform::Platform& platform, forms::Runtime& runtime)
    : platform_(platform), runtime_(runtime) {}

App::~App() {
  // Windows go before the store they read.
  inicio_.reset();
  config_.reset();
  side_.reset();
  date_.reset();
}

template <class W>
W& App::build(std::unique_ptr<W>& slot) {
  if (!slot) {
    // The slot is filled before the load runs, so a load that asks for an effect on this
    // window finds it.
    slot = std::make_unique<W>(*this);
    slot->onUnloaded = [this, &slot](forms::Form& f) {
      if (slot.get() == &f) runtime_.dispose(std::move(slot));
    };
    W* w = slot.get();
    runtime_.dispatch([w] { w->load(); });
  }
  return *slot;
}

frmInicio& App::inicio() { return build(inicio_); }
frmSide& App::side() { return build(side_); }
frmDate& App::date() { return build(date_); }
frmConfig& App::config() { return build(config_); }

void App::start() {
  platform_.undoInterruptedWrite();  // before the bar reads the settings
  inicio().show();
}

void App::openBar() {
  if (side_) runtime_.dispatch([this] { side_->openFromOutside(); });
}

void App::toggleBarFromKeyboard() {
  if (side_) runtime_.dispatch([this] { side_->toggleFromKeyboard(); });
}

void App::showBar() { side().show(); }

void App::rebuildBar() {
  if (side_) side_->unload();
  side().show();  // a fresh bar repeats its whole load
}

void App::followMonitor() {
  rebuildBar();
  if (config_) config_->placeOnMonitor();
}

void App::collapseBar() {
  if (side_) side_->tmrQuit.setEnabled(true);
}

void App::launchHighlightedTile() {
  if (side_) side_->launchHighlighted();
}

void App::showClock() {
  date().BDate();
  date().show();
}

void App::dropClock() {
  if (date_) date_->unload();
}

void App::fadeClock(int alpha) { SetWindowAlpha(platform_, date().hwnd(), alpha); }

void App::showClockCharge(bool shown) {
  if (date_) date_->lblState.setVisible(shown);
}

void App::openConfig() {
  if (config_) config_->unload();  // unsaved edits are dropped
  config().show();
  collapseBar();
}

void App::end() {
  ended_ = true;
  runtime_.dispatch([&] {
    if (inicio_) inicio_->unload();
    if (side_) side_->unload();
    if (date_) date_->unload();
    if (config_) config_->unload();
  });
  platform_.exitProgram();
}
