#include "platform/win32/backend.h"

#include <algorithm>

#include "forms/timer.h"
#include "platform/win32/form_window.h"
#include "platform/win32/native_text.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

namespace {

constexpr wchar_t kTimerClass[] = L"TervaloTimers";

}  // namespace

Backend::Backend(HINSTANCE instance)
    : instance_(instance), dpi_(screenDpi()), measureDc_(CreateCompatibleDC(nullptr)) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = FormWindow::containerProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.hIcon = nullptr;
  wc.lpszClassName = kFrameClass;
  RegisterClassExW(&wc);

  WNDCLASSEXW tc{};
  tc.cbSize = sizeof tc;
  tc.lpfnWndProc = timerProc;
  tc.hInstance = instance;
  tc.lpszClassName = kTimerClass;
  RegisterClassExW(&tc);
  timerWindow_ =
      CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Backend::~Backend() {
  for (auto& [id, t] : timers_) KillTimer(timerWindow_, id);
  if (timerWindow_ != nullptr) DestroyWindow(timerWindow_);
}

void Backend::start(forms::Timer& timer) {
  // Inside a handler the system timer is set when the handler is done: a window built and
  // closed within one handler never sets its timers in the system.
  if (runtime_ != nullptr && runtime_->depth() > 0) {
    pending_[&timer] = true;
    return;
  }
  const UINT_PTR id = nextTimerId_++;
  timerIds_[&timer] = id;
  timers_[id] = &timer;
  SetTimer(timerWindow_, id, static_cast<UINT>(timer.interval()), nullptr);
}

void Backend::settle() {
  // One at a time: a window's work may run handlers, which settle again.
  while (!afterEvent_.empty()) {
    FormWindow* window = *afterEvent_.begin();
    afterEvent_.erase(afterEvent_.begin());
    window->eventDone();
  }
  auto pending = std::move(pending_);
  pending_.clear();
  for (auto& [timer, wanted] : pending) start(*timer);
}

void Backend::stop(forms::Timer& timer) {
  pending_.erase(&timer);
  auto it = timerIds_.find(&timer);
  if (it == timerIds_.end()) return;
  KillTimer(timerWindow_, it->second);
  timers_.erase(it->second);
  timerIds_.erase(it);
}

LRESULT CALLBACK Backend::timerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<Backend*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr) {
      auto it = self->timers_.find(static_cast<UINT_PTR>(wp));
      if (it != self->timers_.end()) it->second->fire();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void Backend::useMonitor(const platform::Monitor& monitor) {
  origin_ = {monitor.left, monitor.top};
  if (monitor.dpi > 0) dpi_ = monitor.dpi;
}

HFONT Backend::font(const forms::Font& f) {
  const auto key = std::make_tuple(f.name, f.points, f.weight, f.charset, dpi_);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(f.points * dpi_ / 72.0 + 0.5);
  lf.lfWeight = f.weight;
  lf.lfCharSet = static_cast<BYTE>(f.charset);
  lf.lfQuality = CLEARTYPE_QUALITY;
  const std::wstring name = widen(f.name);
  name.copy(lf.lfFaceName, std::min<std::size_t>(name.size(), LF_FACESIZE - 1));
  HFONT h = CreateFontIndirectW(&lf);
  fonts_.emplace(key, FontHandle(h));
  return h;
}

forms::Size Backend::measure(const forms::Font& f, std::u32string_view text) {
  const std::wstring s = drawableText(f, text);
  Select keep(measureDc_.get(), font(f));
  RECT r{0, 0, 0, 0};
  DrawTextW(measureDc_.get(), s.c_str(), static_cast<int>(s.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return {toTwips(r.right - r.left), toTwips(r.bottom - r.top)};
}

std::unique_ptr<forms::FormPeer> Backend::createPeer(forms::Form& form) {
  return std::make_unique<FormWindow>(*this, form);
}

int Backend::runMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace win32
