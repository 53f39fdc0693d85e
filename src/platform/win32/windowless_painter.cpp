#include "platform/win32/windowless_painter.h"

#include <algorithm>
#include <cstdint>

#include "forms/controls.h"
#include "platform/win32/backend.h"
#include "platform/win32/gdi.h"
#include "platform/win32/native_text.h"

namespace win32 {

namespace {

constexpr COLORREF kFrameBorder = RGB(160, 160, 160);

void paintLabel(HDC dc, RECT r, const forms::Label& label, Backend& backend) {
  if (label.backStyle() == forms::BackStyle::Opaque) {
    Brush back(CreateSolidBrush(colorRef(label.backColour())));
    FillRect(dc, &r, back.get());
  }
  const forms::AccessKeyText text = label.displayText();
  std::wstring s = drawableText(label.font(), text.text, text.underline, true);
  Select keepFont(dc, backend.font(label.font()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colorRef(label.foreColour()));
  UINT fmt = DT_WORDBREAK;
  if (label.alignment() == forms::Align::Center) fmt |= DT_CENTER;
  if (label.alignment() == forms::Align::Right) fmt |= DT_RIGHT;
  DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &r, fmt);
}

void paintShape(HDC dc, RECT r, const forms::Shape& shape) {
  Pen pen(CreatePen(PS_SOLID, 1, colorRef(shape.borderColour())));
  Brush fill(shape.style() == forms::ShapeStyle::Filled
                 ? CreateSolidBrush(colorRef(shape.fillColour()))
                 : nullptr);
  Select keepPen(dc, pen.get());
  Select keepBrush(dc, fill ? static_cast<HGDIOBJ>(fill.get()) : GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void paintLine(HDC dc, const forms::Line& line, Backend& backend) {
  Pen pen(CreatePen(PS_SOLID, 1, colorRef(line.borderColour())));
  Select keepPen(dc, pen.get());
  const int x1 = backend.toPx(line.from().x);
  const int y1 = backend.toPx(line.from().y);
  const int x2 = backend.toPx(line.to().x);
  const int y2 = backend.toPx(line.to().y);
  MoveToEx(dc, x1, y1, nullptr);
  // LineTo leaves out the last pixel: go one further so the line ends where the model says.
  LineTo(dc, x2 + (x2 >= x1 ? 1 : -1), y2 + (y2 > y1 ? 1 : y2 < y1 ? -1 : 0));
}

void paintImage(HDC dc, RECT r, const forms::Image& image) {
  const auto& pic = image.picture();
  if (!pic || pic->width <= 0 || pic->height <= 0) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = pic->width;
  bi.bmiHeader.biHeight = -pic->height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap dib(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || bits == nullptr) return;
  // AlphaBlend takes premultiplied colours.
  auto* px = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pic->pixels.size(); ++i) {
    const std::uint32_t p = pic->pixels[i];
    const std::uint32_t a = p >> 24;
    const std::uint32_t rr = ((p >> 16) & 0xFF) * a / 255;
    const std::uint32_t gg = ((p >> 8) & 0xFF) * a / 255;
    const std::uint32_t bb = (p & 0xFF) * a / 255;
    px[i] = (a << 24) | (rr << 16) | (gg << 8) | bb;
  }
  MemoryDc src(CreateCompatibleDC(dc));
  Select keep(src.get(), dib.get());
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, r.left, r.top, pic->width, pic->height, src.get(), 0, 0, pic->width, pic->height,
             blend);
}

void paintWindowless(HDC dc, const forms::Control& c, Backend& backend) {
  RECT r = backend.pxRect(c.rect());
  r.right = std::max(r.right, r.left + 1);
  r.bottom = std::max(r.bottom, r.top + 1);
  switch (c.kind()) {
    case forms::Kind::Label:
      paintLabel(dc, r, static_cast<const forms::Label&>(c), backend);
      break;
    case forms::Kind::Shape:
      paintShape(dc, r, static_cast<const forms::Shape&>(c));
      break;
    case forms::Kind::Line:
      paintLine(dc, static_cast<const forms::Line&>(c), backend);
      break;
    case forms::Kind::Image:
      paintImage(dc, r, static_cast<const forms::Image&>(c));
      break;
    default:
      break;
  }
}

}  // namespace

void paintContainer(HDC dc, const RECT& client, const forms::Container& container,
                    Backend& backend) {
  Brush back(CreateSolidBrush(colorRef(container.backColour())));
  FillRect(dc, &client, back.get());
  if (container.kind() == forms::Kind::Frame &&
      static_cast<const forms::Frame&>(container).border()) {
    Brush edge(CreateSolidBrush(kFrameBorder));
    FrameRect(dc, &client, edge.get());
  }
  for (const forms::Control* c : container.children()) {
    if (c->windowless() && c->visible()) paintWindowless(dc, *c, backend);
  }
}

}  // namespace win32
