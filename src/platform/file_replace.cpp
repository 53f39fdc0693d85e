#include "platform/file_replace.h"

namespace platform {

namespace {

// Writes over the file itself, for a folder that takes no new files. Its old bytes are kept in
// the temporary folder first: if the process does not live to put them back, or putting them
// back fails, they are still there.
bool overwriteInPlace(FileOps& files, const std::string& path, const std::string& bytes) {
  const std::optional<std::string> old = files.read(path);
  if (!old) return false;  // missing or unreadable: nothing to write over safely
  const std::optional<std::string> copy = files.createUnique(files.tempFolder());
  if (!copy) return false;
  if (!files.overwrite(*copy, *old)) {
    files.remove(*copy);
    return false;
  }
  if (files.overwrite(path, bytes)) {
    files.remove(*copy);
    return true;
  }
  // The bytes in memory are the kept copy's bytes, and need no read that could fail.
  if (files.overwrite(path, *old)) files.remove(*copy);
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
  const std::optional<std::string> temp = files.createUnique(folderOf(path));
  if (!temp) return overwriteInPlace(files, path, bytes);
  if (files.overwrite(*temp, bytes) && files.moveOver(*temp, path)) return true;
  files.remove(*temp);
  return false;
}

}  // namespace platform
