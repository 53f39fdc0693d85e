// One native control kind in one place: a NativeAdapter owns what its kind's native window is
// (class and style), how the model's properties reach it (text, value, list, font), what its
// notifications mean to the model (WM_COMMAND codes, WM_HSCROLL) and what its keys do (the
// messages of its subclass). The form window knows no kind: it asks makeAdapter once per control.
#pragma once

#include <windows.h>

#include <memory>

#include "forms/control.h"
#include "forms/runtime.h"
#include "platform/win32/gdi.h"

namespace win32 {

class Backend;

class NativeAdapter {
 public:
  NativeAdapter(Backend& backend, forms::Control& control);
  virtual ~NativeAdapter();
  NativeAdapter(const NativeAdapter&) = delete;
  NativeAdapter& operator=(const NativeAdapter&) = delete;

  // Makes the native window under `parent`, in line with the model, and subclasses it when the
  // kind takes keys.
  HWND create(HWND parent, int id);
  [[nodiscard]] HWND hwnd() const { return hwnd_; }

  // The model's change reaches the native window: Geometry, Appearance, Text, Value and List.
  // Visibility, enabled state and focus are the form window's, the same for every kind.
  virtual void sync(forms::Change what);
  // A WM_COMMAND notification the native control sent its parent.
  virtual void command(int /*code*/) {}
  // A WM_HSCROLL request of a native scroll bar.
  virtual void scroll(int /*code*/) {}
  // WM_CTLCOLOR*: the model's colours, and a brush kept until the back colour changes.
  HBRUSH colours(HDC dc);
  // Work sync put off until the running event is over (a list filled item by item is rebuilt
  // once): stale() asks for a settle(), which the form window runs soon after.
  [[nodiscard]] virtual bool stale() const { return false; }
  virtual void settle() {}

 protected:
  [[nodiscard]] virtual const wchar_t* windowClass() const = 0;
  [[nodiscard]] virtual DWORD style() const = 0;
  // The window's height for the model's height in pixels (a drop-down list adds its list).
  [[nodiscard]] virtual int nativeHeight(int px) const { return px; }
  // Frames take no keys of their own: their window is a container's.
  [[nodiscard]] virtual bool takesKeys() const { return true; }
  // A message to the native control, before it has it. By default keys go to the model
  // (pressKey), and what the program did not take, and every character after the model's
  // key-press handler, to the native control.
  virtual LRESULT message(UINT msg, WPARAM wp, LPARAM lp);
  // Hands the message on to the native control.
  LRESULT passOn(UINT msg, WPARAM wp, LPARAM lp);
  // Messages the program sends the control in bulk (a list's items) go straight to it: under
  // Wine each message through a subclass costs as much as a hundred plain ones, more as the
  // list grows.
  class Bypass {
   public:
    explicit Bypass(NativeAdapter& adapter);
    ~Bypass();
    Bypass(const Bypass&) = delete;
    Bypass& operator=(const Bypass&) = delete;

   private:
    NativeAdapter& adapter_;
  };
  void setFont();
  // The model's caption as the window's text, unless it already shows it.
  void syncWindowText();

  Backend& backend_;

 private:
  static LRESULT CALLBACK subclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR data);
  // What every kind does alike: the model follows the native focus, and Tab is the model's.
  LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);

  forms::Control& control_;
  HWND hwnd_ = nullptr;
  bool attached_ = false;
  forms::Colour brushColour_ = 0;
  Brush brush_;
};

// The adapter of a windowed control's kind; nullptr for windowless kinds and the form itself.
std::unique_ptr<NativeAdapter> makeAdapter(Backend& backend, forms::Control& control);

}  // namespace win32
