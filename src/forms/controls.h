// The concrete controls. Model setters fire the model's own events the way the classic form
// toolkits did: a text box's text, a scroll bar's value and a label's caption fire Change; a
// list's index and a check box's value fire Click. A setter given the value it holds fires
// nothing.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/control.h"
#include "forms/picture.h"
#include "forms/text.h"

namespace forms {

class Label : public Control {
 public:
  Label(Container& parent, std::string name, Rect rect, int index = -1);
  void setCaption(const std::string& caption) override;
  void setAutoSize(bool on);
  // What the label shows: access-key markers resolved.
  [[nodiscard]] AccessKeyText displayText() const;

 protected:
  void fontChanged() override { fit(); }

 private:
  void fit();
  bool autoSize_ = false;
};

enum class ShapeStyle { Outline, Filled };

// A rectangle: an outline of border colour, or filled with the back colour and bordered.
class Shape : public Control {
 public:
  Shape(Container& parent, std::string name, Rect rect, ShapeStyle style, Colour border,
        Colour fill = 0);
  [[nodiscard]] ShapeStyle style() const { return style_; }
  [[nodiscard]] Colour borderColour() const { return border_; }
  [[nodiscard]] Colour fillColour() const { return backColour(); }

 private:
  ShapeStyle style_;
  Colour border_;
};

class Line : public Control {
 public:
  Line(Container& parent, std::string name, Point from, Point to, Colour colour);
  [[nodiscard]] Point from() const { return from_; }
  [[nodiscard]] Point to() const { return to_; }
  [[nodiscard]] Colour borderColour() const { return colour_; }
  void setBorderColour(Colour c) { assign(colour_, c, Change::Appearance); }

 private:
  Point from_;
  Point to_;
  Colour colour_;
};

// Shows a picture at its own pixel size from the top-left corner.
class Image : public Control {
 public:
  Image(Container& parent, std::string name, Rect rect, int index = -1);
  [[nodiscard]] const std::shared_ptr<const Picture>& picture() const { return picture_; }
  void setPicture(std::shared_ptr<const Picture> picture);

 private:
  std::shared_ptr<const Picture> picture_;
};

class Frame : public Container {
 public:
  Frame(Container& parent, std::string name, Rect rect, bool border = false, int index = -1);
  [[nodiscard]] bool border() const { return border_; }

 private:
  bool border_;
};

class TextBox : public Control {
 public:
  TextBox(Container& parent, std::string name, Rect rect, int index = -1);
  [[nodiscard]] const std::string& text() const { return caption(); }
  void setText(const std::string& text) { setCaption(text); }
  void setCaption(const std::string& text) override;
  // The most characters typing or pasting may leave in the box; 0: no limit. Text set by the
  // program may be longer.
  [[nodiscard]] int maxLength() const { return maxLength_; }
  void setMaxLength(int n);
  // Selection in characters (code points).
  [[nodiscard]] int selStart() const { return selStart_; }
  [[nodiscard]] int selLength() const { return selLength_; }
  [[nodiscard]] std::string selText() const;
  void setSelection(int start, int length);
  // The selection as the native box reports it after the user moved the caret.
  void syncSelection(int start, int length);

  // Typing: the key-press handler first (0 swallows the key), then the edit box's rules,
  // Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z included.
  void typeChar(int c) override;
  // The edit commands of the keyboard and of the box's context menu. A paste takes the
  // clipboard's first line, as much of it as the maximum length leaves room for.
  void selectAll();
  void copy();
  void cut();
  void paste();
  // Text dragged onto the box takes the place of all of it, as a paste takes the selection's.
  void dropText(const std::string& text);
  void clear();
  // Takes back the last edit of the user; a second undo makes it again.
  void undo();
  // Text the native box took in by itself (an input method's result): the model's rules apply.
  void takeNativeText(const std::string& text);

  // The characters the box takes from the user, whichever way they come (typed, pasted, an
  // input method): one it does not hold is left out, and onRefuse hears which were.
  void setHolds(std::function<bool(char32_t)> holds) { holds_ = std::move(holds); }
  [[nodiscard]] bool holds(char32_t c) const { return !holds_ || holds_(c); }
  std::function<void(const std::string& leftOut)> onRefuse;

  // A balloon tip pointing at the box, shown until the user types in it again or leaves it.
  struct Balloon {
    std::string title;
    std::string text;
  };
  void showBalloon(Balloon balloon);
  void hideBalloon();
  [[nodiscard]] const std::optional<Balloon>& balloon() const { return balloon_; }

