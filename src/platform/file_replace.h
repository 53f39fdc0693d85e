// Replacing a whole file so that a failure part way leaves the old contents or the new ones,
// never a mix: on the file operations below, so that the steps and their failures are tested
// without a disk.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The operations that replacing a file is built from. Paths are UTF-8; each operation reports
// failure by its result and leaves the rest of the disk as it was.
class FileOps {
 public:
  virtual ~FileOps() = default;
  // The whole file, or nothing when it cannot be read (missing, refused).
  virtual std::optional<std::string> read(const std::string& path) = 0;
  virtual bool exists(const std::string& path) = 0;
  // The user marked it read-only to keep it as it is.
  virtual bool readOnly(const std::string& path) = 0;
  // Whether the file could be written over now (waiting a moment while another program holds
  // it), without changing it.
  virtual bool canOverwrite(const std::string& path) = 0;
  // Creates a new empty file of a name no other file has in `folder` and gives its path;
  // nothing when the folder refuses new files or does not exist.
  virtual std::optional<std::string> createUnique(const std::string& folder) = 0;
  // Writes `bytes` over an existing file from its start, cuts it after them and flushes it to
  // the disk. A failure may leave any mix of the old and the new bytes.
  virtual bool overwrite(const std::string& path, const std::string& bytes) = 0;
  // Puts `source` in the place of `target` in one step, replacing it when it exists.
  virtual bool moveOver(const std::string& source, const std::string& target) = 0;
  virtual bool remove(const std::string& path) = 0;
  // The user's folder for temporary files.
  virtual std::string tempFolder() = 0;
};

// Writes `bytes` as the whole contents of `path`; a file marked read-only is left as it is.
// Where the folder takes new files, the bytes go to a new file beside it that then takes its
// place. Where it does not (a standard user allowed to change only that one file, as in the
// program-files folder), an existing file is written over in place: its path and old bytes are
// first kept in a journal in the temporary folder, and a failure part way puts the old bytes
// back. True when `path` holds `bytes`; false when it still holds what it held before (or, if
// even restoring failed, its old bytes are still in the journal). Neither the only copy of the
// old bytes nor of the new ones is ever deleted.
bool replaceFile(FileOps& files, const std::string& path, const std::string& bytes);

// A journal left by a write in place that did not finish (the process ended part way): puts
// the old bytes back where they were and removes it. True when there was one and it was undone.
bool undoInterruptedWrite(FileOps& files);

// The journal's path: in the temporary folder, under a name of the program's.
std::string journalPath(FileOps& files);

// The folder part of a path ("C:\\Program Files" for "C:\\Program Files\\Tervalo3.txt"); "."
// for a bare file name.
std::string folderOf(const std::string& path);

}  // namespace platform
