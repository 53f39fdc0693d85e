// Replacing the settings file: through a new file beside it where the folder allows, over the
// file itself where it does not, and what every failure part way leaves on the disk.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_replace.h"

namespace {

const std::string kFolder = "C:\\P";
const std::string kPath = "C:\\P\\T.txt";
const std::string kTemp = "C:\\Tmp";

// Files in memory that log every operation, joined by "; ", and fail where a test says.
class MemoryFiles final : public platform::FileOps {
 public:
  std::map<std::string, std::string> files;       // path -> bytes
  std::set<std::string> folders{kFolder, kTemp};  // folders that exist
  std::set<std::string> closed;                   // folders that refuse new files
  std::string log;
  // The n-th overwrite (from 1) of a path writes only its first `keep` bytes and fails, leaving
  // the old bytes after them: a write cut short by a full disk or a lost device.
  std::map<std::pair<std::string, int>, std::size_t> cutShort;
  bool refuseMove = false;

  std::optional<std::string> read(const std::string& path) override {
    note("read " + path);
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::string> createUnique(const std::string& folder) override {
    if (folders.count(folder) == 0 || closed.count(folder) != 0) {
      note("refused " + folder);
      return std::nullopt;
    }
    const std::string path = folder + "\\new" + std::to_string(++created_);
    files[path] = "";
    note("new " + path);
    return path;
  }
  bool overwrite(const std::string& path, const std::string& bytes) override {
    note("overwrite " + path + " = " + bytes);
    const auto it = files.find(path);
    if (it == files.end()) return false;
    const auto cut = cutShort.find({path, ++overwrites_[path]});
    if (cut == cutShort.end()) {
      it->second = bytes;
      return true;
    }
    const std::size_t keep = cut->second;
    it->second = bytes.substr(0, keep) + (it->second.size() > keep ? it->second.substr(keep) : "");
    log += " (failed)";
    return false;
  }
  bool moveOver(const std::string& source, const std::string& target) override {
    note("move " + source + " over " + target);
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

using Files = std::map<std::string, std::string>;

}  // namespace

TEST(FileReplace, WhereTheFolderTakesNewFilesTheBytesGoThroughAFileBesideTheOld) {
  struct Case {
    const char* name;
    bool exists, cutShort, refuseMove, replaced;
    const char* log;
  };
  const Case cases[] = {
      {"over an old file", true, false, false, true,
       "new C:\\P\\new1; overwrite C:\\P\\new1 = new; move C:\\P\\new1 over C:\\P\\T.txt"},
      {"where there was none", false, false, false, true,
       "new C:\\P\\new1; overwrite C:\\P\\new1 = new; move C:\\P\\new1 over C:\\P\\T.txt"},
      {"the write fails", true, true, false, false,
       "new C:\\P\\new1; overwrite C:\\P\\new1 = new (failed); remove C:\\P\\new1"},
      {"the move fails", true, false, true, false,
       "new C:\\P\\new1; overwrite C:\\P\\new1 = new; move C:\\P\\new1 over C:\\P\\T.txt; "
       "remove C:\\P\\new1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFiles disk;
    if (c.exists) disk.files[kPath] = "old";
    if (c.cutShort) disk.cutShort[{kFolder + "\\new1", 1}] = 2;
    disk.refuseMove = c.refuseMove;
    EXPECT_EQ(platform::replaceFile(disk, kPath, "new"), c.replaced);
    EXPECT_EQ(disk.files, (Files{{kPath, c.replaced ? "new" : "old"}}));
    EXPECT_EQ(disk.log, c.log);
  }
}

TEST(FileReplace, AWriteInPlaceCutShortAnywherePutsTheOldBytesBackOrLeavesTheCopy) {
  const std::string old = "Equipo\r\nAna\r\nDocumentos\r\n";
  for (const std::string fresh : {"Computer\r\nAna Maria\r\nDocuments and more\r\n", "PC\r\n"}) {
    for (std::size_t keep : {std::size_t{0}, std::size_t{1}, fresh.size() / 2, fresh.size()}) {
      SCOPED_TRACE(std::to_string(fresh.size()) + " bytes cut after " + std::to_string(keep));
      MemoryFiles disk;
      disk.closed.insert(kFolder);
      disk.files[kPath] = old;
      disk.cutShort[{kPath, 1}] = keep;
      EXPECT_FALSE(platform::replaceFile(disk, kPath, fresh));
      EXPECT_EQ(disk.files, (Files{{kPath, old}}));
      EXPECT_TRUE(
          disk.log.ends_with("; overwrite C:\\P\\T.txt = " + old + "; remove C:\\Tmp\\new1"));
    }
  }
  MemoryFiles disk;  // putting the old bytes back fails too: the kept copy stays
  disk.closed.insert(kFolder);
  disk.files[kPath] = old;
  disk.cutShort[{kPath, 1}] = 3;
  disk.cutShort[{kPath, 2}] = 5;
  EXPECT_FALSE(platform::replaceFile(disk, kPath, "new"));
  EXPECT_EQ(disk.files.at(kTemp + "\\new1"), old);
  EXPECT_TRUE(disk.log.ends_with("; overwrite C:\\P\\T.txt = " + old + " (failed)"));
}

TEST(FileReplace, WhereTheFolderRefusesNewFilesTheFileIsWrittenOverOnlyAfterAWholeCopyIsKept) {
  struct Case {
    const char* name;
    bool fileExists, tempRefuses, copyWriteFails, replaced;
    const char* log;  // after the refusal and the read of the old bytes
  };
  const Case cases[] = {
      {"the copy kept", true, false, false, true,
       "; new C:\\Tmp\\new1; overwrite C:\\Tmp\\new1 = old; overwrite C:\\P\\T.txt = new; "
       "remove C:\\Tmp\\new1"},
      {"no file to write over", false, false, false, false, ""},
      {"the temporary folder refuses the copy", true, true, false, false, "; refused C:\\Tmp"},
      {"writing the copy fails", true, false, true, false,
       "; new C:\\Tmp\\new1; overwrite C:\\Tmp\\new1 = old (failed); remove C:\\Tmp\\new1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFiles disk;
    disk.closed.insert(kFolder);
    if (c.fileExists) disk.files[kPath] = "old";
    if (c.tempRefuses) disk.closed.insert(kTemp);
    if (c.copyWriteFails) disk.cutShort[{kTemp + "\\new1", 1}] = 1;
    EXPECT_EQ(platform::replaceFile(disk, kPath, "new"), c.replaced);
    EXPECT_EQ(disk.files, c.fileExists ? (Files{{kPath, c.replaced ? "new" : "old"}}) : Files{});
    EXPECT_EQ(disk.log, std::string("refused C:\\P; read C:\\P\\T.txt") + c.log);
  }
}

TEST(FileReplace, TheFolderOfAPath) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Program Files\\Tervalo3.txt", "C:\\Program Files"},
      {"C:\\Tervalo3.txt", "C:\\"},
      {"\\\\server\\share\\Tervalo3.txt", "\\\\server\\share"},
      {"D:/backup/Tervalo3.txt", "D:/backup"},
      {"\\Tervalo3.txt", "\\"},
      {"Tervalo3.txt", "."},
  };
  for (const auto& [path, folder] : cases) EXPECT_EQ(platform::folderOf(path), folder) << path;
}
