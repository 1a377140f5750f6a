#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>
#include <memory>
#include <set>
#include <string>

#include "resources/pictures/font_mapping.h"
#include "resources/pictures/picture_list.h"

namespace korvex {
namespace {

// Pixmaps and fonts need a GUI application. It lives for the whole run and ends before the
// program exits, so Qt releases its font engines and the leak check sees none of them.
class GuiApplication : public ::testing::Environment {
 public:
  void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[14] = "pictures_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kGuiApplication =
    ::testing::AddGlobalTestEnvironment(new GuiApplication);

// The number of pixels that are not fully transparent.
int PaintedPixels(const QPixmap& pixmap) {
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  int painted = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 0) ++painted;
    }
  }
  return painted;
}

// The pixels that differ between two renderings of the same size.
int DifferentPixels(const QPixmap& a, const QPixmap& b) {
  const QImage ia = a.toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage ib = b.toImage().convertToFormat(QImage::Format_ARGB32);
  int different = 0;
  for (int y = 0; y < ia.height(); ++y) {
    for (int x = 0; x < ia.width(); ++x) {
      if (ia.pixel(x, y) != ib.pixel(x, y)) ++different;
    }
  }
  return different;
}

// The size of the control that shows each picture: tool row 480 × 480 twips, title buttons
// 465 × 255, at 15 twips to the pixel.
QSize ControlSize(int index) { return index >= 13 && index <= 18 ? QSize(31, 17) : QSize(32, 32); }

TEST(Pictures, EveryImgListPictureIsDrawnForItsControlAndRenders) {
  for (int n = 1; n <= kImgListCount; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(ImgListSize(n), ControlSize(n));
    for (const qreal dpr : {1.0, 2.0}) {
      const QPixmap pixmap = ImgListPixmap(n, ControlSize(n), dpr);
      ASSERT_FALSE(pixmap.isNull());
      EXPECT_EQ(pixmap.size(), ControlSize(n) * dpr);
      EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
      // Well more than a stray outline: a third of the control at least.
      EXPECT_GT(PaintedPixels(pixmap), pixmap.width() * pixmap.height() / 3);
    }
  }
}

TEST(Pictures, IndexesOutsideTheListGiveNothing) {
  for (const int n : {0, -1, kImgListCount + 1}) {
    EXPECT_TRUE(ImgListPath(n).isEmpty());
    EXPECT_TRUE(ImgListPixmap(n, QSize(32, 32)).isNull());
  }
}

TEST(Pictures, SwitchAndHoverPairsAreClearlyDifferent) {
  // Off and on of each switch, and each title button at rest and under the mouse.
  const int pairs[][2] = {{1, 2}, {3, 4}, {5, 6}, {11, 12}, {19, 20}, {13, 14}, {15, 16}, {17, 18}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair[0]);
    const QSize size = ControlSize(pair[0]);
    const QPixmap first = ImgListPixmap(pair[0], size);
    const QPixmap second = ImgListPixmap(pair[1], size);
    // Not a detail: the colour changes over most of the picture.
    EXPECT_GT(DifferentPixels(first, second), size.width() * size.height() / 2);
  }
}

TEST(Pictures, LogoIconAndLinkPointerRender) {
  const QPixmap logo = LogoPixmap(QSize(95, 27), 2.0);
  ASSERT_FALSE(logo.isNull());
  EXPECT_EQ(logo.size(), QSize(190, 54));
  EXPECT_GT(PaintedPixels(logo), 0);

  const QIcon icon = ProgramIcon();
  ASSERT_FALSE(icon.isNull());
  for (const int side : {16, 32, 256}) {
    const QPixmap pixmap = icon.pixmap(side, side);
    EXPECT_EQ(pixmap.size(), QSize(side, side));
    EXPECT_GT(PaintedPixels(pixmap), side * side / 2);
  }

  const QCursor cursor = LinkCursor();
  ASSERT_FALSE(cursor.pixmap().isNull());
  EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
  EXPECT_EQ(cursor.hotSpot(), kLinkCursorHotSpot);
  // The hot spot lies on the fingertip's outline, not on empty space beside the hand.
  const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_GT(qAlpha(image.pixel(kLinkCursorHotSpot)), 0);
}

// The fonts that show characters `from` to `from + length` of `text` laid out in `family`.
std::set<std::string> FontsOf(const QString& family, const QString& text, int from, int length) {
  QTextLayout layout(text, QFont(family, 12));
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  std::set<std::string> fonts;
  for (const QGlyphRun& run : layout.glyphRuns(from, length)) {
    // Glyph 0 is a font's empty box: a character that no font at hand could show.
    for (const quint32 glyph : run.glyphIndexes()) EXPECT_NE(glyph, 0u);
    fonts.insert(run.rawFont().familyName().toLower().toStdString());
  }
  return fonts;
}

TEST(Pictures, WindowsFontsKeepDigitsLatinAndShowChinese) {
  MapWindowsFonts();
  // Where the Windows faces are installed they show their own digits, as they were made to.
  const bool windows_cjk = QFontDatabase::hasFamily(QStringLiteral("Microsoft YaHei")) ||
                           QFontDatabase::hasFamily(QStringLiteral("SimSun"));
  // A display's digits, a label's text and a result with its unit: digits, Han characters and a
  // full-width sign side by side.
  const QString text = QString::fromUtf8("1234.56 小数处理：＋");
  const std::set<std::string> latin{"dejavu sans"};
  for (const char* family : {"Verdana", "Tahoma", "微软雅黑", "宋体"}) {
    SCOPED_TRACE(family);
    const QString name = QString::fromUtf8(family);
    const std::set<std::string> digits = FontsOf(name, text, 0, 7);
    const std::set<std::string> han = FontsOf(name, text, 8, 4);
    ASSERT_EQ(digits.size(), 1u);
    ASSERT_EQ(han.size(), 1u);
    if (!windows_cjk) {
      EXPECT_EQ(digits, latin);
    }
    EXPECT_NE(han, latin);
    FontsOf(name, text, 12, 2);  // the full-width colon and plus have glyphs too
  }
}

}  // namespace
}  // namespace korvex
