#include "forms/controls.h"

#include <algorithm>
#include <stdexcept>

#include "forms/form.h"

namespace forms {

Label::Label(Container& parent, std::string name, Rect rect, int index)
    : Control(&parent, Kind::Label, std::move(name), rect, index) {}

void Label::setCaption(const std::string& caption) {
  if (caption == this->caption()) return;
  Control::setCaption(caption);
  fit();
  fire(onChange);
}

void Label::setAutoSize(bool on) {
  autoSize_ = on;
  fit();
}

AccessKeyText Label::displayText() const { return parseAccessKeys(caption()); }

void Label::fit() {
  if (!autoSize_) return;
  const Size s = form().runtime().metrics().measure(font(), displayText().text);
  setRect({left(), top(), s.width, s.height});
}

Shape::Shape(Container& parent, std::string name, Rect rect, ShapeStyle style, Colour border,
             Colour fill)
    : Control(&parent, Kind::Shape, std::move(name), rect), style_(style), border_(border) {
  Control::setBackColour(fill);
}

namespace {
Rect lineBounds(Point a, Point b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) - std::min(a.x, b.x) + 1,
          std::max(a.y, b.y) - std::min(a.y, b.y) + 1};
}
}  // namespace

Line::Line(Container& parent, std::string name, Point from, Point to, Colour colour)
    : Control(&parent, Kind::Line, std::move(name), lineBounds(from, to)),
      from_(from),
      to_(to),
      colour_(colour) {}

Image::Image(Container& parent, std::string name, Rect rect, int index)
    : Control(&parent, Kind::Image, std::move(name), rect, index) {}

void Image::setPicture(std::shared_ptr<const Picture> picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  changed(Change::Appearance);
}

Frame::Frame(Container& parent, std::string name, Rect rect, bool border, int index)
    : Container(&parent, Kind::Frame, std::move(name), rect, index), border_(border) {}

TextBox::TextBox(Container& parent, std::string name, Rect rect, int index)
    : Control(&parent, Kind::TextBox, std::move(name), rect, index) {
  Control::setBackColour(rgb(255, 255, 255));
}

void TextBox::setCaption(const std::string& text) {
  if (text == caption()) return;
  Control::setCaption(text);
  // A text set by the program puts the caret at the start, as the classic boxes did, and
  // leaves nothing to undo.
  selStart_ = 0;
  selLength_ = 0;
  undo_.reset();
  fire(onChange);
}

void TextBox::setMaxLength(int n) { assign(maxLength_, std::max(0, n), Change::Appearance); }

std::string TextBox::selText() const {
  const std::u32string chars = decodeUtf8(caption());
  const auto start = std::min<std::size_t>(static_cast<std::size_t>(selStart_), chars.size());
  return encodeUtf8(chars.substr(start, static_cast<std::size_t>(selLength_)));
}

void TextBox::setSelection(int start, int length) {
  const int n = static_cast<int>(codePointCount(caption()));
  selStart_ = std::clamp(start, 0, n);
  selLength_ = std::clamp(length, 0, n - selStart_);
  changed(Change::Value);
}

void TextBox::syncSelection(int start, int length) {
  const int n = static_cast<int>(codePointCount(caption()));
  selStart_ = std::clamp(start, 0, n);
  selLength_ = std::clamp(length, 0, n - selStart_);
}

void TextBox::replaceSelection(const std::u32string& with) {
  std::u32string chars = decodeUtf8(caption());
  const auto start = static_cast<std::size_t>(std::min<int>(selStart_, int(chars.size())));
  const auto len =
      std::min<std::size_t>(static_cast<std::size_t>(selLength_), chars.size() - start);
  chars.replace(start, len, with);
  const std::string text = encodeUtf8(chars);
  const int caret = static_cast<int>(start + with.size());
  if (text == caption()) {
    setSelection(caret, 0);
    return;
  }
  undo_ = Undo{caption(), selStart_, selLength_};
  Control::setCaption(text);
  selStart_ = caret;
  selLength_ = 0;
  changed(Change::Value);
  fire(onChange);
}

bool TextBox::leaveOutUnheld(std::u32string& text) {
  if (!holds_) return false;
  std::u32string left;
  std::erase_if(text, [&](char32_t c) {
    if (holds_(c)) return false;
    if (left.find(c) == std::u32string::npos) left.push_back(c);
    return true;
  });
  if (left.empty()) return false;
  if (onRefuse) form().runtime().dispatch([&] { onRefuse(encodeUtf8(left)); });
  return true;
}

void TextBox::edit(std::u32string with) {
  if (!enabled()) return;
  // A refused character changes nothing, not even the selection it would have replaced.
  if (leaveOutUnheld(with) && with.empty()) return;
  if (maxLength_ > 0) {
    const int n = static_cast<int>(codePointCount(caption()));
    const int room = std::max(0, maxLength_ - (n - selLength_));
    if (room == 0 && !with.empty()) return;
    if (static_cast<int>(with.size()) > room) with.resize(static_cast<std::size_t>(room));
  }
  replaceSelection(with);
}

void TextBox::selectAll() { setSelection(0, static_cast<int>(codePointCount(caption()))); }

void TextBox::copy() {
  if (selLength_ > 0) form().runtime().clipboard().setText(selText());
}

void TextBox::cut() {
  if (selLength_ == 0) return;
  copy();
  edit({});
}

void TextBox::clear() {
  if (selLength_ > 0) edit({});
}

void TextBox::paste() {
  if (enabled()) insertLine(decodeUtf8(form().runtime().clipboard().text()));
}

void TextBox::dropText(const std::string& text) {
  if (!enabled()) return;
  selectAll();
  insertLine(decodeUtf8(text));
}

