#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  quillor::TForm1 form(arguments.size() > 1 ? arguments[1].toStdString() : std::string());
  form.show();
  // Without a window manager (a kiosk, a test server) nobody activates the
  // window, and its shortcuts would wait for the first click.
  form.activateWindow();
  return application.exec();
}
