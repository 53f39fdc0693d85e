// Replacing a file with the real Win32 calls: through a new file beside it, over the file itself
// where the folder takes no new files, and past another program that holds it open a moment.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_replace.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/win32_platform.h"

namespace {

using win32::narrow;
using win32::widen;

// A fresh folder under the temporary folder, removed with what it holds at the end; nested
// deeper until its path is `length` characters long when asked (past the classic limit: the
// calls here take the extended prefix).
class Folder {
 public:
  explicit Folder(const std::wstring& name, std::size_t length = 0) {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + name + std::to_wstring(GetCurrentProcessId());
    for (made_ = {path_}; path_.size() + 1 < length; made_.push_back(path_)) {
      path_ += L"\\" + std::wstring(std::min<std::size_t>(length - path_.size() - 1, 200), L'd');
    }
    for (const std::wstring& f : made_) CreateDirectoryW((kLong + f).c_str(), nullptr);
  }
  ~Folder() {
    for (const std::wstring& f : files()) DeleteFileW((kLong + path_ + L"\\" + f).c_str());
    for (auto f = made_.rbegin(); f != made_.rend(); ++f) RemoveDirectoryW((kLong + *f).c_str());
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  [[nodiscard]] std::string path() const { return narrow(path_); }
  [[nodiscard]] std::string file() const { return path() + "\\Tervalo3.txt"; }
  [[nodiscard]] std::vector<std::wstring> files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((kLong + path_ + L"\\*").c_str(), &fd);
    for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileW(h, &fd)) {
      if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(fd.cFileName);
    }
    FindClose(h);
    return names;
  }

 private:
  static constexpr wchar_t kLong[] = L"\\\\?\\";
  std::wstring path_;
  std::vector<std::wstring> made_;
};

// The file's identity on its volume: the same while it is written over in place.
unsigned long long fileIndex(const std::string& path) {
  HANDLE h = CreateFileW((L"\\\\?\\" + widen(path)).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  return (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
}

// The real operations, except that `closed` takes no new files (as the program-files folder
// for a standard user), the temporary folder is `temp`, and a file held by hold() stays open,
// as another program may keep it, until the writer has paused that often.
class Restricted final : public win32::Win32FileOps {
 public:
  Restricted(const std::string& closed, const std::string& temp) : closed_(closed), temp_(temp) {}
  ~Restricted() override { release(); }
  Restricted(const Restricted&) = delete;
  Restricted& operator=(const Restricted&) = delete;
  int pauses = 0;

  void hold(const std::string& path, int pausesUntilReleased) {
    held_ = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    releaseAfter_ = pausesUntilReleased;
  }
  std::optional<std::string> createUnique(const std::string& folder) override {
    return folder == closed_ ? std::nullopt : Win32FileOps::createUnique(folder);
  }
  std::string tempFolder() override { return temp_; }

 protected:
  void pause(int milliseconds) override {
    EXPECT_EQ(milliseconds, kBusyPauseMs);
    if (++pauses == releaseAfter_) release();
  }

 private:
  void release() {
    if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
    held_ = INVALID_HANDLE_VALUE;
  }
  std::string closed_;
  std::string temp_;
  HANDLE held_ = INVALID_HANDLE_VALUE;
  int releaseAfter_ = 0;
};

const std::string kOld = "Equipo\r\nAna\r\nDocumentos\r\nIm\xE1genes\r\n";
const std::string kNew = "Computer\r\nAna\r\n";

}  // namespace

// The real operations refuse a missing file or folder; the file is then replaced beside itself
// and, where the folder takes no new files, in place; in a folder past the classic limit on the
// length of a path.
TEST(FileOps, TheFileIsReplacedBesideOrWhereTheFolderTakesNoNewFilesInPlace) {
  Folder dir(L"tervalo-closed-", 300);
  ASSERT_EQ(dir.path().size(), 300U);
  Folder temp(L"tervalo-temp-");
  win32::Win32Platform platform;
  win32::Win32FileOps ops;
  const std::string path = dir.file();
  EXPECT_EQ(platform.readFile(path), std::nullopt);
  EXPECT_FALSE(ops.overwrite(path, "x"));
  EXPECT_EQ(ops.createUnique(dir.path() + "\\missing"), std::nullopt);
  EXPECT_TRUE(dir.files().empty()) << "nothing was created";
  const std::string systemTemp = ops.tempFolder();
  EXPECT_NE(systemTemp.back(), '\\');
  EXPECT_TRUE(ops.exists(systemTemp));

  ASSERT_TRUE(platform.writeFileReplacing(path, kNew));
  ASSERT_TRUE(platform.writeFileReplacing(path, kOld));
  EXPECT_EQ(platform.readFile(path), kOld);
  EXPECT_EQ(dir.files(), std::vector<std::wstring>{L"Tervalo3.txt"})
      << "no temporary file is left beside it";

  const unsigned long long before = fileIndex(path);
  ASSERT_NE(before, 0U);
  Restricted closed(dir.path(), temp.path());
  ASSERT_TRUE(platform::replaceFile(closed, path, kNew));
  EXPECT_EQ(platform.readFile(path), kNew) << "the old tail is cut";
  EXPECT_EQ(fileIndex(path), before) << "the same file, with the same rights";
  EXPECT_EQ(dir.files().size(), 1U);
  EXPECT_TRUE(temp.files().empty()) << "the copy of the old bytes is gone once the write held";
}

// Another program holds the file open for a moment (a reader that lets others read and write
// but not replace it): the write waits for it instead of failing, in both ways of writing, up to
// a limit.
TEST(FileOps, AFileAnotherProgramHoldsOpenForAMomentIsWaitedFor) {
  Folder dir(L"tervalo-held-");
  Folder temp(L"tervalo-heldtemp-");
  const std::string path = dir.file();
  ASSERT_TRUE(win32::Win32Platform().writeFileReplacing(path, kOld));
  constexpr int kTries = win32::Win32FileOps::kBusyTries;
  struct Case {
    bool inPlace;
    int held, pauses;
    bool replaced;
  } const cases[] = {
      {false, 3, 3, true}, {true, 2, 2, true}, {false, kTries + 5, kTries - 1, false}};
  std::string now = kOld;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.inPlace ? "in place" : "beside");
    Restricted files(c.inPlace ? dir.path() : "", temp.path());
    files.hold(path, c.held);
    const std::string bytes = kNew + std::to_string(c.held);
    EXPECT_EQ(platform::replaceFile(files, path, bytes), c.replaced);
    if (c.replaced) now = bytes;
    EXPECT_EQ(files.failure() == platform::WriteFailure::InUse, !c.replaced) << "as told the user";
    EXPECT_EQ(files.pauses, c.pauses);
    EXPECT_EQ(files.read(path), now);
  }
}
