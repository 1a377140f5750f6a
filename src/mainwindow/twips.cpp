#include "mainwindow/twips.h"

#include <cmath>

#include "mainwindow/layout_table.h"

namespace korvex::mainwindow {
namespace {

int ToPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

QRect PixelGeometry(const QWidget& widget) {
  return widget.isWindow() ? widget.frameGeometry() : widget.geometry();
}

}  // namespace

QRect TwipsToPixels(const QRect& twips) {
  return {ToPixels(twips.x()), ToPixels(twips.y()), ToPixels(twips.width()),
          ToPixels(twips.height())};
}

void SetTwipsGeometry(QWidget& widget, const QRect& twips) {
  widget.setProperty(kTwipsProperty, twips);
  const QRect pixels = TwipsToPixels(twips);
  // Only frameless windows are placed this way, so their client area is their outer frame.
  widget.setGeometry(pixels);
}

QRect TwipsGeometry(const QWidget& widget) {
  const QRect pixels = PixelGeometry(widget);
  const QVariant stored = widget.property(kTwipsProperty);
  // Pixels are what the window system holds; a remembered twips figure is only trusted while it
  // still rounds to them, so a move or resize by the window system shows through.
  if (stored.isValid()) {
    const QRect twips = stored.toRect();
    const QRect expected = TwipsToPixels(twips);
    QRect out(pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel,
              pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
    if (expected.x() == pixels.x()) out.moveLeft(twips.x());
    if (expected.y() == pixels.y()) out.moveTop(twips.y());
    if (expected.width() == pixels.width()) out.setWidth(twips.width());
    if (expected.height() == pixels.height()) out.setHeight(twips.height());
    return out;
  }
  return {pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel, pixels.width() * kTwipsPerPixel,
          pixels.height() * kTwipsPerPixel};
}

}  // namespace korvex::mainwindow
