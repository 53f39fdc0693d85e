// The services a form needs from the outside world: timers, text metrics and native windows.
// Production plugs in the Win32 backend; tests plug in virtual timers and fake metrics.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/ending.h"
#include "forms/types.h"

namespace forms {

class Control;
class Form;
class Timer;

// What changed on a control, so that a native peer updates only that. A control is built with
// its window and lives as long as it: a peer makes the native side of every control at once.
enum class Change {
  Geometry,
  Visibility,
  Appearance,
  Text,
  Value,
  List,
  Enabled,
  Focus,
  Balloon,
  Monitor,  // a form moves to the monitor the program's windows now stand on
};

class TimerService {
 public:
  virtual ~TimerService() = default;
  // Starts counting a stopped timer's interval from now.
  virtual void start(Timer& timer) = 0;
  virtual void stop(Timer& timer) = 0;
  // Called when no handler runs any more: a service may apply what the handlers asked for at
  // once, so that a timer started and stopped within one event costs nothing.
  virtual void settle() {}
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  // Size of one line of plain text (no access-key markers) in twips.
  virtual Size measure(const Font& font, std::u32string_view text) = 0;
};

// The native side of a form: a top-level window and the child windows of its controls.
class FormPeer {
 public:
  virtual ~FormPeer() = default;
  [[nodiscard]] virtual std::uintptr_t handle() const = 0;
  virtual void changed(Control& control, Change what) = 0;
};

// The system clipboard's text, for the text boxes' cut, copy and paste.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::string text() = 0;
  virtual void setText(const std::string& utf8) = 0;
};

// A clipboard of the process alone, for runs with no system behind them.
class MemoryClipboard final : public Clipboard {
 public:
  std::string text() override { return text_; }
  void setText(const std::string& utf8) override { text_ = utf8; }

 private:
  std::string text_;
};

class PeerFactory {
 public:
  virtual ~PeerFactory() = default;
  virtual std::unique_ptr<FormPeer> createPeer(Form& form) = 0;
};

class Runtime {
 public:
  Runtime(TimerService& timers, TextMetrics& metrics, PeerFactory* peers = nullptr,
          Clipboard* clipboard = nullptr);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  TimerService& timers() { return timers_; }
  TextMetrics& metrics() { return metrics_; }
  Clipboard& clipboard() { return clipboard_ != nullptr ? *clipboard_ : ownClipboard_; }
  // A number for each form made on this runtime, never given twice.
  int nextSerial() { return ++serials_; }
  std::unique_ptr<FormPeer> createPeer(Form& form);

  // Runs one event handler to completion. A planned ending ends that handler silently, as
  // every routine of the program traps its own errors. Any other exception also ends it (the
  // program goes on for the user) and is handed to onFault: the tests fail on it, the program
  // reports it to a debugger. Forms unloaded while any handler runs are freed once the
  // outermost handler has returned.
  template <class F>
  void dispatch(F&& handler) {
    Scope scope(*this);
    try {
      std::forward<F>(handler)();
    } catch (const Ending&) {  // NOLINT(bugprone-empty-catch): a planned ending is silent
    } catch (const std::exception& e) {
      fault(e.what());
    } catch (...) {
      fault("an exception of an unknown type");
    }
  }

  // Hears every fault a handler ends with.
  std::function<void(const std::string& what)> onFault;

  // Keeps an unloaded form alive until no handler is running any more.
  void dispose(std::unique_ptr<Form> form);
  // Keeps a native peer alive until no handler runs: its window may be the one whose message is
  // being handled.
  void retire(std::unique_ptr<FormPeer> peer);
  [[nodiscard]] int depth() const { return depth_; }

 private:
  void fault(const std::string& what) {
    if (onFault) onFault(what);
  }

  class Scope {
   public:
    explicit Scope(Runtime& rt) : rt_(rt) { ++rt_.depth_; }
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Runtime& rt_;
  };

  TimerService& timers_;
  TextMetrics& metrics_;
  PeerFactory* peers_;
  Clipboard* clipboard_;
  MemoryClipboard ownClipboard_;
  int serials_ = 0;
  int depth_ = 0;
  std::vector<std::unique_ptr<Form>> graveyard_;
  std::vector<std::unique_ptr<FormPeer>> retiredPeers_;
  std::uintptr_t nextHeadlessHandle_ = 0x10010;
};

}  // namespace forms
