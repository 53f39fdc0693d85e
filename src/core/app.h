// The one object that owns the settings, the global state, the platform, the forms runtime and
// the windows. Each window exists at most once: asking for it builds it (running its load), and
// unloading it drops it, so the next request builds a fresh one.
#pragma once

#include <memory>

#include "core/settings.h"
#include "forms/runtime.h"
#include "platform/services.h"

class frmInicio;
class frmSide;
class frmDate;
class frmConfig;

namespace forms {
class Form;
}

class App {
 public:
  App(platform::Platform& platform, forms::Runtime& runtime);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  platform::Platform& platform() { return platform_; }
  forms::Runtime& runtime() { return runtime_; }
  core::Settings& settings() { return settings_; }
  core::GlobalState& state() { return state_; }

  // Starts the program: builds and shows the splash window.
  void start();

  frmInicio& inicio();
  frmSide& side();
  frmDate& date();
  frmConfig& config();
  [[nodiscard]] bool hasInicio() const { return inicio_ != nullptr; }
  [[nodiscard]] bool hasSide() const { return side_ != nullptr; }
  [[nodiscard]] bool hasDate() const { return date_ != nullptr; }
  [[nodiscard]] bool hasConfig() const { return config_ != nullptr; }

  // Ends the program at once: every window closes, nothing is saved.
  void end();
  [[nodiscard]] bool ended() const { return ended_; }

 private:
  template <class W>
  W& build(std::unique_ptr<W>& slot);

  platform::Platform& platform_;
  forms::Runtime& runtime_;
  core::Settings settings_;
  core::GlobalState state_;
  std::unique_ptr<frmInicio> inicio_;
  std::unique_ptr<frmSide> side_;
  std::unique_ptr<frmDate> date_;
  std::unique_ptr<frmConfig> config_;
  bool ended_ = false;
};
