#include "core/app.h"

#include "bar/side_bar.h"
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
    // The slot is filled before the load runs, so a load that reaches for another window which
    // reaches back finds this one.
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

void App::start() { inicio().show(); }

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
