#include "platform/win32/win32_platform.h"

#include <windows.h>
// (uses what windows.h declares)
#include <shellapi.h>
#include <shellscalingapi.h>

#include <algorithm>
#include <array>
#include <vector>

#include "platform/win32/clipboard.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/gdi.h"
#include "platform/win32/text_convert.h"

namespace win32 {

namespace {

HWND asHwnd(platform::WindowHandle h) { return reinterpret_cast<HWND>(h); }

constexpr int kTwipsPerInch = 1440;

LRESULT CALLBACK watcherProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DISPLAYCHANGE || msg == WM_DPICHANGED || msg == WM_SETTINGCHANGE) {
    if (auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
      self->readScreen();
    }
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int screenDpi() {
  WindowDc dc(nullptr);
  const int dpi = GetDeviceCaps(dc.get(), LOGPIXELSX);
  return dpi > 0 ? dpi : 96;
}

std::vector<platform::Monitor> readMonitors() {
  std::vector<platform::Monitor> all;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, RECT*, LPARAM out) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info) == FALSE) return TRUE;
        UINT dpiX = 0;
        UINT dpiY = 0;
        const bool dpiRead = SUCCEEDED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY));
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<platform::Monitor>*>(out)->push_back(
            {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right - r.left),
             static_cast<int>(r.bottom - r.top),
             dpiRead && dpiX > 0 ? static_cast<int>(dpiX) : screenDpi(),
             (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&all));
  if (all.empty()) {  // no answer: the primary screen as the system metrics tell it
    all.push_back(
        {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), screenDpi(), true});
  }
  return all;
}

Win32Platform::Win32Platform() {
  readScreen();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = watcherProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TervaloDisplayWatcher";
  RegisterClassExW(&wc);
  HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  watcher_ = w;
  clipboard_ = std::make_unique<Win32Clipboard>(w);
}

Win32Platform::~Win32Platform() {
  if (watcher_ != nullptr) {
    SetWindowLongPtrW(static_cast<HWND>(watcher_), GWLP_USERDATA, 0);
    DestroyWindow(static_cast<HWND>(watcher_));
  }
}

void Win32Platform::readScreen() {
  monitors_ = readMonitors();
  monitorsRead_ = GetTickCount64();
}

const std::vector<platform::Monitor>& Win32Platform::monitors() {
  constexpr unsigned long long kFreshForMs = 500;
  if (GetTickCount64() - monitorsRead_ >= kFreshForMs) readScreen();
  return monitors_;
}

void Win32Platform::useMonitor(const platform::Monitor& monitor) {
  used_ = monitor;
  if (onUseMonitor) onUseMonitor(monitor);
}

platform::Monitor Win32Platform::monitorInUse() {
  return used_ ? *used_ : platform::primaryOf(monitors_);
}

platform::PointerPos Win32Platform::pointer() {
  POINT p{0, 0};
  GetCursorPos(&p);
  const platform::Monitor m = monitorInUse();
  return {static_cast<int>(p.x) - m.left, static_cast<int>(p.y) - m.top};
}

bool Win32Platform::readLeftButton() { return GetAsyncKeyState(VK_LBUTTON) != 0; }

int Win32Platform::screenWidthTwips() {
  const platform::Monitor m = monitorInUse();
  return MulDiv(m.width, kTwipsPerInch, m.dpi);
}

int Win32Platform::screenHeightTwips() {
  const platform::Monitor m = monitorInUse();
  return MulDiv(m.height, kTwipsPerInch, m.dpi);
}

double Win32Platform::twipsPerPixel() {
  return static_cast<double>(kTwipsPerInch) / monitorInUse().dpi;
}

