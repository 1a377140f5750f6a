#include <QApplication>
#include <QStringList>

#include "app/program.h"
#include "app/qt_message_box.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The program's command line is its arguments joined with single spaces.
  const QString command_line = QApplication::arguments().mid(1).join(QLatin1Char(' '));

  korvex::QtMessageBox message_box;
  korvex::Services services;
  services.message_box = &message_box;
  korvex::Program program(services);
  if (!program.Start(command_line.toStdString())) return 2;
  if (!program.Running()) return 0;
  return QApplication::exec();
}
