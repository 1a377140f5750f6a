#include <QApplication>
#include <QStringList>

#include "app/program.h"
#include "app/qt_clip_player.h"
#include "app/qt_message_box.h"
#include "app/qt_platform_services.h"
#include "mainwindow/qt_tray_icon.h"
#include "resources/pictures/font_mapping.h"
#include "resources/pictures/picture_list.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  korvex::MapWindowsFonts();
  QApplication::setWindowIcon(korvex::ProgramIcon());
  // The program's command line is its arguments joined with single spaces.
  const QString command_line = QApplication::arguments().mid(1).join(QLatin1Char(' '));

  korvex::QtMessageBox message_box;
  korvex::QtClipPlayer clip_player;
  korvex::QtClipboard clipboard;
  korvex::QtDesktopLinks desktop_links;
  korvex::QtClock clock;
  korvex::QtScreen screen;
  korvex::mainwindow::QtTrayIcon tray;
  korvex::Services services;
  services.message_box = &message_box;
  services.clip_player = &clip_player;
  services.clipboard = &clipboard;
  services.desktop_links = &desktop_links;
  services.clock = &clock;
  services.screen = &screen;
  services.tray = &tray;
  korvex::Program program(services);
  if (!program.Start(command_line.toStdString())) return 2;
  if (!program.Running()) return 0;
  return QApplication::exec();
}
