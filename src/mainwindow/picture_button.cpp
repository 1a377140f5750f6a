#include "mainwindow/picture_button.h"

#include <QMouseEvent>

#include "resources/pictures/picture_list.h"

namespace korvex::mainwindow {

PictureButton::PictureButton(QWidget* parent) : QLabel(parent) {
  setMouseTracking(true);
  setScaledContents(true);
}

void PictureButton::ShowPicture(int index) {
  setProperty(kPictureProperty, index);
  setPixmap(ImgListPixmap(index, size(), devicePixelRatioF()));
}

void PictureButton::ShowLogo() {
  setProperty(kPictureProperty, QStringLiteral("logo"));
  setPixmap(LogoPixmap(size(), devicePixelRatioF()));
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QLabel::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release over the picture, as with a button.
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
  pressed_ = false;
  if (click) emit clicked();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  emit hovered();
  QLabel::mouseMoveEvent(event);
}

}  // namespace korvex::mainwindow