void TextBox::insertLine(std::u32string text) {
  // A one-line box takes the first line.
  const auto eol = text.find_first_of(U"\r\n");
  if (eol != std::u32string::npos) text.resize(eol);
  std::erase(text, U'\0');
  if (!text.empty()) edit(text);
}

void TextBox::undo() {
  if (!undo_ || !enabled()) return;
  Undo back = std::move(*undo_);
  undo_ = Undo{caption(), selStart_, selLength_};
  const bool same = back.text == caption();
  Control::setCaption(back.text);
  const int n = static_cast<int>(codePointCount(back.text));
  selStart_ = std::clamp(back.selStart, 0, n);
  selLength_ = std::clamp(back.selLength, 0, n - selStart_);
  changed(Change::Value);
  if (!same) fire(onChange);
}

void TextBox::takeNativeText(const std::string& text) {
  std::u32string chars = decodeUtf8(text);
  if (!leaveOutUnheld(chars)) {
    setText(text);
    return;
  }
  const std::string kept = encodeUtf8(chars);
  if (kept == caption()) {
    changed(Change::Text);  // the native box shows it again without what it took
  } else {
    setText(kept);
  }
}

void TextBox::showBalloon(Balloon balloon) {
  balloon_ = std::move(balloon);
  changed(Change::Balloon);
}

void TextBox::hideBalloon() {
  if (!balloon_) return;
  balloon_.reset();
  changed(Change::Balloon);
}

void TextBox::typeChar(int c) {
  hideBalloon();
  const int key = runKeyPress(c);
  if (key == 0 || !enabled()) return;
  switch (key) {
    case 1:  // Ctrl+A
      selectAll();
      return;
    case 3:  // Ctrl+C
      copy();
      return;
    case 22:  // Ctrl+V
      paste();
      return;
    case 24:  // Ctrl+X
      cut();
      return;
    case 26:  // Ctrl+Z
      undo();
      return;
    case kKeyBack:
      if (selLength_ == 0) {
        if (selStart_ == 0) return;
        --selStart_;
        selLength_ = 1;
      }
      edit({});
      return;
    default:
      break;
  }
  // Other control characters change nothing in a one-line box; neither does a value that is
  // no character.
  if (key < 32 || key > 0x10FFFF || (key >= 0xD800 && key <= 0xDFFF)) return;
  edit(std::u32string(1, static_cast<char32_t>(key)));
}

bool TextBox::keyDown(int key, int shift) {
  hideBalloon();
  if (shift != 0) return false;
  const int n = static_cast<int>(codePointCount(caption()));
  switch (key) {
    case kKeyDelete:
      if (selLength_ == 0) {
        if (selStart_ >= n) return true;
        selLength_ = 1;
      }
      edit({});
      return true;
    case kKeyLeft:
      setSelection(selLength_ > 0 ? selStart_ : selStart_ - 1, 0);
      return true;
    case kKeyRight:
      setSelection(selLength_ > 0 ? selStart_ + selLength_ : selStart_ + 1, 0);
      return true;
    case kKeyHome:
      setSelection(0, 0);
      return true;
    case kKeyEnd:
      setSelection(n, 0);
      return true;
    default:
      return false;
  }
}

ListControl::ListControl(Container& parent, Kind kind, std::string name, Rect rect, int index)
    : Control(&parent, kind, std::move(name), rect, index) {
  Control::setBackColour(rgb(255, 255, 255));
}

void ListControl::addItem(std::string item) {
  items_.push_back(std::move(item));
  changed(Change::List);
}

void ListControl::clear() {
  if (items_.empty() && listIndex_ == -1) return;
  items_.clear();
  listIndex_ = -1;
  changed(Change::List);
}

void ListControl::setListIndex(int index) {
  if (index < -1 || index >= listCount()) throw std::out_of_range("listIndex");
  if (index == listIndex_) return;
  listIndex_ = index;
  changed(Change::Value);
  fire(onClick);
}

void ListControl::choose(int index) {
  if (index == listIndex_ && index >= 0) {
    fire(onClick);
    return;
  }
  setListIndex(index);
}

std::string ListControl::text() const {
  return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
}

CheckBox::CheckBox(Container& parent, std::string name, Rect rect, int index)
    : Control(&parent, Kind::CheckBox, std::move(name), rect, index) {}

void CheckBox::setValue(int value) {
  if (value < 0 || value > 2) throw std::out_of_range("value");
  if (value == value_) return;
  value_ = value;
  changed(Change::Value);
  fire(onClick);
}

ScrollBar::ScrollBar(Container& parent, std::string name, Rect rect, int min, int max, int value,
                     int index)
    : Control(&parent, Kind::ScrollBar, std::move(name), rect, index),
      min_(min),
      max_(max),
      value_(value) {}

bool ScrollBar::inRange(int v) const {
  return v >= std::min(min_, max_) && v <= std::max(min_, max_);
}

void ScrollBar::setValue(int value) {
  if (!inRange(value)) throw std::out_of_range("scroll bar value");
  if (value == value_) return;
  value_ = value;
  changed(Change::Value);
  fire(onChange);
}

void ScrollBar::scrollTo(int thumbPos) {
  setValue(thumbToValue(std::clamp(thumbPos, 0, thumbRange())));
}

Button::Button(Container& parent, std::string name, Rect rect, int index)
    : Control(&parent, Kind::Button, std::move(name), rect, index) {}

bool Button::keyDown(int key, int /*shift*/) {
  if (key != kKeyReturn && key != ' ') return false;
  click();
  return true;
}

}  // namespace forms
