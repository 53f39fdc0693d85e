// A stand-in for a system command in a test prefix: appends the command line it was started
// with, as one UTF-8 line, to the file beside it named after it plus ".calls", and succeeds.
// Under Wine a file's rights are not enforced, so a test reads what the installer asked for.
#include <windows.h>

#include <string>

int main() {
  wchar_t self[MAX_PATH] = {};
  if (GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) return 1;
  const std::wstring line = std::wstring(GetCommandLineW()) + L"\r\n";
  std::string bytes(line.size() * 3, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                    bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  HANDLE h = CreateFileW((std::wstring(self) + L".calls").c_str(), FILE_APPEND_DATA,
                         FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD wrote = 0;
  const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(n), &wrote, nullptr);
  CloseHandle(h);
  return n > 0 && ok != FALSE && wrote == static_cast<DWORD>(n) ? 0 : 1;
}
