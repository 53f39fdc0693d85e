// The file operations that replacing a file is built from, with the real Win32 calls.
#pragma once

#include "platform/file_replace.h"
#include "platform/services.h"

namespace win32 {

class Win32FileOps : public platform::FileOps {
 public:
  std::optional<std::string> read(const std::string& path) override;
  bool exists(const std::string& path) override;
  bool readOnly(const std::string& path) override;
  bool canOverwrite(const std::string& path) override;
  std::optional<std::string> createUnique(const std::string& folder) override;
  bool overwrite(const std::string& path, const std::string& bytes) override;
  bool moveOver(const std::string& source, const std::string& target) override;
  bool remove(const std::string& path) override;
  std::string tempFolder() override;
  // Why the last operation that failed did, as the system said it.
  [[nodiscard]] platform::WriteFailure failure() const;

  // How long a file that another program holds open (a virus scanner, a search indexer, a
  // backup, an editor's read) is waited for before writing it counts as failed.
  static constexpr int kBusyTries = 20;
  static constexpr int kBusyPauseMs = 50;
  // A read waits about 5 s: at start, defaults loaded in its place would be saved over it later.
  static constexpr int kReadBusyTries = 100;

 protected:
  // Lets the other program finish before the next try.
  virtual void pause(int milliseconds);

 private:
  // Runs `step` until it succeeds, or fails for another reason than the file being in use, or
  // has been tried `tries` times.
  template <typename Step>
  bool whileInUse(int tries, Step step);
  bool noted(bool ok);
  bool writeOver(const std::string& path, const std::string& bytes);
  unsigned long lastError_ = 0;
};

}  // namespace win32
