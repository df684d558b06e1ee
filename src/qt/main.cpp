#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  quillor::TForm1 form(arguments.size() > 1 ? arguments[1].toStdString() : std::string());
  form.show();
  return application.exec();
}
