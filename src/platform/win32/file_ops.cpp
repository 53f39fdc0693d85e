#include "platform/win32/file_ops.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/gdi.h"
#include "platform/win32/text_convert.h"

namespace win32 {

namespace {

// The errors of a file that another program has open without letting others change it.
bool inUse(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

}  // namespace

void Win32FileOps::pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

template <typename Step>
bool Win32FileOps::whileInUse(Step step) {
  for (int attempt = 1;; ++attempt) {
    if (step()) return true;
    if (attempt == kBusyTries || !inUse(GetLastError())) return false;
    pause(kBusyPauseMs);
  }
}

std::optional<std::string> Win32FileOps::read(const std::string& path) {
  HANDLE h = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  const FileHandle file(h);
  std::string bytes;
  char buffer[4096];
  for (;;) {
    DWORD got = 0;
    if (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) == FALSE) return std::nullopt;
    if (got == 0) return bytes;
    bytes.append(buffer, got);
  }
}

std::optional<std::string> Win32FileOps::createUnique(const std::string& folder) {
  wchar_t path[MAX_PATH + 1] = {};
  if (GetTempFileNameW(widen(folder).c_str(), L"tvl", 0, path) == 0) return std::nullopt;
  return narrow(std::wstring(path));
}

bool Win32FileOps::overwrite(const std::string& path, const std::string& bytes) {
  // Opened as it is, not truncated: the bytes go over the old ones and the end is cut after
  // them, which needs only the right to write this one file.
  const std::wstring wide = widen(path);
  HANDLE h = INVALID_HANDLE_VALUE;
  const bool opened = whileInUse([&] {
    h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                    nullptr);
    return h != INVALID_HANDLE_VALUE;
  });
  if (!opened) return false;
  const FileHandle file(h);
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD wrote = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 20));
    if (WriteFile(file.get(), bytes.data() + done, chunk, &wrote, nullptr) == FALSE || wrote == 0) {
      return false;
    }
    done += wrote;
  }
  return SetEndOfFile(file.get()) != FALSE && FlushFileBuffers(file.get()) != FALSE;
}

bool Win32FileOps::moveOver(const std::string& source, const std::string& target) {
  const std::wstring from = widen(source);
  const std::wstring to = widen(target);
  // ReplaceFileW keeps the old file's rights and attributes: a file that every user may write
  // stays so after an administrator saves.
  return whileInUse([&] {
    if (GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
      // Replacing a file that another program has open fails, and may leave a stray backup
      // beside it: first see whether it could be removed now.
      HANDLE probe =
          CreateFileW(to.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (probe == INVALID_HANDLE_VALUE) return false;
      CloseHandle(probe);
      if (ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                       nullptr) != FALSE) {
        return true;
      }
    }
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  });
}

bool Win32FileOps::remove(const std::string& path) {
  return DeleteFileW(widen(path).c_str()) != FALSE;
}

std::string Win32FileOps::tempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 1, path);
  if (n == 0 || n > MAX_PATH) return ".";
  std::wstring folder(path, n);
  // "C:\Temp\" -> "C:\Temp", but a drive's root keeps its backslash.
  if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
  return narrow(folder);
}

}  // namespace win32
