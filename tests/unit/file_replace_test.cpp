// Replacing the settings file: through a new file beside it where the folder allows, over the
// file itself where it does not, and what every failure part way leaves on the disk.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "platform/file_replace.h"

namespace {

const std::string kFolder = "C:\\P";
const std::string kPath = "C:\\P\\T.txt";
const std::string kTemp = "C:\\Tmp";
using Files = std::map<std::string, std::string>;

// Files in memory that log every write and removal, joined by "; ", and fail where a test says.
class MemoryFiles final : public platform::FileOps {
 public:
  Files files;                   // path -> bytes
  std::set<std::string> closed;  // folders that refuse new files
  std::string log;
  // The n-th overwrite (from 1) of a path writes only its first `keep` bytes and fails, leaving
  // the old bytes after them: a write cut short by a full disk or a lost device.
  std::map<std::pair<std::string, int>, std::size_t> cutShort;
  bool refuseMove = false;
  bool moveLosesTarget = false;     // a failed replace that moved the old file away first
  std::set<std::string> readOnly_;  // marked read-only by the user
  bool busy = false;                // another program holds every file: nothing can be written

  std::optional<std::string> read(const std::string& path) override {
    return files.count(path) == 0 ? std::nullopt : std::optional(files[path]);
  }
  bool exists(const std::string& path) override { return files.count(path) != 0; }
  bool readOnly(const std::string& path) override { return readOnly_.count(path) != 0; }
  bool canOverwrite(const std::string& path) override { return !busy && exists(path); }
  std::optional<std::string> createUnique(const std::string& folder) override {
    if (closed.count(folder) != 0) return std::nullopt;
    const std::string path = folder + "\\new" + std::to_string(++created_);
    files[path] = "";
    return path;
  }
  bool overwrite(const std::string& path, const std::string& bytes) override {
    note("overwrite " + path + " = " + bytes);
    if (files.count(path) == 0) return false;
    const auto cut = cutShort.find({path, ++overwrites_[path]});
    std::string& old = files[path];
    if (cut == cutShort.end()) {
      old = bytes;
      return true;
    }
    old = bytes.substr(0, cut->second) + (old.size() > cut->second ? old.substr(cut->second) : "");
    return false;
  }
  bool moveOver(const std::string& source, const std::string& target) override {
    if (moveLosesTarget) files.erase(target);
    if (refuseMove || files.count(source) == 0) return false;
    files[target] = files[source];
    files.erase(source);
    return true;
  }
  bool remove(const std::string& path) override {
    note("remove " + path);
    return files.erase(path) == 1;
  }
  std::string tempFolder() override { return kTemp; }

 private:
  void note(const std::string& step) { log += (log.empty() ? "" : "; ") + step; }
  int created_ = 0;
  std::map<std::string, int> overwrites_;
};

}  // namespace

TEST(FileReplace, WhereTheFolderTakesNewFilesTheBytesGoThroughAFileBesideTheOld) {
  // Whether or not there is an old file; a failed write or move leaves it and takes the new
  // file away; a read-only file is not touched.
  const std::tuple<bool, bool, bool, bool> cases[] = {{true, false, false, false},
                                                      {false, false, false, false},
                                                      {true, true, false, false},
                                                      {true, false, true, false},
                                                      {true, false, false, true}};
  for (const auto& [exists, cutShort, refuseMove, readOnly] : cases) {
    MemoryFiles disk;
    if (exists) disk.files[kPath] = "old";
    if (cutShort) disk.cutShort[{kFolder + "\\new1", 1}] = 2;
    if (readOnly) disk.readOnly_.insert(kPath);
    disk.refuseMove = refuseMove;
    const bool replaced = !cutShort && !refuseMove && !readOnly;
    EXPECT_EQ(platform::replaceFile(disk, kPath, "new"), replaced);
    EXPECT_EQ(disk.files, (Files{{kPath, replaced ? "new" : "old"}}));
  }
  // A replace that lost the old file keeps the new bytes: they are the only settings left.
  MemoryFiles disk;
  disk.files[kPath] = "old";
  disk.refuseMove = disk.moveLosesTarget = true;
  EXPECT_FALSE(platform::replaceFile(disk, kPath, "new"));
  EXPECT_EQ(disk.files, (Files{{kFolder + "\\new1", "new"}}));
}

