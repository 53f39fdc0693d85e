#include "program.h"

#include "platform/win32/file_ops.h"
#include "platform/win32/win32_platform.h"
#include "screen.h"
#include "wait.h"

namespace wintest {

namespace {

void sendKey(WORD vk, wchar_t unicode, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = unicode;
  in.ki.dwFlags = (unicode != 0 ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &in, sizeof in);
}

}  // namespace

Program::Program() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring cmd(self);
  cmd = L"\"" + cmd.substr(0, cmd.find_last_of(L'\\') + 1) + L"Tervalo.exe\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
}

Program::~Program() {
  TerminateProcess(pi_.hProcess, 1);
  WaitForSingleObject(pi_.hProcess, 5000);
  CloseHandle(pi_.hThread);
  CloseHandle(pi_.hProcess);
}

DWORD Program::exitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code;
}

HWND Program::window(const std::function<bool(const RECT&)>& test) const {
  for (HWND w : topLevelWindows([pid = pi_.dwProcessId](HWND h) {
         DWORD owner = 0;
         GetWindowThreadProcessId(h, &owner);
         return owner == pid && IsWindowVisible(h);
       })) {
    RECT r;
    if (GetWindowRect(w, &r) && test(r)) return w;
  }
  return nullptr;
}

int px(int twips) { return MulDiv(twips, win32::screenDpi(), 1440); }

BYTE alphaOf(HWND w) {
  BYTE alpha = 0;
  return GetLayeredWindowAttributes(w, nullptr, &alpha, nullptr) ? alpha : 0;
}

HWND findBar(const Program& program, int monitorHeight) {
  const int barHeight = monitorHeight + px(600);
  return program.window([&](const RECT& r) { return r.bottom - r.top == barHeight; });
}

HWND openBar(const Program& program, bool left) {
  HWND bar = nullptr;
  if (!waitFor([&] { return (bar = findBar(program)) != nullptr; }, 20000)) return nullptr;
  const int x = left ? 0 : GetSystemMetrics(SM_CXSCREEN) - 1;
  moveCursor(x, 0);
  const bool open = waitWithPointerAt(
      x, 0,
      [&] {
        RECT r;
        return IsWindowVisible(bar) && GetWindowRect(bar, &r) && r.right - r.left == px(1590) &&
               alphaOf(bar) == 255;
      },
      5000);
  return open ? bar : nullptr;
}

void moveCursor(int x, int y) {
  SetCursorPos(x, y);
  waitWithPointerAt(
      x, y,
      [&] {
        POINT p;
        return GetCursorPos(&p) && p.x == x && p.y == y;
      },
      2000);
}

bool waitWithPointerAt(int x, int y, const std::function<bool()>& condition, int timeoutMs) {
  return waitFor(
      [&] {
        POINT p;
        if (GetCursorPos(&p) && (p.x != x || p.y != y)) SetCursorPos(x, y);
        return condition();
      },
      timeoutMs);
}

void clickAt(int x, int y, DWORD down, DWORD up) {
  moveCursor(x, y);
  INPUT in[2] = {};
  in[0].type = INPUT_MOUSE;
  in[0].mi.dwFlags = down;
  in[1].type = INPUT_MOUSE;
  in[1].mi.dwFlags = up;
  SendInput(2, in, sizeof(INPUT));
}

bool clickUntil(POINT p, const std::function<bool()>& done) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    clickAt(p.x, p.y);
    if (waitFor(done)) return true;
  }
  return false;
}

void pressKeys(std::initializer_list<WORD> keys) {
  for (WORD k : keys) sendKey(k, 0, false);
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) sendKey(*it, 0, true);
  pumpMessages();
}

void typeText(const std::wstring& text) {
  for (wchar_t c : text) {
    sendKey(0, c, false);
    sendKey(0, c, true);
  }
  pumpMessages();
}

HWND childAt(HWND top, const wchar_t* cls, int x, int y) {
  RECT t;
  GetWindowRect(top, &t);
  HWND h = WindowFromPoint({t.left + x, t.top + y});
  return IsChild(top, h) && _wcsicmp(classOf(h).c_str(), cls) == 0 ? h : nullptr;
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::wstring windowText(HWND h) {
  wchar_t text[256] = {};
  SendMessageW(h, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
  return text;
}

SettingsFile::SettingsFile(const char* side, const char* glass) {
  std::string text = "Alpha\r\nBeta\r\nGamma\r\nDelta\r\nEps\r\nZeta\r\nEta\r\nC:\\\r\n";
  for (char c = 'b'; c <= 'g'; ++c) text += std::string("C:\\") + c + "\r\n";
  for (int i = 0; i < 7; ++i) text += "16777215\r\n";
  text += std::string("12081179\r\n") + side + "\r\n";
  for (int i = 0; i < 7; ++i) text += "\xCC\r\n";
  text += std::string("4\r\n") + glass + "\r\n0\r\n0\r\n0\r\nWebdings\r\n";
  ok_ = win32::Win32Platform().writeFileReplacing(kSettingsPath, text);
}

SettingsFile::~SettingsFile() { DeleteFileA(kSettingsPath); }

std::vector<std::string> readSettingsLines() {
  // Read as a polite reader: the program may replace the file meanwhile.
  const std::string bytes = win32::Win32FileOps().read(kSettingsPath).value_or("");
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = 0; (end = bytes.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

}  // namespace wintest
