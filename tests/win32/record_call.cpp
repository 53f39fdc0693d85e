// A stand-in for a system command in a test prefix: appends the command line it was started
// with, as one UTF-8 line, to the file beside it named after it plus ".calls", and succeeds.
// Under Wine a file's rights are not enforced, so a test reads what the installer asked for.
#include <windows.h>

#include <string>

int main() {
  wchar_t self[MAX_PATH] = {};
  if (GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) return 1;
  const std::wstring log = std::wstring(self) + L".calls";
  const std::wstring line = std::wstring(GetCommandLineW()) + L"\r\n";
  const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), n,
                      nullptr, nullptr);
  HANDLE h = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  DWORD wrote = 0;
  const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(n), &wrote, nullptr);
  CloseHandle(h);
  return ok != FALSE && wrote == static_cast<DWORD>(n) ? 0 : 1;
}