TEST(FileReplace, WhereTheFolderRefusesNewFilesTheFileIsWrittenOverOnlyAfterAWholeCopyIsKept) {
  MemoryFiles disk;
  disk.closed.insert(kFolder);
  disk.files[kPath] = "old";
  EXPECT_TRUE(platform::replaceFile(disk, kPath, "new"));
  EXPECT_EQ(disk.files, (Files{{kPath, "new"}}));
  // The journal holds the file's path and its old bytes while the file is written over.
  EXPECT_EQ(disk.log,
            "overwrite C:\\Tmp\\new1 = C:\\P\\T.txt\nold; overwrite C:\\P\\T.txt = new; "
            "remove C:\\Tmp\\Tervalo3.journal");

  // No file to write over, one held or refused, the temporary folder refuses the journal, or
  // writing it fails: the file is left as it was and nothing is left behind.
  for (const auto& [exists, busy, tempRefuses, copyFails] : {std::tuple{false, false, false, false},
                                                             {true, true, false, false},
                                                             {true, false, true, false},
                                                             {true, false, false, true}}) {
    MemoryFiles other;
    other.closed.insert(kFolder);
    if (exists) other.files[kPath] = "old";
    other.busy = busy;
    if (tempRefuses) other.closed.insert(kTemp);
    if (copyFails) other.cutShort[{kTemp + "\\new1", 1}] = 1;
    EXPECT_FALSE(platform::replaceFile(other, kPath, "new"));
    EXPECT_EQ(other.files, exists ? (Files{{kPath, "old"}}) : Files{});
    EXPECT_EQ(other.log.find("overwrite C:\\P"), std::string::npos) << other.log;
  }
}

TEST(FileReplace, AWriteInPlaceCutShortAnywherePutsTheOldBytesBackOrLeavesTheCopy) {
  const std::string old = "Equipo\r\nAna\r\nDocumentos\r\n";
  const std::string fresh = "Computer\r\nAna Maria\r\nDocuments and more\r\n";
  for (std::size_t keep : {std::size_t{0}, std::size_t{1}, fresh.size() / 2, fresh.size()}) {
    SCOPED_TRACE("cut after " + std::to_string(keep));
    MemoryFiles disk;
    disk.closed.insert(kFolder);
    disk.files[kPath] = old;
    disk.cutShort[{kPath, 1}] = keep;
    EXPECT_FALSE(platform::replaceFile(disk, kPath, fresh));
    EXPECT_EQ(disk.files, (Files{{kPath, old}}));
  }
  MemoryFiles disk;  // putting the old bytes back fails too: the journal stays
  disk.closed.insert(kFolder);
  disk.files[kPath] = old;
  disk.cutShort[{kPath, 1}] = 3;
  disk.cutShort[{kPath, 2}] = 5;
  EXPECT_FALSE(platform::replaceFile(disk, kPath, "new"));
  const std::string journal = kTemp + "\\Tervalo3.journal";
  EXPECT_EQ(disk.files.at(journal), kPath + "\n" + old);
  // The next start puts the old bytes back and drops the journal; a start after finds none.
  EXPECT_TRUE(platform::undoInterruptedWrite(disk));
  EXPECT_EQ(disk.files, (Files{{kPath, old}}));
  EXPECT_FALSE(platform::undoInterruptedWrite(disk));
}

TEST(FileReplace, TheFolderOfAPath) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\T.txt", "C:\\"}, {"\\\\server\\share\\T.txt", "\\\\server\\share"}, {"T.txt", "."}};
  for (const auto& [path, folder] : cases) EXPECT_EQ(platform::folderOf(path), folder) << path;
}
