// A form's timer: interval and enabled, driven by the runtime's timer service.
#pragma once

#include <functional>
#include <string>

namespace forms {

class Form;

enum TimerState : bool { Stopped = false, Running = true };

class Timer {
 public:
  Timer(Form& owner, int intervalMs, TimerState state, std::string name = {});
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  Timer(Timer&&) = delete;
  Timer& operator=(Timer&&) = delete;

  [[nodiscard]] bool enabled() const { return enabled_; }
  // Enabling a running timer keeps its count; disabling stops it.
  void setEnabled(bool enabled);
  [[nodiscard]] int interval() const { return interval_; }
  [[nodiscard]] const std::string& name() const { return name_; }

  std::function<void()> onTimer;

  // Called by the timer service when the interval has passed: runs onTimer as one event.
  void fire();
  // Called when the owning form unloads: stops for good.
  void halt();

 private:
  [[nodiscard]] bool shouldRun() const;
  void sync();
  Form& owner_;
  int interval_;
  bool enabled_;
  bool counting_ = false;
  std::string name_;
};

}  // namespace forms
