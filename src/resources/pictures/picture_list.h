#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>

namespace korvex {

/// Number of pictures in the main window's image list `ImgList`, numbered from 1.
inline constexpr int kImgListCount = 20;

/// Hot spot of the link pointer in logical pixels of its 32 × 32 picture: the index fingertip.
inline constexpr QPoint kLinkCursorHotSpot{10, 2};

/// Resource path of `ImgList` picture `index` (1 to 20); empty outside that range.
QString ImgListPath(int index);

/// Size in logical pixels that `ImgList` picture `index` is drawn for: its control's size.
QSize ImgListSize(int index);

/// `ImgList` picture `index` rendered at `size` logical pixels; null outside 1 to 20.
QPixmap ImgListPixmap(int index, QSize size, qreal device_pixel_ratio = 1.0);

/// Resource paths of the logo, the program icon and the link pointer's picture.
QString LogoPath();
QString ProgramIconPath();
QString LinkCursorPath();

/// The logo shown at the left under the display, rendered at `size` logical pixels.
QPixmap LogoPixmap(QSize size, qreal device_pixel_ratio = 1.0);

/// The program's icon, with renderings at the sizes desktops and notification areas ask for.
QIcon ProgramIcon();

/// The hand pointer over links and tool pictures, drawn for `device_pixel_ratio`.
QCursor LinkCursor(qreal device_pixel_ratio = 1.0);

}  // namespace korvex
