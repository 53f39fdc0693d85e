// What the operating system provides, as plain values. The Win32 implementation makes the real
// calls; the native tests use a fake that records every call and answers as each test says.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

using WindowHandle = std::uintptr_t;

struct PointerPos {
  int x = 0;  // pixels from the top-left corner of the monitor in use
  int y = 0;
  friend bool operator==(const PointerPos&, const PointerPos&) = default;
};

// A monitor's rectangle in pixels of the virtual screen, whose origin is the primary monitor's
// top-left corner: a monitor left of or above the primary has negative coordinates.
struct Monitor {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int dpi = 96;  // the monitor's effective DPI
  bool primary = false;
  friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The primary of `monitors`, or the first where none says it is; never called on an empty list.
inline Monitor primaryOf(const std::vector<Monitor>& monitors) {
  for (const Monitor& m : monitors) {
    if (m.primary) return m;
  }
  return monitors.front();
}

struct OsVersion {
  int major = 0;
  int minor = 0;
};

struct PowerStatus {
  int chargePercent = 255;  // 0..100; above 100 (255) unavailable
  int mainsStatus = 255;    // 0 on battery, 1 on mains, other values unavailable
};

struct LocalTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int dayOfWeek = 6;  // 0 Sunday
};

enum class MessageIcon { Critical, Warning, Information };

// Why a write failed, as far as the system tells: another program holds the file, the disk is
// full, or anything else (no right to write there, a read-only file, a missing folder).
enum class WriteFailure { Other, InUse, DiskFull };

class Platform {
 public:
  virtual ~Platform() = default;

  // Monitors, pointer and screen.
  // The desktop's monitors, in pixels of the virtual screen.
  virtual const std::vector<Monitor>& monitors() = 0;
  // The monitor the program's windows stand on from now on (until then, the primary): the
  // screen's size, its twips per pixel and the pointer speak of it, and the windows' places are
  // counted from its top-left corner.
  virtual void useMonitor(const Monitor& monitor) = 0;
  virtual Monitor monitorInUse() = 0;
  // The pointer, from the top-left corner of the monitor in use: beyond its edges on another
  // monitor.
  virtual PointerPos pointer() = 0;
  // True when the left button is down now or was pressed since the previous question. While a
  // box of this program is open, and for the click that dismissed it, the answer is false: the
  // box's own clicks are not clicks on the desktop.
  bool leftButtonPressed() {
    const bool pressed = readLeftButton();
    return pressed && modalDepth_ == 0;
  }
  // The size of the monitor in use and its twips per pixel (15 at 96 DPI).
  virtual int screenWidthTwips() = 0;
  virtual int screenHeightTwips() = 0;
  virtual double twipsPerPixel() = 0;

  // Windows.
  virtual void makeTopmost(WindowHandle window) = 0;
  // Makes the window layered and sets its opacity; false when the system refused.
  virtual bool setLayeredAlpha(WindowHandle window, std::uint8_t alpha) = 0;

  // The keys of an open bar (Up, Down, Home, End, Enter, Space, Escape) go to `window`, whichever
  // window has the keyboard, until released.
  virtual void takeKeys(WindowHandle window) = 0;
  virtual void releaseKeys() = 0;

  // Shell.
  // Opens a path with the shell's default verb.
  virtual void shellOpen(WindowHandle owner, const std::string& path) = 0;
  // The system's about box; returns when the user closes it.
  void aboutBox(WindowHandle owner, const std::string& title, const std::string& text) {
    Modal modal(*this);
    showAboutBox(owner, title, text);
  }

  // System facts.
  // The logon name, or nothing when the system could not tell.
  virtual std::optional<std::string> logonName() = 0;
  virtual OsVersion version() = 0;
  // The version this program was built as, from its own version resource.
  virtual OsVersion programVersion() = 0;
  // GetLocaleInfo of the user's default locale for one item, or nothing on failure.
  virtual std::optional<std::string> localeInfo(int item) = 0;
  virtual PowerStatus powerStatus() = 0;
  virtual bool fontInstalled(const std::string& family) = 0;
  virtual LocalTime now() = 0;
  // The current time in the system's medium-time format ("hh:mm tt") and the date in the user
  // locale's long-date format.
  virtual std::string mediumTime() = 0;
  virtual std::string longDate() = 0;

  // Clipboard and messages.
  virtual std::string clipboardText() = 0;
  virtual void setClipboardText(const std::string& text) = 0;
  // A message box with an OK button; returns when the user closes it.
  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) {
    Modal modal(*this);
    showMessageBox(text, title, icon);
  }
  [[nodiscard]] bool modalBoxOpen() const { return modalDepth_ > 0; }

  // Files: whole files, as bytes.
  virtual std::optional<std::string> readFile(const std::string& path) = 0;
  // Writes the complete bytes as the file's contents so that a failure part way leaves the old
  // contents (see platform/file_replace.h): through a new file in the same folder, or, where
  // the folder takes no new files, over the file itself after keeping a copy of its old bytes.
  // False on any failure; lastWriteFailure() then says why.
  virtual bool writeFileReplacing(const std::string& path, const std::string& bytes) = 0;
  [[nodiscard]] virtual WriteFailure lastWriteFailure() const { return WriteFailure::Other; }
  // A write over a file itself that the process did not live to finish left the old bytes in a
  // journal: they go back in place. Run at start, before any file is read.
  virtual void undoInterruptedWrite() {}

  // Text in the system's ANSI code page, converted to and from the program's UTF-8. Nothing
  // when the code page has no byte for some character: no look-alike, no "?".
  virtual std::optional<std::string> toAnsi(const std::string& utf8) = 0;
  virtual std::string fromAnsi(const std::string& ansi) = 0;

  // Ends the program at once.
  virtual void exitProgram() = 0;

 protected:
  virtual bool readLeftButton() = 0;
  virtual void showAboutBox(WindowHandle owner, const std::string& title,
                            const std::string& text) = 0;
  virtual void showMessageBox(const std::string& text, const std::string& title,
                              MessageIcon icon) = 0;

 private:
  // A box runs its own message loop and the windows' timers go on polling the button meanwhile.
  // When it closes, the press that closed it is read once and forgotten.
  class Modal {
   public:
    explicit Modal(Platform& p) : p_(p) { ++p_.modalDepth_; }
    ~Modal() {
      p_.readLeftButton();
      --p_.modalDepth_;
    }
    Modal(const Modal&) = delete;
    Modal& operator=(const Modal&) = delete;

   private:
    Platform& p_;
  };
  int modalDepth_ = 0;
};

}  // namespace platform
