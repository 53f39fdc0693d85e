// A platform whose answers each test sets and which records every call. Its clipboard is also
// the one the text boxes cut, copy and paste through.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "forms/runtime.h"
#include "platform/services.h"

namespace testing_support {

class FakePlatform final : public platform::Platform, public forms::Clipboard {
 public:
  // Answers.
  platform::PointerPos pointerPos{960, 540};  // in pixels of the virtual screen
  bool leftButton = false;
  // With no monitors listed, the desktop is one primary monitor of these pixels and twips per
  // pixel (15, 12, 10: 96, 120, 144 DPI).
  int screenWidthPx = 1920;
  int screenHeightPx = 1080;
  double twipsPerPx = 15.0;
  std::vector<platform::Monitor> monitorList;
  std::optional<std::string> logon = std::string("Ana");
  platform::OsVersion os{10, 0};
  platform::OsVersion program{3, 0};
  std::map<int, std::string> locale{{4097, "English"}};
  platform::PowerStatus power{};
  std::vector<std::string> installedFonts{"Webdings", "Wingdings", "Wingdings 2", "Wingdings 3"};
  platform::LocalTime time{};
  std::string mediumTimeText = "05:07 PM";
  std::string longDateText = "Wednesday, December 05, 2012";
  std::string clipboard;
  std::map<std::string, std::string> files;                        // path -> bytes
  std::vector<std::string> missingFolders;                         // writes into these folders fail
  platform::WriteFailure failure = platform::WriteFailure::Other;  // why they do

  // Records.
  std::optional<platform::Monitor> monitorUsed;  // the last useMonitor
  std::vector<platform::WindowHandle> topmostCalls;
  std::map<platform::WindowHandle, int> alpha;  // last alpha set per window
  std::vector<std::pair<platform::WindowHandle, std::string>> shellOpened;
  std::optional<platform::WindowHandle> keysTo;  // the window the bar's keys go to, until released
  struct Message {
    std::string text, title;
    platform::MessageIcon icon;
  };
  std::vector<Message> messages;
  std::vector<std::pair<platform::WindowHandle, std::string>> aboutBoxes;  // owner and text
  // Runs while a message box or the about box is open (the user's time with the box).
  std::function<void()> whileBoxOpen;
  bool exited = false;

  const std::vector<platform::Monitor>& monitors() override;
  void useMonitor(const platform::Monitor& monitor) override { monitorUsed = monitor; }
  // The last one chosen, until then the primary.
  platform::Monitor monitorInUse() override;
  platform::PointerPos pointer() override {
    const platform::Monitor m = monitorInUse();
    return {pointerPos.x - m.left, pointerPos.y - m.top};
  }
  bool readLeftButton() override { return std::exchange(leftButton, false); }
  int screenWidthTwips() override {
    return static_cast<int>(monitorInUse().width * twipsPerPixel());
  }
  int screenHeightTwips() override {
    return static_cast<int>(monitorInUse().height * twipsPerPixel());
  }
  double twipsPerPixel() override { return 1440.0 / monitorInUse().dpi; }
  void makeTopmost(platform::WindowHandle window) override { topmostCalls.push_back(window); }
  bool setLayeredAlpha(platform::WindowHandle window, std::uint8_t a) override {
    alpha[window] = a;
    return true;
  }
  void takeKeys(platform::WindowHandle window) override { keysTo = window; }
  void releaseKeys() override { keysTo.reset(); }
  void shellOpen(platform::WindowHandle owner, const std::string& path) override {
    shellOpened.emplace_back(owner, path);
  }
  void showAboutBox(platform::WindowHandle owner, const std::string& /*title*/,
                    const std::string& text) override {
    aboutBoxes.emplace_back(owner, text);
    if (whileBoxOpen) whileBoxOpen();
  }
  std::optional<std::string> logonName() override { return logon; }
  platform::OsVersion version() override { return os; }
  platform::OsVersion programVersion() override { return program; }
  std::optional<std::string> localeInfo(int item) override {
    return locale.contains(item) ? std::optional(locale[item]) : std::nullopt;
  }
  platform::PowerStatus powerStatus() override { return power; }
  bool fontInstalled(const std::string& family) override;
  platform::LocalTime now() override { return time; }
  std::string mediumTime() override { return mediumTimeText; }
  std::string longDate() override { return longDateText; }
  std::string clipboardText() override { return clipboard; }
  void setClipboardText(const std::string& text) override { clipboard = text; }
  std::string text() override { return clipboard; }
  void setText(const std::string& utf8) override { clipboard = utf8; }
  void showMessageBox(const std::string& text, const std::string& title,
                      platform::MessageIcon icon) override {
    messages.push_back({text, title, icon});
    if (whileBoxOpen) whileBoxOpen();
  }
  std::optional<std::string> readFile(const std::string& path) override {
    return files.contains(path) ? std::optional(files[path]) : std::nullopt;
  }
  bool writeFileReplacing(const std::string& path, const std::string& bytes) override;
  [[nodiscard]] platform::WriteFailure lastWriteFailure() const override { return failure; }
  // Windows-1252 for the characters the program meets; others become "?".
  std::optional<std::string> toAnsi(const std::string& utf8) override;
  std::string fromAnsi(const std::string& ansi) override;
  void exitProgram() override { exited = true; }

 private:
  std::vector<platform::Monitor> oneMonitor_;  // the desktop when no monitors are listed
};

}  // namespace testing_support
