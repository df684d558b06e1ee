#include <QApplication>

#include "qt/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quillor::TForm1 form;
  form.show();
  return application.exec();
}
