#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "mainwindow/layout_table.h"

namespace korvex::mainwindow {

/// Dynamic properties that keep how a control was laid out: its font
/// ("Verdana 36 bold") and its text and background colours as "R,G,B" or a system colour's name.
inline constexpr char kFontProperty[] = "layoutFont";
inline constexpr char kColorProperty[] = "layoutColor";
inline constexpr char kBackProperty[] = "layoutBack";

/// The font text of the layout: family, points, and " bold" where bold.
QString FontText(std::string_view family, double points, bool bold);

/// Gives `widget` the font and remembers its text.
void ApplyFont(QWidget& widget, std::string_view family, double points, bool bold);

/// Sets the text colour of `widget` to red, green and blue and remembers it.
void ApplyTextColour(QWidget& widget, int red, int green, int blue);

/// Builds the widget of one control of the main window as `parent`'s child.
QWidget* BuildControl(const ControlLayout& layout, QWidget* parent);

}  // namespace korvex::mainwindow