void Win32Platform::makeTopmost(platform::WindowHandle window) {
  // Above every window that is not topmost, without taking the keyboard from the user's window.
  SetWindowPos(asHwnd(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

bool Win32Platform::setLayeredAlpha(platform::WindowHandle window, std::uint8_t alpha) {
  HWND hwnd = asHwnd(window);
  const LONG style = GetWindowLongA(hwnd, GWL_EXSTYLE);
  SetWindowLongA(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
  return SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA) != FALSE;
}

namespace {

// The keys an open bar answers.
constexpr std::array<UINT, 7> kBarKeys = {VK_UP,     VK_DOWN,  VK_HOME,  VK_END,
                                          VK_RETURN, VK_SPACE, VK_ESCAPE};
constexpr int kBarKeyIds = 0xB000;

}  // namespace

void Win32Platform::takeKeys(platform::WindowHandle window) {
  // Hotkeys of their own while the bar is open: they reach it from whatever window has the
  // keyboard, which keeps it. (Activating the bar instead would make it a window the window
  // manager handles under Wine, and every later show and hide of it would wait on that.)
  releaseKeys();
  keysTo_ = window;
  for (const UINT vk : kBarKeys) {
    RegisterHotKey(reinterpret_cast<HWND>(window), kBarKeyIds + static_cast<int>(vk), 0, vk);
  }
}

void Win32Platform::releaseKeys() {
  if (keysTo_ == 0) return;
  for (const UINT vk : kBarKeys) {
    UnregisterHotKey(reinterpret_cast<HWND>(keysTo_), kBarKeyIds + static_cast<int>(vk));
  }
  keysTo_ = 0;
}

void Win32Platform::shellOpen(platform::WindowHandle owner, const std::string& path) {
  ShellExecuteW(asHwnd(owner), nullptr, widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Platform::showAboutBox(platform::WindowHandle owner, const std::string& title,
                                 const std::string& text) {
  ShellAboutW(asHwnd(owner), widen(title).c_str(), widen(text).c_str(),
              LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
}

std::optional<std::string> Win32Platform::logonName() {
  char buffer[260] = {};
  DWORD size = sizeof buffer;
  if (GetUserNameA(buffer, &size) == FALSE) return std::nullopt;
  return fromAnsi(std::string(buffer));
}

platform::OsVersion Win32Platform::version() {
  // The manifest declares Windows 10 and 11, so the answer is the true version.
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(&info) == FALSE) return {};
#pragma GCC diagnostic pop
  return {static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion)};
}

platform::OsVersion Win32Platform::programVersion() {
  wchar_t path[MAX_PATH] = {};
  if (GetModuleFileNameW(nullptr, path, MAX_PATH) == 0) return {};
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return {};
  std::vector<unsigned char> data(size);
  if (GetFileVersionInfoW(path, 0, size, data.data()) == FALSE) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) == FALSE ||
      info == nullptr || length < sizeof *info) {
    return {};
  }
  return {static_cast<int>(HIWORD(info->dwFileVersionMS)),
          static_cast<int>(LOWORD(info->dwFileVersionMS))};
}

std::optional<std::string> Win32Platform::localeInfo(int item) {
  char buffer[256] = {};
  const int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, static_cast<LCTYPE>(item), buffer, 256);
  if (n <= 0) return std::nullopt;
  return fromAnsi(std::string(buffer, static_cast<std::size_t>(n - 1)));
}

platform::PowerStatus Win32Platform::powerStatus() {
  constexpr unsigned long long kFreshForMs = 500;
  const unsigned long long now = GetTickCount64();
  if (powerRead_ != 0 && now - powerRead_ < kFreshForMs) return power_;
  SYSTEM_POWER_STATUS s{};
  power_ = GetSystemPowerStatus(&s) != FALSE
               ? platform::PowerStatus{s.BatteryLifePercent, s.ACLineStatus}
               : platform::PowerStatus{};
  powerRead_ = now;
  return power_;
}

bool Win32Platform::fontInstalled(const std::string& family) {
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  const std::wstring name = widen(family);
  if (name.empty() || name.size() >= LF_FACESIZE) return false;
  name.copy(lf.lfFaceName, name.size());
  bool found = false;
  WindowDc dc(nullptr);
  EnumFontFamiliesExW(
      dc.get(), &lf,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM flag) -> int {
        *reinterpret_cast<bool*>(flag) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

platform::LocalTime Win32Platform::now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wDayOfWeek};
}

std::string Win32Platform::mediumTime() {
  wchar_t buffer[128] = {};
  const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, L"hh:mm tt", buffer, 128);
  return n > 0 ? narrow(buffer, n - 1) : std::string();
}

std::string Win32Platform::longDate() {
  wchar_t buffer[256] = {};
  const int n = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, buffer,
                                256, nullptr);
  return n > 0 ? narrow(buffer, n - 1) : std::string();
}

forms::Clipboard& Win32Platform::clipboard() { return *clipboard_; }

std::string Win32Platform::clipboardText() { return clipboard_->text(); }

void Win32Platform::setClipboardText(const std::string& text) { clipboard_->setText(text); }

void Win32Platform::showMessageBox(const std::string& text, const std::string& title,
                                   platform::MessageIcon icon) {
  UINT flags = MB_OK | MB_TOPMOST | MB_SETFOREGROUND;
  switch (icon) {
    case platform::MessageIcon::Critical:
      flags |= MB_ICONERROR;
      break;
    case platform::MessageIcon::Warning:
      flags |= MB_ICONWARNING;
      break;
    case platform::MessageIcon::Information:
      flags |= MB_ICONINFORMATION;
      break;
  }
  // Owned by the window the user works in (the configuration window, itself topmost), so the
  // box stays above it and keeps it from being used until the box is closed.
  MessageBoxW(GetActiveWindow(), widen(text).c_str(), widen(title).c_str(), flags);
}

std::optional<std::string> Win32Platform::readFile(const std::string& path) {
  return Win32FileOps().read(path);
}

void Win32Platform::undoInterruptedWrite() {
  Win32FileOps files;
  platform::undoInterruptedWrite(files);
}

bool Win32Platform::writeFileReplacing(const std::string& path, const std::string& bytes) {
  Win32FileOps files;
  if (platform::replaceFile(files, path, bytes)) return true;
  writeFailure_ = files.failure();
  return false;
}

std::optional<std::string> Win32Platform::toAnsi(const std::string& utf8) {
  return toCodePage(utf8, CP_ACP);
}

std::string Win32Platform::fromAnsi(const std::string& ansi) {
  // Every code page writes the ASCII characters as ASCII does.
  const bool ascii = std::all_of(ansi.begin(), ansi.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? ansi : fromCodePage(ansi, CP_ACP);
}

void Win32Platform::exitProgram() { ExitProcess(0); }

}  // namespace win32
