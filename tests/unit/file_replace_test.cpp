// Replacing the settings file: through a new file beside it where the folder allows, over the
// file itself where it does not, and what every failure part way leaves on the disk.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_replace.h"

namespace {

const std::string kFolder = "C:\\Program Files";
const std::string kPath = "C:\\Program Files\\Tervalo3.txt";
const std::string kTemp = "C:\\Users\\Ana\\AppData\\Local\\Temp";

// Files in memory that log every operation and fail where a test says.
class MemoryFiles final : public platform::FileOps {
 public:
  std::map<std::string, std::string> files;       // path -> bytes
  std::set<std::string> folders{kFolder, kTemp};  // folders that exist
  std::set<std::string> closed;                   // folders that refuse new files
  std::vector<std::string> log;

  // The `call`-th overwrite (from 1) of `path` writes only its first `keep` bytes and fails,
  // leaving the old bytes after them: a write cut short by a full disk or a lost device.
  struct Fault {
    std::string path;
    int call = 0;
    std::size_t keep = 0;
  };
  std::vector<Fault> faults;
  bool refuseMove = false;

  std::optional<std::string> read(const std::string& path) override {
    log.push_back("read " + path);
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::string> createUnique(const std::string& folder) override {
    if (folders.count(folder) == 0 || closed.count(folder) != 0) {
      log.push_back("refused new file in " + folder);
      return std::nullopt;
    }
    const std::string path = folder + "\\new" + std::to_string(++created_);
    files[path] = "";
    log.push_back("new " + path);
    return path;
  }
  bool overwrite(const std::string& path, const std::string& bytes) override {
    log.push_back("overwrite " + path + " = " + bytes);
    const auto it = files.find(path);
    if (it == files.end()) return false;
    const int call = ++overwrites_[path];
    for (const Fault& f : faults) {
      if (f.path == path && f.call == call) {
        std::string& held = it->second;
        const std::string tail = held.size() > f.keep ? held.substr(f.keep) : "";
        held = bytes.substr(0, f.keep) + tail;
        log.back() += " (failed)";
        return false;
      }
    }
    it->second = bytes;
    return true;
  }
  bool moveOver(const std::string& source, const std::string& target) override {
    log.push_back("move " + source + " over " + target);
    if (refuseMove || files.count(source) == 0) return false;
    files[target] = files[source];
    files.erase(source);
    return true;
  }
  bool remove(const std::string& path) override {
    log.push_back("remove " + path);
    return files.erase(path) == 1;
  }
  std::string tempFolder() override { return kTemp; }

 private:
  int created_ = 0;
  std::map<std::string, int> overwrites_;
};

using Log = std::vector<std::string>;
using Files = std::map<std::string, std::string>;

}  // namespace

TEST(FileReplace, AFolderThatTakesNewFilesGetsTheNewBytesThroughAFileBesideTheOld) {
  struct Case {
    const char* name;
    bool exists;
  };
  for (const Case c : {Case{"over an old file", true}, Case{"where there was none", false}}) {
    SCOPED_TRACE(c.name);
    MemoryFiles disk;
    if (c.exists) disk.files[kPath] = "old\r\n";
    EXPECT_TRUE(platform::replaceFile(disk, kPath, "new\r\n"));
    EXPECT_EQ(disk.files, (Files{{kPath, "new\r\n"}}));
    EXPECT_EQ(disk.log,
              (Log{"new C:\\Program Files\\new1", "overwrite C:\\Program Files\\new1 = new\r\n",
                   "move C:\\Program Files\\new1 over " + kPath}));
  }
}

TEST(FileReplace, AFailureBesideTheOldFileLeavesItUntouchedAndNoNewFileBehind) {
  const std::string temp = kFolder + "\\new1";
  struct Case {
    const char* name;
    bool faultInWrite;
    bool refuseMove;
    Log log;
  };
  const Case cases[] = {
      {"the write fails",
       true,
       false,
       {"new " + temp, "overwrite " + temp + " = new\r\n (failed)", "remove " + temp}},
      {"the move fails",
       false,
       true,
       {"new " + temp, "overwrite " + temp + " = new\r\n", "move " + temp + " over " + kPath,
        "remove " + temp}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFiles disk;
    disk.files[kPath] = "old\r\n";
    if (c.faultInWrite) disk.faults.push_back({temp, 1, 2});
    disk.refuseMove = c.refuseMove;
    EXPECT_FALSE(platform::replaceFile(disk, kPath, "new\r\n"));
    EXPECT_EQ(disk.files, (Files{{kPath, "old\r\n"}}));
    EXPECT_EQ(disk.log, c.log);
  }
}

TEST(FileReplace, AFolderThatRefusesNewFilesHasTheFileWrittenOverInPlaceAfterACopyIsKept) {
  struct Case {
    const char* name;
    std::string old;
    std::string fresh;
  };
  for (const Case& c :
       {Case{"shorter", "0123456789\r\n", "abc\r\n"}, Case{"longer", "abc\r\n", "0123456789\r\n"},
        Case{"from empty", "", "abc\r\n"}, Case{"to empty", "abc\r\n", ""}}) {
    SCOPED_TRACE(c.name);
    MemoryFiles disk;
    disk.closed.insert(kFolder);
    disk.files[kPath] = c.old;
    EXPECT_TRUE(platform::replaceFile(disk, kPath, c.fresh));
    EXPECT_EQ(disk.files, (Files{{kPath, c.fresh}})) << "the copy is removed once the write holds";
    // The copy holds the old bytes before the file is touched.
    EXPECT_EQ(disk.log,
              (Log{"refused new file in " + kFolder, "read " + kPath, "new " + kTemp + "\\new1",
                   "overwrite " + kTemp + "\\new1 = " + c.old,
                   "overwrite " + kPath + " = " + c.fresh, "remove " + kTemp + "\\new1"}));
  }
}

TEST(FileReplace, AWriteInPlaceCutShortAnywherePutsTheOldBytesBack) {
  const std::string old = "Equipo\r\nAna\r\nDocumentos\r\n";
  const std::string longer = "Computer\r\nAna Maria\r\nDocuments and more\r\n";
  const std::string shorter = "PC\r\n";
  for (const std::string& fresh : {longer, shorter}) {
    for (std::size_t keep :
         {std::size_t{0}, std::size_t{1}, fresh.size() / 2, fresh.size() - 1, fresh.size()}) {
      SCOPED_TRACE("new of " + std::to_string(fresh.size()) + " bytes, cut after " +
                   std::to_string(keep));
      MemoryFiles disk;
      disk.closed.insert(kFolder);
      disk.files[kPath] = old;
      disk.faults.push_back({kPath, 1, keep});
      EXPECT_FALSE(platform::replaceFile(disk, kPath, fresh));
      EXPECT_EQ(disk.files, (Files{{kPath, old}}));
      ASSERT_GE(disk.log.size(), 2U);
      EXPECT_EQ(disk.log[disk.log.size() - 2], "overwrite " + kPath + " = " + old);
      EXPECT_EQ(disk.log.back(), "remove " + kTemp + "\\new1");
    }
  }
}

TEST(FileReplace, WhenPuttingTheOldBytesBackFailsTooTheKeptCopyStays) {
  MemoryFiles disk;
  disk.closed.insert(kFolder);
  disk.files[kPath] = "old settings\r\n";
  disk.faults.push_back({kPath, 1, 3});
  disk.faults.push_back({kPath, 2, 5});
  EXPECT_FALSE(platform::replaceFile(disk, kPath, "new\r\n"));
  EXPECT_EQ(disk.files.at(kTemp + "\\new1"), "old settings\r\n");
  EXPECT_EQ(disk.log.back(), "overwrite " + kPath + " = old settings\r\n (failed)");
}

TEST(FileReplace, InPlaceTheFileIsNeverTouchedWithoutAWholeCopyOfItsOldBytes) {
  struct Case {
    const char* name;
    bool fileExists;
    bool tempRefuses;
    bool copyWriteFails;
  };
  for (const Case c : {Case{"no file to write over", false, false, false},
                       Case{"the temporary folder refuses the copy", true, true, false},
                       Case{"writing the copy fails", true, false, true}}) {
    SCOPED_TRACE(c.name);
    MemoryFiles disk;
    disk.closed.insert(kFolder);
    if (c.fileExists) disk.files[kPath] = "old\r\n";
    if (c.tempRefuses) disk.closed.insert(kTemp);
    if (c.copyWriteFails) disk.faults.push_back({kTemp + "\\new1", 1, 1});
    EXPECT_FALSE(platform::replaceFile(disk, kPath, "new\r\n"));
    EXPECT_EQ(disk.files, c.fileExists ? (Files{{kPath, "old\r\n"}}) : Files{});
    for (const std::string& step : disk.log) {
      EXPECT_NE(step.rfind("overwrite " + kPath, 0), 0U) << step;
    }
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
