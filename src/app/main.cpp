// The program's entry: wires the Win32 backend and platform to the windows and runs the loop.
#include <windows.h>
// (uses what windows.h declares)
#include <commctrl.h>

#include <string>

#include "app/app.h"
#include "forms/runtime.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command line*/,
                   int /*show*/) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);

  win32::Win32Platform platform;
  win32::Backend backend(instance);
  forms::Runtime runtime(backend, backend, &backend, &platform.clipboard());
  backend.attach(runtime);
  // A fault in a handler ends that handler and the program goes on; a debugger hears of it.
  runtime.onFault = [](const std::string& what) {
    OutputDebugStringA(("Tervalo: a handler failed: " + what + "\n").c_str());
  };
  App app(platform, runtime);
  app.start();
  return win32::Backend::runMessageLoop();
}
