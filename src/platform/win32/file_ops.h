// The file operations that replacing a file is built from, with the real Win32 calls.
#pragma once

#include "platform/file_replace.h"

namespace win32 {

class Win32FileOps : public platform::FileOps {
 public:
  std::optional<std::string> read(const std::string& path) override;
  std::optional<std::string> createUnique(const std::string& folder) override;
  bool overwrite(const std::string& path, const std::string& bytes) override;
  bool moveOver(const std::string& source, const std::string& target) override;
  bool remove(const std::string& path) override;
  std::string tempFolder() override;
};

}  // namespace win32
