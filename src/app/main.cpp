// The program's entry: wires the Win32 backend and platform to the windows and runs the loop.
#include <windows.h>
// (uses what windows.h declares)
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "app/app.h"
#include "forms/runtime.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_platform.h"

namespace {

// One copy runs per user session. The first keeps a message-only window of this class; a second
// start asks it to open its bar, so that starting the program again shows where it is.
constexpr wchar_t kRunningName[] = L"Local\\Tervalo3.Running";
constexpr wchar_t kInstanceClass[] = L"Tervalo3.Instance";
constexpr UINT kOpenBar = WM_APP + 1;
// The hotkey that opens the bar from any program: Ctrl+Alt+F7. Windows reserves the shortcuts
// of the Windows key; Ctrl+Alt is AltGr on many layouts, where it types characters, but AltGr
// with a function key types none.
constexpr int kHotkeyId = 1;
constexpr UINT kHotkeyModifiers = MOD_CONTROL | MOD_ALT | MOD_NOREPEAT;
constexpr UINT kHotkeyKey = VK_F7;

LRESULT CALLBACK instanceProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kOpenBar) {
    if (auto* app = reinterpret_cast<App*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) app->openBar();
    return 0;
  }
  if (msg == WM_HOTKEY && wp == kHotkeyId) {
    if (auto* app = reinterpret_cast<App*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
      app->toggleBarFromKeyboard();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// The first copy may still be starting: its window comes within a few seconds.
void askTheFirstCopy() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (HWND first = FindWindowExW(HWND_MESSAGE, nullptr, kInstanceClass, nullptr)) {
      PostMessageW(first, kOpenBar, 0, 0);
      return;
    }
    Sleep(50);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command line*/,
                   int /*show*/) {
  // Kept to the end of the process: the system closes it then.
  // A copy started as administrator keeps its mutex from this user's copies: that refusal says
  // a copy runs too.
  CreateMutexW(nullptr, FALSE, kRunningName);
  if (const DWORD e = GetLastError(); e == ERROR_ALREADY_EXISTS || e == ERROR_ACCESS_DENIED) {
    askTheFirstCopy();
    return 0;
  }
  // COM, single-threaded: a screen reader's questions reach the bar through it, and the shell's
  // calls want it.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);

  win32::Win32Platform platform;
  win32::Backend backend(instance);
  forms::Runtime runtime(backend, backend, &backend, &platform.clipboard());
  backend.attach(runtime);
  // The windows stand where the bar chooses: the backend places them on its monitor.
  platform.onUseMonitor = [&backend](const platform::Monitor& m) { backend.useMonitor(m); };
  backend.useMonitor(platform.monitorInUse());  // the splash's, at the primary's own DPI
  // A fault in a handler ends that handler and the program goes on; a debugger hears of it.
  runtime.onFault = [](const std::string& what) {
    OutputDebugStringA(("Tervalo: a handler failed: " + what + "\n").c_str());
  };
  App app(platform, runtime);
  WNDCLASSW cls{};
  cls.lpfnWndProc = instanceProc;
  cls.hInstance = instance;
  cls.lpszClassName = kInstanceClass;
  RegisterClassW(&cls);
  HWND running = CreateWindowExW(0, kInstanceClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 instance, nullptr);
  SetWindowLongPtrW(running, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&app));
  // Where another program holds the hotkey, the bar opens from its corners alone, as before.
  RegisterHotKey(running, kHotkeyId, kHotkeyModifiers, kHotkeyKey);
  app.start();
  return win32::Backend::runMessageLoop();
}
