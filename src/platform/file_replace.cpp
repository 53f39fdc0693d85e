#include "platform/file_replace.h"

namespace platform {

namespace {

constexpr char kJournalName[] = "Tervalo3.journal";

// Creates or replaces `path` with `bytes` through a new file beside it.
bool writeNew(FileOps& files, const std::string& path, const std::string& bytes) {
  const std::optional<std::string> temp = files.createUnique(folderOf(path));
  if (!temp) return false;
  if (files.overwrite(*temp, bytes) && files.moveOver(*temp, path)) return true;
  files.remove(*temp);
  return false;
}

// Writes over the file itself, for a folder that takes no new files. Only a file that can be
// written now is touched (a refusal or a long hold leaves nothing behind). Its old bytes are
// kept in the journal first: if the process does not live to put them back, the next start
// does.
bool overwriteInPlace(FileOps& files, const std::string& path, const std::string& bytes) {
  if (!files.canOverwrite(path)) return false;
  const std::optional<std::string> old = files.read(path);
  if (!old) return false;  // missing or unreadable: nothing to write over safely
  const std::string journal = journalPath(files);
  if (!writeNew(files, journal, path + "\n" + *old)) return false;
  if (files.overwrite(path, bytes)) {
    files.remove(journal);
    return true;
  }
  // The bytes in memory are the journal's bytes, and need no read that could fail.
  if (files.overwrite(path, *old)) files.remove(journal);
  return false;
}

}  // namespace

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  if (slash == 0) return path.substr(0, 1);
  std::string folder = path.substr(0, slash);
  // "C:" alone would mean the drive's current folder, not its root.
  if (folder.back() == ':') folder += path[slash];
  return folder;
}

bool replaceFile(FileOps& files, const std::string& path, const std::string& bytes) {
  if (files.exists(path) && files.readOnly(path)) return false;
  const std::optional<std::string> temp = files.createUnique(folderOf(path));
  if (!temp) return overwriteInPlace(files, path, bytes);
  if (!files.overwrite(*temp, bytes)) {
    files.remove(*temp);
    return false;
  }
  if (files.moveOver(*temp, path)) return true;
  // A replace that failed after moving the old file away leaves the new bytes, in the file
  // beside it, as the only settings there are: they stay.
  if (files.exists(path)) files.remove(*temp);
  return false;
}

std::string journalPath(FileOps& files) { return files.tempFolder() + "\\" + kJournalName; }

bool undoInterruptedWrite(FileOps& files) {
  const std::string journal = journalPath(files);
  const std::optional<std::string> kept = files.read(journal);
  if (!kept) return false;
  const std::size_t end = kept->find('\n');
  if (end == std::string::npos || end == 0) return false;
  const std::string path = kept->substr(0, end);
  if (!files.overwrite(path, kept->substr(end + 1))) return false;
  files.remove(journal);
  return true;
}

}  // namespace platform
