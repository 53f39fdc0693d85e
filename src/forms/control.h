// The base of every control: geometry in twips, colours, font, caption, events and the input
// entry points that run exactly what a user's action runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/runtime.h"
#include "forms/types.h"

namespace forms {

class Container;
class Form;

enum class Kind {
  Form,
  Frame,
  Label,
  Shape,
  Line,
  Image,
  TextBox,
  ComboBox,
  ListBox,
  CheckBox,
  ScrollBar,
  Button,
};

class Control {
 public:
  Control(Container* parent, Kind kind, std::string name, Rect rect, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  Control(Control&&) = delete;
  Control& operator=(Control&&) = delete;

  [[nodiscard]] Kind kind() const { return kind_; }
  [[nodiscard]] const std::string& name() const { return name_; }
  [[nodiscard]] int index() const { return index_; }
  [[nodiscard]] Container* parent() const { return parent_; }
  Form& form();
  // Labels, shapes, lines and images have no native window: their container paints them.
  [[nodiscard]] bool windowless() const;
  [[nodiscard]] bool isContainer() const { return kind_ == Kind::Form || kind_ == Kind::Frame; }

  [[nodiscard]] Rect rect() const { return rect_; }
  [[nodiscard]] int left() const { return rect_.left; }
  [[nodiscard]] int top() const { return rect_.top; }
  [[nodiscard]] int width() const { return rect_.width; }
  [[nodiscard]] int height() const { return rect_.height; }
  virtual void setRect(Rect rect);
  void setLeft(int v) { setRect({v, rect_.top, rect_.width, rect_.height}); }
  void setTop(int v) { setRect({rect_.left, v, rect_.width, rect_.height}); }
  void setWidth(int v) { setRect({rect_.left, rect_.top, v, rect_.height}); }
  void setHeight(int v) { setRect({rect_.left, rect_.top, rect_.width, v}); }
  // The rectangle relative to the form's client area.
  [[nodiscard]] Rect formRect() const;

  [[nodiscard]] bool visible() const { return visible_; }
  virtual void setVisible(bool visible);
  // Visible and inside visible containers all the way up.
  [[nodiscard]] bool shown() const;
  [[nodiscard]] bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  [[nodiscard]] Colour backColour() const { return back_; }
  void setBackColour(Colour c);
  [[nodiscard]] Colour foreColour() const { return fore_; }
  void setForeColour(Colour c);
  [[nodiscard]] BackStyle backStyle() const { return backStyle_; }
  void setBackStyle(BackStyle s);
  [[nodiscard]] const Font& font() const { return font_; }
  void setFont(const Font& font);
  void setFontName(const std::string& name);
  [[nodiscard]] Align alignment() const { return align_; }
  void setAlignment(Align a);
  [[nodiscard]] const std::string& caption() const { return caption_; }
  virtual void setCaption(const std::string& caption);
  [[nodiscard]] const std::string& toolTip() const { return toolTip_; }
  void setToolTip(const std::string& tip);

  void setFocus();
  [[nodiscard]] bool focused();
  // Whether Tab stops here: native controls that take the keyboard, shown and enabled.
  [[nodiscard]] bool tabStop() const;

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onChange;
  std::function<void(const MouseEvent&)> onMouseDown;
  std::function<void(const MouseEvent&)> onMouseUp;
  std::function<void(const MouseEvent&)> onMouseMove;
  std::function<void(int& key)> onKeyPress;  // key 0 swallows the character

  // Input entry points.
  virtual void click();
  void dblClick();
  void mouseDown(int button, int shift, int x, int y);
  void mouseUp(int button, int shift, int x, int y);
  void mouseMove(int button, int shift, int x, int y);
  // A typed character, a code point.
  virtual void typeChar(int c);
  // A key pressed: Tab moves the focus, other keys are the control's own. True when the program
  // took the key; false leaves it to the system.
  bool pressKey(int key, int shift = 0);

 protected:
  void changed(Change what);
  void fire(const std::function<void()>& handler);
  void fireMouse(const std::function<void(const MouseEvent&)>& handler, const MouseEvent& e);
  // Sets a field and reports the change; a setter given the value it holds does nothing.
  template <class T>
  bool assign(T& field, const T& value, Change what) {
    if (field == value) return false;
    field = value;
    changed(what);
    return true;
  }
  virtual void fontChanged() {}
  // Runs the key-press handler; returns the key it left (0 when swallowed).
  int runKeyPress(int c);
  // The control's own keys; true when it acted on the key.
  virtual bool keyDown(int /*key*/, int /*shift*/) { return false; }

 private:
  friend class Form;
  Container* parent_;
  Kind kind_;
  std::string name_;
  int index_;
  Rect rect_;
  bool visible_ = true;
  bool enabled_ = true;
  Colour back_ = rgb(240, 240, 240);
  Colour fore_ = 0;
  BackStyle backStyle_ = BackStyle::Opaque;
  Font font_;
  Align align_ = Align::Left;
  std::string caption_;
  std::string toolTip_;
};

class Container : public Control {
 public:
  using Control::Control;

  // Children in z-order, bottom first.
  [[nodiscard]] const std::vector<Control*>& children() const { return children_; }
  // The topmost shown windowless child under p (twips relative to this container).
  [[nodiscard]] Control* hitTestWindowless(Point p) const;
  // Where a pointer event at p lands: a shown child frame's own content first (child windows
  // cover their parent), then the topmost windowless child, else the container itself.
  Control& pointerTarget(Point p, Point& local);

 private:
  friend class Control;
  void add(Control* child);
  std::vector<Control*> children_;
};

}  // namespace forms
