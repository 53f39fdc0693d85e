// The bar's settings load with the real Win32 backend: the bar is built and shown as at start,
// then eLoad reads settings files of 36, 10 000 and 100 000 lines (the lines after the 36th are
// read into the bar's reading buffer and never used). Prints the median time of each and the
// ratio of the last two: a load that grows linearly with the file gives about 10.
#include <windows.h>
// (uses what windows.h declares)
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "bar/side_bar.h"
#include "core/settings_file.h"
#include "forms/runtime.h"
#include "platform/win32/backend.h"
#include "platform/win32/win32_platform.h"

namespace {

// Runs what the loads left for the message loop (repaints), outside the timing.
void pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The 36 settings the store holds, then numbered lines up to `lines`.
std::string settingsFile(const core::Settings& settings, int lines) {
  std::string text = core::settingsText(settings);
  for (int i = core::kSettingCount; i < lines; ++i) text += "line " + std::to_string(i) + "\r\n";
  return text;
}

// The median of up to `runs` loads, one event each as at start; a size whose loads pass 10 s
// in all stops repeating.
double medianLoadMs(App& app, int runs) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> ms;
  const Clock::time_point begin = Clock::now();
  while (static_cast<int>(ms.size()) < runs && Clock::now() - begin < std::chrono::seconds(10)) {
    const Clock::time_point start = Clock::now();
    app.runtime().dispatch([&app] { app.side().eLoad(); });
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    pump();
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  win32::Backend backend(GetModuleHandleW(nullptr));
  forms::Runtime runtime(backend, backend, &backend);
  backend.attach(runtime);
  win32::Win32Platform platform;
  App app(platform, runtime);

  // What the splash leaves behind, with no settings file yet (a previous run's is removed).
  app.state().languageName = "ENGLISH";
  app.state().osMajorVersion = 10;
  const std::string path = core::settingsPath(app.state());
  DeleteFileA(path.c_str());
  frmSide& bar = app.side();
  bar.show();
  // The pointer is not watched: nothing but the loads runs.
  bar.tmrMouse.setEnabled(false);
  bar.tmrWait.setEnabled(false);
  pump();

  struct Size {
    int lines;
    int runs;
  };
  std::vector<double> medians;
  for (const Size size : {Size{36, 51}, Size{10000, 7}, Size{100000, 5}}) {
    if (!platform.writeFileReplacing(
            path, platform.toAnsi(settingsFile(app.settings(), size.lines)).value())) {
      std::printf("settings load: cannot write %s\n", path.c_str());
      return 1;
    }
    medians.push_back(medianLoadMs(app, size.runs));
    std::printf("settings load, %d lines: %.2f ms\n", size.lines, medians.back());
    std::fflush(stdout);
  }
  std::printf("settings load ratio 100000/10000 lines: %.2f (linear: about 10, target under 15)\n",
              medians[2] / medians[1]);
  DeleteFileA(path.c_str());
  return 0;
}
