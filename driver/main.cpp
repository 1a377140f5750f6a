#include <QApplication>
#include <QStringList>
#include <iostream>
#include <string>

#include "driver/driver.h"
#include "resources/pictures/font_mapping.h"

int main(int argc, char* argv[]) {
  // The driver needs no display: the same windows run on Qt's offscreen platform.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  korvex::MapWindowsFonts();
  const QString command_line = QApplication::arguments().mid(1).join(QLatin1Char(' '));

  korvex::driver::Driver driver(command_line.toStdString());
  std::string line;
  while (std::getline(std::cin, line)) {
    driver.Execute(line, std::cout);
    std::cout.flush();
  }
  return 0;
}
