#include "platform/win32/file_ops.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform/win32/gdi.h"
#include "platform/win32/text_convert.h"

namespace win32 {

namespace {

// The errors of a file that another program has open without letting others change it.
bool inUse(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// The path as the file calls take it: one too long for the classic limit gets the extended
// prefix (the program declares itself long-path aware, but Windows honours that only where the
// user's policy allows it).
std::wstring filePath(const std::string& path) {
  std::wstring wide = widen(path);
  if (wide.size() < MAX_PATH - 14 || wide.starts_with(L"\\\\?\\")) return wide;
  std::replace(wide.begin(), wide.end(), L'/', L'\\');
  if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
  if (wide.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

}  // namespace

void Win32FileOps::pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

template <typename Step>
bool Win32FileOps::whileInUse(int tries, Step step) {
  for (int attempt = 1;; ++attempt) {
    if (step()) return true;
    if (attempt == tries || !inUse(GetLastError())) return false;
    pause(kBusyPauseMs);
  }
}

std::optional<std::string> Win32FileOps::read(const std::string& path) {
  const std::wstring wide = filePath(path);
  std::optional<std::string> bytes;
  // A file another program has open for writing (an editor, a sync tool) is read all the same;
  // one that it lets nobody read is waited for, longer than a write waits.
  whileInUse(kReadBusyTries, [&] {
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const FileHandle file(h);
    std::string got;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) != FALSE && size.QuadPart > 0 &&
        size.QuadPart < (1LL << 30)) {
      got.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    char buffer[4096];
    for (DWORD n = 0;; got.append(buffer, n)) {
      if (ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr) == FALSE) return false;
      if (n == 0) break;
    }
    bytes = std::move(got);
    return true;
  });
  return bytes;
}

bool Win32FileOps::exists(const std::string& path) {
  return GetFileAttributesW(filePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileOps::readOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(filePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool Win32FileOps::noted(bool ok) {
  if (!ok) lastError_ = GetLastError();
  return ok;
}

platform::WriteFailure Win32FileOps::failure() const {
  if (inUse(lastError_) || lastError_ == ERROR_USER_MAPPED_FILE) {
    return platform::WriteFailure::InUse;
  }
  if (lastError_ == ERROR_DISK_FULL || lastError_ == ERROR_HANDLE_DISK_FULL) {
    return platform::WriteFailure::DiskFull;
  }
  return platform::WriteFailure::Other;
}

bool Win32FileOps::canOverwrite(const std::string& path) {
  const std::wstring wide = filePath(path);
  return noted(whileInUse(kBusyTries, [&] {
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
  }));
}

std::optional<std::string> Win32FileOps::createUnique(const std::string& folder) {
  // Named as the system names temporary files, in a folder of any length.
  static unsigned next = GetTickCount();
  const std::string prefix = folder + (folder.ends_with('\\') ? "tvl" : "\\tvl");
  for (int attempt = 0; attempt < 0x10000; ++attempt) {
    char name[16];
    std::snprintf(name, sizeof name, "%04X.tmp", ++next & 0xFFFFU);
    const std::string path = prefix + name;
    HANDLE h = CreateFileW(filePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      CloseHandle(h);
      return path;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  noted(false);
  return std::nullopt;
}

bool Win32FileOps::overwrite(const std::string& path, const std::string& bytes) {
  return noted(writeOver(path, bytes));
}

bool Win32FileOps::writeOver(const std::string& path, const std::string& bytes) {
  // Opened as it is, not truncated: the bytes go over the old ones and the end is cut after
  // them, which needs only the right to write this one file.
  const std::wstring wide = filePath(path);
  HANDLE h = INVALID_HANDLE_VALUE;
  const bool opened = whileInUse(kBusyTries, [&] {
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
  const std::wstring from = filePath(source);
  const std::wstring to = filePath(target);
  // ReplaceFileW keeps the old file's rights and attributes: a file that every user may write
  // stays so after an administrator saves.
  return noted(whileInUse(kBusyTries, [&] {
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
  }));
}

bool Win32FileOps::remove(const std::string& path) {
  return DeleteFileW(filePath(path).c_str()) != FALSE;
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
