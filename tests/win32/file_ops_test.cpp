// Replacing a file with the real Win32 calls: through a new file beside it, and over the file
// itself where the folder takes no new files, with a write cut short half way.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/file_replace.h"
#include "platform/win32/file_ops.h"
#include "platform/win32/text_convert.h"

namespace {

using win32::narrow;
using win32::widen;

// A fresh folder under the temporary folder, removed with what it holds at the end.
class Folder {
 public:
  explicit Folder(const std::wstring& name) {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + name + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~Folder() {
    for (const std::wstring& f : files()) DeleteFileW((path_ + L"\\" + f).c_str());
    RemoveDirectoryW(path_.c_str());
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  [[nodiscard]] std::string file(const char* name) const { return narrow(path_) + "\\" + name; }
  [[nodiscard]] std::string path() const { return narrow(path_); }
  [[nodiscard]] std::vector<std::wstring> files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path_ + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
      if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.emplace_back(fd.cFileName);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
  }

 private:
  std::wstring path_;
};

// The file's identity on its volume: the same while it is written over in place.
unsigned long long fileIndex(const std::string& path) {
  HANDLE h = CreateFileW(widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 0;
  BY_HANDLE_FILE_INFORMATION info{};
  GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  return (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
}

// The real operations, except that `closed` takes no new files (as the program-files folder
// for a standard user), the first overwrite of `torn`, if set, stops half way (the first half
// of the new bytes lands on the disk over the old ones, and the call fails), and a file held by
// hold() stays open, as another program may keep it, until the writer has paused that often.
class Restricted final : public win32::Win32FileOps {
 public:
  Restricted(std::string closed, std::string temp)
      : closed_(std::move(closed)), temp_(std::move(temp)) {}
  ~Restricted() override { release(); }
  Restricted(const Restricted&) = delete;
  Restricted& operator=(const Restricted&) = delete;
  std::string torn;
  std::string copy;  // the last file made in the temporary folder
  int pauses = 0;

  bool hold(const std::string& path, int pausesUntilReleased) {
    held_ = CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    releaseAfter_ = pausesUntilReleased;
    return held_ != INVALID_HANDLE_VALUE;
  }

  std::optional<std::string> createUnique(const std::string& folder) override {
    if (folder == closed_) return std::nullopt;
    auto made = Win32FileOps::createUnique(folder);
    if (made && folder == temp_) copy = *made;
    return made;
  }
  bool overwrite(const std::string& path, const std::string& bytes) override {
    if (path != torn) return Win32FileOps::overwrite(path, bytes);
    torn.clear();
    HANDLE h = CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD wrote = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size() / 2), &wrote, nullptr);
    CloseHandle(h);
    return false;
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

// Puts `bytes` at `path` as a new file, the way a save beside it does.
bool placeFile(win32::Win32FileOps& ops, const std::string& folder, const std::string& path,
               const std::string& bytes) {
  const std::optional<std::string> made = ops.createUnique(folder);
  return made && ops.overwrite(*made, bytes) && ops.moveOver(*made, path);
}

}  // namespace

TEST(FileOps, OverwriteCutsTheOldTailAndNeedsAnExistingFile) {
  Folder dir(L"tervalo-ops-");
  win32::Win32FileOps ops;
  EXPECT_FALSE(ops.overwrite(dir.file("a.txt"), "x"));
  EXPECT_EQ(ops.createUnique(dir.file("missing")), std::nullopt);
  EXPECT_TRUE(dir.files().empty()) << "nothing was created";

  const std::optional<std::string> made = ops.createUnique(dir.path());
  ASSERT_TRUE(made.has_value());
  EXPECT_EQ(ops.read(*made), "");
  ASSERT_TRUE(ops.overwrite(*made, kOld));
  ASSERT_TRUE(ops.overwrite(*made, kNew));
  EXPECT_EQ(ops.read(*made), kNew);

  const std::string temp = ops.tempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_NE(temp.back(), '\\');
  const DWORD attributes = GetFileAttributesW(widen(temp).c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES &&
              (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

TEST(FileOps, AFolderThatTakesNoNewFilesHasTheSameFileWrittenOverInPlace) {
  Folder dir(L"tervalo-closed-");
  Folder temp(L"tervalo-temp-");
  win32::Win32FileOps ops;
  const std::string path = dir.file("Tervalo3.txt");
  ASSERT_TRUE(placeFile(ops, dir.path(), path, kOld));
  const unsigned long long before = fileIndex(path);
  ASSERT_NE(before, 0U);

  Restricted files(dir.path(), temp.path());
  ASSERT_TRUE(platform::replaceFile(files, path, kNew));
  EXPECT_EQ(ops.read(path), kNew);
  EXPECT_EQ(fileIndex(path), before) << "the same file, with the same rights";
  EXPECT_EQ(dir.files().size(), 1U);
  EXPECT_FALSE(files.copy.empty()) << "a copy of the old bytes was kept";
  EXPECT_TRUE(temp.files().empty()) << "and removed once the write held";

  // Beside the file where the folder allows: a new file takes the old one's place.
  win32::Win32FileOps open;
  ASSERT_TRUE(platform::replaceFile(open, path, kOld));
  EXPECT_EQ(ops.read(path), kOld);
  EXPECT_EQ(dir.files().size(), 1U);
}

TEST(FileOps, AWriteInPlaceCutShortHalfWayLeavesTheOldBytes) {
  Folder dir(L"tervalo-torn-");
  Folder temp(L"tervalo-torntemp-");
  win32::Win32FileOps ops;
  const std::string path = dir.file("Tervalo3.txt");
  ASSERT_TRUE(placeFile(ops, dir.path(), path, kOld));

  for (const std::string& fresh : {kNew, std::string(100, 'z') + "\r\n"}) {
    SCOPED_TRACE(fresh.size());
    Restricted files(dir.path(), temp.path());
    files.torn = path;
    EXPECT_FALSE(platform::replaceFile(files, path, fresh));
    EXPECT_EQ(ops.read(path), kOld);
    EXPECT_TRUE(files.torn.empty()) << "the cut write happened";
    EXPECT_TRUE(temp.files().empty());
  }
}

// Another program holds the file open for a moment (a reader that lets others read and write
// but not replace it): the write waits for it instead of failing, in both ways of writing.
TEST(FileOps, AFileAnotherProgramHoldsOpenForAMomentIsWaitedFor) {
  Folder dir(L"tervalo-held-");
  Folder temp(L"tervalo-heldtemp-");
  const std::string path = dir.file("Tervalo3.txt");

  win32::Win32FileOps ops;
  ASSERT_TRUE(placeFile(ops, dir.path(), path, kOld));

  {
    Restricted beside("", temp.path());
    ASSERT_TRUE(beside.hold(path, 3));
    EXPECT_TRUE(platform::replaceFile(beside, path, kNew));
    EXPECT_EQ(beside.pauses, 3);
    EXPECT_EQ(ops.read(path), kNew);
    EXPECT_EQ(dir.files().size(), 1U);
  }
  {
    // Held for longer than the writer waits: the save fails and the file keeps its bytes.
    Restricted beside("", temp.path());
    ASSERT_TRUE(beside.hold(path, win32::Win32FileOps::kBusyTries + 5));
    EXPECT_FALSE(platform::replaceFile(beside, path, kOld));
    EXPECT_EQ(beside.pauses, win32::Win32FileOps::kBusyTries - 1);
    EXPECT_EQ(ops.read(path), kNew);
    EXPECT_EQ(dir.files().size(), 1U) << "the new file beside it was removed";
  }
  {
    Restricted inPlace(dir.path(), temp.path());
    ASSERT_TRUE(inPlace.hold(path, 2));
    EXPECT_TRUE(platform::replaceFile(inPlace, path, kOld));
    EXPECT_EQ(inPlace.pauses, 2);
    EXPECT_EQ(ops.read(path), kOld);
    EXPECT_TRUE(temp.files().empty());
  }
}