 protected:
  bool keyDown(int key, int shift) override;

 private:
  // Replaces the selection with the user's text, cut to the room the maximum length leaves.
  void edit(std::u32string with);
  // The first line of pasted or dropped text, into the selection.
  void insertLine(std::u32string text);
  void replaceSelection(const std::u32string& with);
  // Takes out what the box does not hold and tells onRefuse; true when something was.
  bool leaveOutUnheld(std::u32string& text);
  int maxLength_ = 0;  // 0: no limit
  std::function<bool(char32_t)> holds_;
  std::optional<Balloon> balloon_;
  int selStart_ = 0;
  int selLength_ = 0;
  // The text and caret before the user's last edit.
  struct Undo {
    std::string text;
    int selStart = 0;
    int selLength = 0;
  };
  std::optional<Undo> undo_;
};

// The list shared by combo boxes and list boxes.
class ListControl : public Control {
 public:
  ListControl(Container& parent, Kind kind, std::string name, Rect rect, int index);
  void addItem(std::string item);
  void clear();
  [[nodiscard]] int listCount() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] const std::string& list(int i) const { return items_.at(static_cast<size_t>(i)); }
  [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
  [[nodiscard]] int listIndex() const { return listIndex_; }
  // Fires Click on a real change; an index outside the list is an error.
  void setListIndex(int index);
  // The selected entry, or "" when none is selected.
  [[nodiscard]] std::string text() const;
  // What a user's choice in the list runs: Click, even for the entry already chosen.
  void choose(int index);

 private:
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

class ComboBox : public ListControl {  // drop-down list: no typing
 public:
  ComboBox(Container& parent, std::string name, Rect rect, int index = -1)
      : ListControl(parent, Kind::ComboBox, std::move(name), rect, index) {}
};

class ListBox : public ListControl {
 public:
  ListBox(Container& parent, std::string name, Rect rect, int index = -1)
      : ListControl(parent, Kind::ListBox, std::move(name), rect, index) {}
};

class CheckBox : public Control {
 public:
  CheckBox(Container& parent, std::string name, Rect rect, int index = -1);
  [[nodiscard]] int value() const { return value_; }
  // 0 unticked, 1 ticked; fires Click on a real change.
  void setValue(int value);
  // A user's click toggles the tick, which fires Click.
  void click() override { setValue(value_ == 0 ? 1 : 0); }

 private:
  int value_ = 0;
};

// A horizontal scroll bar. The minimum may be above the maximum: the range is then reversed and
// the thumb at the left stands for the minimum.
class ScrollBar : public Control {
 public:
  ScrollBar(Container& parent, std::string name, Rect rect, int min, int max, int value,
            int index = -1);
  [[nodiscard]] int min() const { return min_; }
  [[nodiscard]] int max() const { return max_; }
  [[nodiscard]] int value() const { return value_; }
  // Fires Change on a real change; a value outside the range is an error.
  void setValue(int value);
  // Thumb positions run from 0 at the left to thumbRange() at the right.
  [[nodiscard]] int thumbRange() const { return max_ >= min_ ? max_ - min_ : min_ - max_; }
  [[nodiscard]] int thumbToValue(int pos) const { return max_ >= min_ ? min_ + pos : min_ - pos; }
  [[nodiscard]] int valueToThumb(int v) const { return max_ >= min_ ? v - min_ : min_ - v; }
  // What a user's drag or click on the native bar runs.
  void scrollTo(int thumbPos);

 private:
  [[nodiscard]] bool inRange(int v) const;
  int min_;
  int max_;
  int value_;
};

class Button : public Control {
 public:
  Button(Container& parent, std::string name, Rect rect, int index = -1);

 protected:
  // Enter or Space on a focused button clicks it, once.
  bool keyDown(int key, int shift) override;
};

// Builds a control array: std::array elements made in place, so controls need not move.
template <class T, std::size_t N, class F, std::size_t... I>
std::array<T, N> makeArrayImpl(F& make, std::index_sequence<I...> /*unused*/) {
  return std::array<T, N>{{make(static_cast<int>(I))...}};
}
template <class T, std::size_t N, class F>
std::array<T, N> makeArray(F make) {
  return makeArrayImpl<T, N>(make, std::make_index_sequence<N>{});
}

}  // namespace forms
