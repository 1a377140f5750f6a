// Draws every picture of the program on one PNG sheet, at its own size on the window's
// button-face grey and enlarged, so the artwork can be judged without starting the calculator.
// Usage: korvex-picture-sheet OUT.png

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <cstdio>

#include "resources/pictures/font_mapping.h"
#include "resources/pictures/picture_list.h"

namespace {

constexpr int kZoom = 3;
const QColor kButtonFace(240, 240, 240);

const char* const kRoles[korvex::kImgListCount] = {
    "voice off",     "voice on",    "copy off",   "copy on",      "paste off",
    "paste on",      "mortgage",    "expression", "(unused)",     "history",
    "thousand off",  "thousand on", "minimize",   "minimize hov", "mini mode",
    "mini mode hov", "exit",        "exit hover", "two rows off", "two rows on",
};

// One cell: the caption, the picture at 1:1 and at kZoom, the enlarged one rendered afresh at
// that density rather than scaled, as a high-density screen would show it.
void DrawCell(QPainter& p, QPoint at, const QString& caption, const QPixmap& small,
              const QPixmap& large) {
  p.setPen(Qt::black);
  p.drawText(at + QPoint(0, 12), caption);
  p.drawPixmap(at + QPoint(0, 20), small);
  p.drawPixmap(at + QPoint(0, 24) + QPoint(0, small.height() / int(small.devicePixelRatio())),
               large);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  korvex::MapWindowsFonts();
  if (argc != 2) {
    std::fprintf(stderr, "usage: korvex-picture-sheet OUT.png\n");
    return 2;
  }
  QImage sheet(1180, 990, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(kButtonFace);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));

  // The image list, ten to a row.
  for (int n = 1; n <= korvex::kImgListCount; ++n) {
    const QSize size = korvex::ImgListSize(n);
    const QPoint at(10 + ((n - 1) % 10) * 116, 10 + ((n - 1) / 10) * 170);
    DrawCell(p, at, QStringLiteral("%1 %2").arg(n).arg(QLatin1String(kRoles[n - 1])),
             korvex::ImgListPixmap(n, size), korvex::ImgListPixmap(n, size * kZoom));
  }

  // The tool row and title buttons as the window shows them at load, then with every switch on
  // and a hovered title button, at 1:1 and at double density.
  const int y = 360;
  p.drawText(10, y, QStringLiteral("tool row and title buttons at load / switches on, hover"));
  const int at_load[] = {19, 10, 8, 7, 11, 1, 3, 5};
  const int all_on[] = {20, 10, 8, 7, 12, 2, 4, 6};
  for (int dpr = 1; dpr <= 2; ++dpr) {
    for (int row = 0; row < 2; ++row) {
      const int* pictures = row == 0 ? at_load : all_on;
      const int top = y + 10 + (dpr - 1) * 90 + row * 40 * dpr;
      const int left = 10;
      for (int i = 0; i < 8; ++i) {
        p.drawPixmap(left + i * 40 * dpr, top,
                     korvex::ImgListPixmap(pictures[i], QSize(32, 32) * dpr));
      }
      const int titles[] = {row == 0 ? 13 : 14, row == 0 ? 15 : 16, row == 0 ? 17 : 18};
      for (int i = 0; i < 3; ++i) {
        p.drawPixmap(left + 8 * 40 * dpr + 10 + i * 32 * dpr, top,
                     korvex::ImgListPixmap(titles[i], QSize(31, 17) * dpr));
      }
    }
  }

  // The logo, the icon at the sizes desktops use, the link pointer with its hot spot marked.
  const int y2 = 630;
  p.drawText(10, y2, QStringLiteral("logo"));
  p.drawPixmap(10, y2 + 10, korvex::LogoPixmap(QSize(95, 27)));
  p.drawPixmap(10, y2 + 45, korvex::LogoPixmap(QSize(95, 27) * kZoom));
  p.drawText(330, y2, QStringLiteral("icon 16 / 22 / 32 / 48 / 64 / 128 / 256"));
  const QIcon icon = korvex::ProgramIcon();
  int x = 330;
  for (const int side : {16, 22, 32, 48, 64, 128}) {
    p.drawPixmap(x, y2 + 10, icon.pixmap(side, side));
    x += side + 8;
  }
  p.drawPixmap(x, y2 + 10, icon.pixmap(256, 256).scaled(200, 200));
  const int cx = 880;
  p.drawText(cx, y2, QStringLiteral("link pointer, hot spot in red"));
  const QCursor cursor = korvex::LinkCursor();
  p.drawPixmap(cx, y2 + 10, cursor.pixmap());
  QPixmap big = korvex::LinkCursor(kZoom).pixmap();
  big.setDevicePixelRatio(1.0);  // shown enlarged, not at the pointer's logical size
  const QPoint origin(cx + 50, y2 + 10);
  p.drawPixmap(origin, big);
  const QPoint hot = origin + korvex::kLinkCursorHotSpot * kZoom;
  p.setPen(QPen(Qt::red, 1));
  p.drawLine(hot - QPoint(6, 0), hot + QPoint(6, 0));
  p.drawLine(hot - QPoint(0, 6), hot + QPoint(0, 6));

  // The window's fonts by their Windows names, as this desktop shows them.
  struct Sample {
    const char* family;
    qreal points;
    bool bold;
    const char* text;
  };
  const Sample samples[] = {
      {"Verdana", 36, true, "1,234,567.89"},
      {"Verdana", 21.75, true, "7 8 9 ÷ ＋ － × ＝"},
      {"微软雅黑", 9, false, "小数处理: 不作处理 直接舍去 四舍五入  保留小数: 0 1 2 3 4"},
      {"Tahoma", 10.5, false, "M 1,234.5  版本：5.0.232  贷款总额 300000 元"},
      {"宋体", 18, true, "＋ － × ÷   宋体 10.5: 月供 1234.56 元"},
  };
  int ty = 790;
  for (const Sample& s : samples) {
    QFont font(QString::fromUtf8(s.family));
    font.setPointSizeF(s.points);
    font.setBold(s.bold);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    p.setPen(Qt::darkGray);
    p.drawText(10, ty + 14, QString::fromUtf8(s.family) + QStringLiteral(" %1").arg(s.points));
    p.setFont(font);
    p.setPen(QColor(0, 0, 192));
    const QFontMetrics metrics(font);
    p.drawText(110, ty + metrics.ascent(), QString::fromUtf8(s.text));
    ty += metrics.height() + 4;
  }
  p.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "korvex-picture-sheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
