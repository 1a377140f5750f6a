#include "font_mapping.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace korvex {
namespace {

// Sans-serif fonts with simplified Han characters, best first: the Windows face where a
// desktop has it, then the families Debian and other distributions ship.
QStringList CjkSans() {
  return {QStringLiteral("Microsoft YaHei"),     QStringLiteral("Noto Sans CJK SC"),
          QStringLiteral("Source Han Sans SC"),  QStringLiteral("Source Han Sans CN"),
          QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
          QStringLiteral("Droid Sans Fallback")};
}

// Song (Ming) style fonts; where none is installed the sans list above still gives every
// character a glyph.
QStringList CjkSerif() {
  return {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
          QStringLiteral("Source Han Serif CN"), QStringLiteral("AR PL UMing CN"),
          QStringLiteral("AR PL SungtiL GB")};
}

}  // namespace

// The windows name the Windows fonts they were laid out with; a desktop without them would
// otherwise get whatever Qt's default match gives. It runs once the QApplication exists and
// before the first widget: a font Qt has resolved once stays cached as it was resolved.
void MapWindowsFonts() {
  // Qt tries a family's substitutes in order and falls back through the same list glyph by
  // glyph. DejaVu Sans therefore comes before every CJK font: digits, Latin letters and signs
  // stay on it (WenQuanYi's digits are visibly smaller at the same size), and only characters
  // it lacks, the Han text and the full-width operator signs, go on to a CJK font.
  const QString latin = QStringLiteral("DejaVu Sans");
  const QStringList sans = CjkSans();

  QFont::insertSubstitutions(QStringLiteral("Verdana"), QStringList{latin} + sans);
  QFont::insertSubstitutions(QStringLiteral("Tahoma"), QStringList{latin} + sans);
  // The Windows faces themselves come first: where a desktop has them, their own digits fit
  // their Han characters.
  QFont::insertSubstitutions(QStringLiteral("微软雅黑"),
                             QStringList{QStringLiteral("Microsoft YaHei"), latin} + sans);
  QFont::insertSubstitutions(QStringLiteral("宋体"),
                             QStringList{QStringLiteral("SimSun"), latin} + CjkSerif() + sans);
}

}  // namespace korvex
