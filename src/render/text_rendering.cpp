#include "render/text_rendering.h"

#include <QGuiApplication>
#include <cstdio>

namespace vantrel {
namespace {

void onlyFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

TextRendering::TextRendering() {
  if (QCoreApplication::instance() != nullptr) return;
  previousHandler_ = qInstallMessageHandler(onlyFailures);
  // No display is needed to draw text into an image or a drawing.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

TextRendering::~TextRendering() {
  if (!application_) return;
  application_.reset();
  qInstallMessageHandler(previousHandler_);
}

}  // namespace vantrel
