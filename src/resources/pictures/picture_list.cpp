#include "picture_list.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>

namespace korvex {
namespace {

// The file names say what each picture of the image list shows; the position in this table is
// the number the window asks for.
constexpr std::array<const char*, kImgListCount> kImgListFiles = {
    "img_01_voice_off.svg",       "img_02_voice_on.svg",       "img_03_copy_off.svg",
    "img_04_copy_on.svg",         "img_05_paste_off.svg",      "img_06_paste_on.svg",
    "img_07_mortgage.svg",        "img_08_expression.svg",     "img_09_unused.svg",
    "img_10_history.svg",         "img_11_thousand_off.svg",   "img_12_thousand_on.svg",
    "img_13_minimize.svg",        "img_14_minimize_hover.svg", "img_15_mini_mode.svg",
    "img_16_mini_mode_hover.svg", "img_17_exit.svg",           "img_18_exit_hover.svg",
    "img_19_two_rows_off.svg",    "img_20_two_rows_on.svg",
};

QString ResourcePath(const char* file) {
  return QStringLiteral(":/pictures/") + QLatin1String(file);
}

// Renders into device pixels and tags the result with the ratio, so a widget of `size` logical
// pixels shows it sharp on a high-density screen instead of scaling a small bitmap up.
QPixmap Render(const QString& path, QSize size, qreal device_pixel_ratio) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid() || size.isEmpty() || device_pixel_ratio <= 0) return {};
  QImage image(size * device_pixel_ratio, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  return pixmap;
}

}  // namespace

QString ImgListPath(int index) {
  if (index < 1 || index > kImgListCount) return {};
  return ResourcePath(kImgListFiles[static_cast<std::size_t>(index - 1)]);
}

QSize ImgListSize(int index) {
  const QString path = ImgListPath(index);
  if (path.isEmpty()) return {};
  return QSvgRenderer(path).defaultSize();
}

QPixmap ImgListPixmap(int index, QSize size, qreal device_pixel_ratio) {
  const QString path = ImgListPath(index);
  if (path.isEmpty()) return {};
  return Render(path, size, device_pixel_ratio);
}

QString LogoPath() { return ResourcePath("logo.svg"); }
QString ProgramIconPath() { return ResourcePath("korvex.svg"); }
QString LinkCursorPath() { return ResourcePath("link_cursor.svg"); }

QPixmap LogoPixmap(QSize size, qreal device_pixel_ratio) {
  return Render(LogoPath(), size, device_pixel_ratio);
}

QIcon ProgramIcon() {
  // Ready renderings rather than the SVG icon engine, so the icon does not depend on an image
  // plugin being installed; QIcon picks the nearest size for a tray, a title bar or a task list.
  QIcon icon;
  for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(Render(ProgramIconPath(), QSize(side, side), 1.0));
  }
  return icon;
}

QCursor LinkCursor(qreal device_pixel_ratio) {
  const qreal ratio = device_pixel_ratio > 0 ? device_pixel_ratio : 1.0;
  const QPixmap pixmap = Render(LinkCursorPath(), QSize(32, 32), ratio);
  // The X11 cursor takes its hot spot in the pixmap's device pixels.
  return QCursor(pixmap, qRound(kLinkCursorHotSpot.x() * ratio),
                 qRound(kLinkCursorHotSpot.y() * ratio));
}

}  // namespace korvex
