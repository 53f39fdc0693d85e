#include "program.h"

#include <cstring>

#include "platform/win32/win32_platform.h"
#include "screen.h"
#include "wait.h"

namespace wintest {

namespace {

constexpr wchar_t kSettingsPath[] = L"C:\\Program Files\\Tervalo3.txt";

std::wstring programPath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"Tervalo.exe";
}

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
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring cmd = L"\"" + programPath() + L"\"";
  started_ = CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                            &pi_) != FALSE;
}

Program::~Program() {
  if (!started_) return;
  if (running()) TerminateProcess(pi_.hProcess, 1);
  WaitForSingleObject(pi_.hProcess, 5000);
  CloseHandle(pi_.hThread);
  CloseHandle(pi_.hProcess);
}

bool Program::running() const { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD Program::exitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code;
}

std::vector<HWND> Program::windows() const {
  return topLevelWindows([pid = pi_.dwProcessId](HWND h) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    return owner == pid && IsWindowVisible(h);
  });
}

HWND Program::windowOfSize(int w, int h) const {
  return firstWithRect(
      windows(), [&](const RECT& r) { return r.right - r.left == w && r.bottom - r.top == h; });
}

int win32ScreenDpi() { return win32::screenDpi(); }
int px(int twips) { return MulDiv(twips, win32::screenDpi(), 1440); }

HWND findBar(const Program& program) {
  const int barHeight = GetSystemMetrics(SM_CYSCREEN) + px(600);
  return firstWithRect(program.windows(),
                       [&](const RECT& r) { return r.bottom - r.top == barHeight; });
}

HWND dialogOf(const Program& program) {
  for (HWND h : program.windows()) {
    wchar_t cls[32] = {};
    GetClassNameW(h, cls, 32);
    if (std::wstring(cls) == L"#32770") return h;
  }
  return nullptr;
}

BYTE alphaOf(HWND w) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(w, nullptr, &alpha, &flags)) return 0;
  return alpha;
}

void moveCursor(int x, int y) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    SetCursorPos(x, y);
    if (waitFor(
            [&] {
              POINT p;
              return GetCursorPos(&p) && p.x == x && p.y == y;
            },
            100)) {
      return;
    }
  }
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

void pressKeys(std::initializer_list<WORD> keys) {
  for (WORD k : keys) sendKey(k, 0, false);
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) sendKey(*it, 0, true);
  pumpMessages();
}

void typeText(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c == L'\r') {
      pressKeys({VK_RETURN});
      continue;
    }
    sendKey(0, c, false);
    sendKey(0, c, true);
  }
  pumpMessages();
}

bool setClipboardText(const std::wstring& text) {
  // The clipboard wants an owner window for its new data.
  HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  bool ok = false;
  if (OpenClipboard(owner) != FALSE) {
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (mem != nullptr) {
      std::memcpy(GlobalLock(mem), text.c_str(), bytes);
      GlobalUnlock(mem);
      ok = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
      if (!ok) GlobalFree(mem);
    }
    CloseClipboard();
  }
  DestroyWindow(owner);
  return ok;
}

HWND childAt(HWND top, const wchar_t* cls, int x, int y) {
  RECT t;
  GetWindowRect(top, &t);
  struct Search {
    const wchar_t* cls;
    POINT at;
    HWND found;
  } search{cls, {t.left + x, t.top + y}, nullptr};
  EnumChildWindows(
      top,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t name[32] = {};
        GetClassNameW(h, name, 32);
        RECT r;
        GetWindowRect(h, &r);
        if (_wcsicmp(name, s->cls) == 0 && IsWindowVisible(h) && PtInRect(&r, s->at)) {
          s->found = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) == FALSE) return nullptr;
  return info.hwndFocus;
}

std::wstring windowText(HWND h) {
  if (h == nullptr) return {};
  const auto n = static_cast<int>(SendMessageW(h, WM_GETTEXTLENGTH, 0, 0));
  std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
  SendMessageW(h, WM_GETTEXT, static_cast<WPARAM>(n + 1), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<std::size_t>(n));
  return s;
}

void chooseInCombo(HWND combo, int index) {
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

SettingsFile::SettingsFile(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  HANDLE h = CreateFileW(kSettingsPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD wrote = 0;
  ok_ = h != INVALID_HANDLE_VALUE &&
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr) != FALSE;
  if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
}

SettingsFile::~SettingsFile() { DeleteFileW(kSettingsPath); }

std::string readFileBytes(const std::wstring& path) {
  // Read as a polite reader: the program may replace the file meanwhile.
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) != FALSE && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(h);
  return bytes;
}

std::vector<std::string> readSettingsLines() {
  const std::string bytes = readFileBytes(kSettingsPath);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", start)) {
    lines.push_back(bytes.substr(start, p - start));
    start = p + 2;
  }
  return lines;
}

}  // namespace wintest
