#include "window/busy_work.h"

#include <QApplication>
#include <QEvent>
#include <QProgressDialog>
#include <algorithm>
#include <cmath>

namespace vantrel {
namespace {

// Often enough for the window to feel alive, seldom enough to cost the work nothing.
constexpr qint64 kEventInterval = 40;
constexpr int kSteps = 1000;

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

BusyWork::BusyWork(QWidget* window, int delayMs) : window_(window), delayMs_(delayMs) {
  started_.start();
  sinceEvents_.start();
  qApp->installEventFilter(this);
}

BusyWork::~BusyWork() {
  // What was clicked or typed while long work ran is dropped here, before input flows again.
  if (dialog_ || started_.elapsed() >= delayMs_) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  if (dialog_) {
    QApplication::restoreOverrideCursor();
    delete dialog_;
  }
  qApp->removeEventFilter(this);
}

bool BusyWork::proceed(double fractionDone) {
  if (cancelled_) return false;
  if (!dialog_ && started_.elapsed() < delayMs_) return true;
  const bool firstTime = !dialog_;
  if (firstTime) showDialog();
  dialog_->setValue(static_cast<int>(std::lround(std::clamp(fractionDone, 0.0, 1.0) * kSteps)));
  if (firstTime || sinceEvents_.elapsed() >= kEventInterval) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceEvents_.restart();
  }
  if (dialog_ && dialog_->wasCanceled()) cancelled_ = true;
  return !cancelled_;
}

void BusyWork::showDialog() {
  emit progressShown();
  QApplication::setOverrideCursor(Qt::BusyCursor);
  dialog_ = new QProgressDialog(QStringLiteral("Computing\u2026"), QStringLiteral("Cancel"), 0,
                                kSteps, window_);
  dialog_->setObjectName(QStringLiteral("BusyProgress"));
  dialog_->setWindowTitle(QStringLiteral("QEB-Vantrel"));
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setMinimumDuration(0);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->show();
}

bool BusyWork::meantForTheDialog(QObject* watched) const {
  if (!dialog_) return false;
  for (QObject* object = watched; object != nullptr; object = object->parent()) {
    if (object == dialog_) return true;
  }
  return false;
}

bool BusyWork::eventFilter(QObject* watched, QEvent* event) {
  if (inputLetThrough_ > 0) return QObject::eventFilter(watched, event);
  // Input reaches a window system window first and its widget afterwards; it is stopped at the
  // widget, and shortcuts wherever they go, so the dialog alone hears the user.
  const bool shortcut =
      event->type() == QEvent::Shortcut || event->type() == QEvent::ShortcutOverride;
  const bool stopped = shortcut || (isInput(event->type()) && watched->isWidgetType());
  if (stopped && !meantForTheDialog(watched)) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
