// The platform services made with the real Win32 calls.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "forms/runtime.h"
#include "platform/services.h"

namespace win32 {

class Win32Clipboard;

class Win32Platform final : public platform::Platform {
 public:
  Win32Platform();
  ~Win32Platform() override;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  const std::vector<platform::Monitor>& monitors() override;
  void useMonitor(const platform::Monitor& monitor) override;
  // The chosen one, until then the primary.
  platform::Monitor monitorInUse() override;
  platform::PointerPos pointer() override;
  bool readLeftButton() override;
  int screenWidthTwips() override;
  int screenHeightTwips() override;
  double twipsPerPixel() override;
  void makeTopmost(platform::WindowHandle window) override;
  bool setLayeredAlpha(platform::WindowHandle window, std::uint8_t alpha) override;
  void takeKeys(platform::WindowHandle window) override;
  void releaseKeys() override;
  void shellOpen(platform::WindowHandle owner, const std::string& path) override;
  void showAboutBox(platform::WindowHandle owner, const std::string& title,
                    const std::string& text) override;
  std::optional<std::string> logonName() override;
  platform::OsVersion version() override;
  platform::OsVersion programVersion() override;
  std::optional<std::string> localeInfo(int item) override;
  platform::PowerStatus powerStatus() override;
  bool fontInstalled(const std::string& family) override;
  platform::LocalTime now() override;
  std::string mediumTime() override;
  std::string longDate() override;
  std::string clipboardText() override;
  void setClipboardText(const std::string& text) override;
  void showMessageBox(const std::string& text, const std::string& title,
                      platform::MessageIcon icon) override;
  std::optional<std::string> readFile(const std::string& path) override;
  bool writeFileReplacing(const std::string& path, const std::string& bytes) override;
  [[nodiscard]] platform::WriteFailure lastWriteFailure() const override { return writeFailure_; }
  void undoInterruptedWrite() override;
  std::optional<std::string> toAnsi(const std::string& utf8) override;
  std::string fromAnsi(const std::string& ansi) override;
  void exitProgram() override;

  // Reads the monitors again (the display changed).
  void readScreen();
  // Hears the monitor the windows stand on whenever the program chooses it (the backend places
  // its top-level windows from that monitor's corner, at its DPI).
  std::function<void(const platform::Monitor&)> onUseMonitor;
  // The clipboard the text boxes use: the same as clipboardText(), owned by the same window.
  [[nodiscard]] forms::Clipboard& clipboard();

 private:
  // The monitors, read once and again when the display changes: the pointer poll asks for them
  // every 10 ms, and asking the system is not cheap. Some systems (Wine when the X layout
  // changes) tell nothing of a change: the list is also read again when it is half a second old.
  std::vector<platform::Monitor> monitors_;
  unsigned long long monitorsRead_ = 0;
  std::optional<platform::Monitor> used_;
  platform::WindowHandle keysTo_ = 0;  // the window the open bar's keys go to
  // A hidden top-level window that hears of display changes and owns what this program puts
  // on the clipboard.
  void* watcher_ = nullptr;
  std::unique_ptr<Win32Clipboard> clipboard_;
  // The clock panel asks for the power status on every refresh; the system reads it from
  // files, so one answer serves for half a second.
  platform::PowerStatus power_{};
  unsigned long long powerRead_ = 0;
  platform::WriteFailure writeFailure_ = platform::WriteFailure::Other;
};

// Dots per inch of the screen (96 at 100 % scaling).
int screenDpi();
// The desktop's monitors as the system lists them, each with its effective DPI.
std::vector<platform::Monitor> readMonitors();

}  // namespace win32
