// The Win32 forms backend: the window classes, timers from SetTimer, text metrics and fonts from
// GDI, the message loop, and a FormWindow peer for every form.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "forms/runtime.h"
#include "platform/services.h"
#include "platform/win32/gdi.h"

namespace win32 {

// The classes of the windows a form is made of: the top-level window and a frame's window.
inline constexpr wchar_t kFormClass[] = L"TervaloForm";
inline constexpr wchar_t kFrameClass[] = L"TervaloFrame";

class FormWindow;

class Backend final : public forms::TimerService,
                      public forms::TextMetrics,
                      public forms::PeerFactory {
 public:
  explicit Backend(HINSTANCE instance);
  ~Backend() override;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  // The runtime whose events the native windows deliver.
  void attach(forms::Runtime& runtime) { runtime_ = &runtime; }
  [[nodiscard]] forms::Runtime& runtime() const { return *runtime_; }

  void start(forms::Timer& timer) override;
  void stop(forms::Timer& timer) override;
  void settle() override;
  forms::Size measure(const forms::Font& font, std::u32string_view text) override;
  std::unique_ptr<forms::FormPeer> createPeer(forms::Form& form) override;

  [[nodiscard]] HINSTANCE instance() const { return instance_; }
  [[nodiscard]] int toPx(int twips) const { return MulDiv(twips, dpi_, 1440); }
  [[nodiscard]] int toTwips(int px) const { return MulDiv(px, 1440, dpi_); }
  [[nodiscard]] RECT pxRect(const forms::Rect& r) const {
    return {toPx(r.left), toPx(r.top), toPx(r.left + r.width), toPx(r.top + r.height)};
  }
  // The corner of the monitor the windows stand on, in pixels of the virtual screen.
  [[nodiscard]] POINT origin() const { return origin_; }
  // The monitor new windows stand on from now on: they are placed from its top-left corner and
  // drawn at its DPI. Until then, the primary monitor at the screen's DPI.
  void useMonitor(const platform::Monitor& monitor);
  // Fonts are made once per distinct font and kept for the life of the program.
  HFONT font(const forms::Font& font);

  // Runs the message loop until WM_QUIT.
  static int runMessageLoop();

  // A form window with work for when no handler runs any more (FormWindow::eventDone).
  void afterEvent(FormWindow& window) { afterEvent_.insert(&window); }
  void forget(FormWindow& window) { afterEvent_.erase(&window); }

 private:
  static LRESULT CALLBACK timerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HINSTANCE instance_;
  forms::Runtime* runtime_ = nullptr;
  int dpi_;
  POINT origin_{0, 0};
  HWND timerWindow_ = nullptr;
  std::unordered_map<UINT_PTR, forms::Timer*> timers_;
  std::unordered_map<forms::Timer*, UINT_PTR> timerIds_;
  std::unordered_map<forms::Timer*, bool> pending_;  // started while a handler ran, not yet set
  UINT_PTR nextTimerId_ = 1;
  // By font and DPI: a window made before the monitor changed keeps drawing with its fonts.
  std::map<std::tuple<std::string, double, int, int, int>, FontHandle> fonts_;
  MemoryDc measureDc_;
  std::unordered_set<FormWindow*> afterEvent_;
};

}  // namespace win32
