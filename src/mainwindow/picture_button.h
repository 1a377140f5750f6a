#pragma once

#include <QLabel>

namespace korvex::mainwindow {

/// The dynamic property that names the picture an image shows: its ImgList index, or "logo".
inline constexpr char kPictureProperty[] = "picture";

/// A picture the user clicks: the title buttons, the tool row and the logo.
class PictureButton : public QLabel {
  Q_OBJECT
 public:
  explicit PictureButton(QWidget* parent);

  /// Shows ImgList picture `index` (1 to 20) at the control's size.
  void ShowPicture(int index);
  /// Shows the logo.
  void ShowLogo();

 signals:
  void clicked();
  void hovered();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace korvex::mainwindow
