#include "forms/timer.h"

#include "forms/form.h"

namespace forms {

Timer::Timer(Form& owner, int intervalMs, TimerState state, std::string name)
    : owner_(owner), interval_(intervalMs), enabled_(state == Running), name_(std::move(name)) {
  owner_.addTimer(this);
  sync();
}

Timer::~Timer() {
  halt();
  owner_.removeTimer(this);
}

bool Timer::shouldRun() const { return enabled_ && interval_ > 0 && !owner_.unloaded(); }

void Timer::sync() {
  const bool run = shouldRun();
  if (run && !counting_) {
    owner_.runtime().timers().start(*this);
    counting_ = true;
  } else if (!run && counting_) {
    owner_.runtime().timers().stop(*this);
    counting_ = false;
  }
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  sync();
}

void Timer::fire() {
  if (!counting_ || !onTimer) return;
  owner_.runtime().dispatch(onTimer);
}

void Timer::halt() {
  if (counting_) owner_.runtime().timers().stop(*this);
  counting_ = false;
}

}  // namespace forms
