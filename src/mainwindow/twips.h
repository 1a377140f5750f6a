#pragma once

#include <QRect>
#include <QVariant>
#include <QWidget>

namespace korvex::mainwindow {

/// The dynamic property that holds a widget's geometry as laid out in twips.
inline constexpr char kTwipsProperty[] = "twipsGeometry";

/// A rectangle in twips as logical pixels, each figure rounded to the nearest pixel.
QRect TwipsToPixels(const QRect& twips);

/// Places `widget` at `twips` and remembers the twips figures beside the pixels.
void SetTwipsGeometry(QWidget& widget, const QRect& twips);

/// The widget's geometry in twips: the remembered figures while the pixels still match them,
/// otherwise the pixels times 15. A window reports its outer frame on the screen.
QRect TwipsGeometry(const QWidget& widget);

}  // namespace korvex::mainwindow
