// The composition root: owns the settings, the global state and the windows, and carries out
// the effects one window asks for on another. Each window exists at most once: asking for it
// builds it (running its load), and unloading it drops it, so the next request builds a fresh
// one; a find never builds.
#pragma once

#include <memory>

#include "core/host.h"

class frmInicio;
class frmSide;
class frmDate;
class frmConfig;

class App final : public core::Host {
 public:
  App(platform::Platform& platform, forms::Runtime& runtime);
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  platform::Platform& platform() override { return platform_; }
  forms::Runtime& runtime() override { return runtime_; }
  core::Settings& settings() override { return settings_; }
  core::GlobalState& state() override { return state_; }

  // Starts the program: builds and shows the splash window.
  void start();
  // Another start of the program asked this copy to show where it is: the bar opens. While the
  // splash still shows, the splash says it.
  void openBar();
  // The hotkey: opens the bar with the keyboard on it, or collapses an open one.
  void toggleBarFromKeyboard();

  void showBar() override;
  void rebuildBar() override;
  void followMonitor() override;
  void collapseBar() override;
  void launchHighlightedTile() override;
  void showClock() override;
  void dropClock() override;
  void fadeClock(int alpha) override;
  void showClockCharge(bool shown) override;
  void openConfig() override;
  void end() override;
  [[nodiscard]] bool ended() const { return ended_; }

  frmInicio& inicio();
  frmSide& side();
  frmDate& date();
  frmConfig& config();
  [[nodiscard]] frmInicio* findInicio() const { return inicio_.get(); }
  [[nodiscard]] frmSide* findSide() const { return side_.get(); }
  [[nodiscard]] frmDate* findDate() const { return date_.get(); }
  [[nodiscard]] frmConfig* findConfig() const { return config_.get(); }

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
