#include <QApplication>
#include <QIcon>

#include "window/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("QEB-Vantrel"));
  QApplication::setDesktopFileName(QStringLiteral("qeb-vantrel"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/qeb-vantrel.svg")));
  vantrel::Form1 form;
  form.show();
  return QApplication::exec();
}
