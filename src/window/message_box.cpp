#include "window/message_box.h"

#include <QMessageBox>

#include "state/messages.h"

namespace vantrel {

void showProgramMessage(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kProgramTitle), message, QMessageBox::Ok,
                  parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace vantrel
