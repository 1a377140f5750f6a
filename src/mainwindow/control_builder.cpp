#include "mainwindow/control_builder.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "mainwindow/picture_button.h"
#include "mainwindow/twips.h"
#include "resources/pictures/picture_list.h"

namespace korvex::mainwindow {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ColourText(const Colour& colour) {
  if (!colour.system.empty()) return Text(colour.system);
  return QStringLiteral("%1,%2,%3").arg(colour.red).arg(colour.green).arg(colour.blue);
}

// Only the layout's RGB colours change the palette; system colours are the desktop's own.
void SetRole(QWidget& widget, QPalette::ColorRole role, const Colour& colour) {
  if (!colour.system.empty()) return;
  QPalette palette = widget.palette();
  palette.setColor(role, QColor(colour.red, colour.green, colour.blue));
  widget.setPalette(palette);
}

QWidget* MakeWidget(const ControlLayout& layout, QWidget* parent) {
  switch (layout.kind) {
    case ControlKind::Outline: {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::Box);
      frame->setLineWidth(1);
      frame->setAttribute(Qt::WA_TransparentForMouseEvents);
      SetRole(*frame, QPalette::WindowText, layout.color);
      return frame;
    }
    case ControlKind::Strip: {
      auto* strip = new QFrame(parent);
      strip->setAutoFillBackground(true);
      return strip;
    }
    case ControlKind::Display:
    case ControlKind::FramedBox: {
      auto* box = new QLineEdit(parent);
      box->setReadOnly(true);
      box->setFrame(layout.kind == ControlKind::FramedBox);
      box->setAlignment(layout.centred ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter));
      box->setCursor(Qt::ArrowCursor);
      box->setContextMenuPolicy(Qt::NoContextMenu);
      SetRole(*box, QPalette::Text, layout.color);
      SetRole(*box, QPalette::Base, layout.back);
      if (!layout.back.system.empty()) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        box->setPalette(palette);
      }
      return box;
    }
    case ControlKind::Picture: {
      auto* picture = new PictureButton(parent);
      if (layout.link_pointer) picture->setCursor(LinkCursor(picture->devicePixelRatioF()));
      return picture;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(Text(layout.caption), parent);
      return label;
    }
    case ControlKind::Combo: {
      auto* combo = new QComboBox(parent);
      const auto& items = layout.name == "Combo_Cut"
                              ? std::span<const std::string_view>(kCutItemList)
                              : std::span<const std::string_view>(kDotItemList);
      for (std::string_view item : items) combo->addItem(Text(item));
      SetRole(*combo, QPalette::Base, layout.back);
      return combo;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(Text(layout.caption), parent);
      button->setFocusPolicy(Qt::NoFocus);
      return button;
    }
  }
  return nullptr;
}

}  // namespace

QString FontText(std::string_view family, double points, bool bold) {
  QString text = Text(family) + QLatin1Char(' ') + QString::number(points);
  if (bold) text += QStringLiteral(" bold");
  return text;
}

void ApplyFont(QWidget& widget, std::string_view family, double points, bool bold) {
  QFont font(Text(family));
  font.setPointSizeF(points);
  font.setBold(bold);
  widget.setFont(font);
  widget.setProperty(kFontProperty, FontText(family, points, bold));
}

void ApplyTextColour(QWidget& widget, int red, int green, int blue) {
  SetRole(widget, QPalette::Text, Colour{{}, red, green, blue});
  widget.setProperty(kColorProperty, QStringLiteral("%1,%2,%3").arg(red).arg(green).arg(blue));
}

QWidget* BuildControl(const ControlLayout& layout, QWidget* parent) {
  QWidget* widget = MakeWidget(layout, parent);
  widget->setObjectName(Text(layout.name));
  SetTwipsGeometry(*widget, QRect(layout.left, layout.top, layout.width, layout.height));
  if (!layout.tooltip.empty()) widget->setToolTip(Text(layout.tooltip));
  if (!layout.font_family.empty())
    ApplyFont(*widget, layout.font_family, layout.font_points, layout.bold);
  if (layout.kind != ControlKind::Strip && layout.kind != ControlKind::Picture)
    widget->setProperty(kColorProperty, ColourText(layout.color));
  widget->setProperty(kBackProperty, ColourText(layout.back));
  if (auto* picture = qobject_cast<PictureButton*>(widget)) {
    if (layout.picture < 0)
      picture->ShowLogo();
    else
      picture->ShowPicture(layout.picture);
  }
  widget->setVisible(layout.visible);
  return widget;
}

}  // namespace korvex::mainwindow
