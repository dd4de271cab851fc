#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>

#include "state/progress.h"

class QWidget;

namespace vantrel {

// One user action that may run long, seen from the window. It is a Progress: once the work has
// run for `delayMs`, a busy cursor and a modal dialog with the fraction done and Cancel appear,
// and the window is repainted while the work goes on. Throughout the action, input meant for
// anything but that dialog is dropped, so nothing clicked or typed meanwhile runs afterwards.
class BusyWork : public QObject, public Progress {
  Q_OBJECT

 public:
  BusyWork(QWidget* window, int delayMs);
  ~BusyWork() override;
  BusyWork(const BusyWork&) = delete;
  BusyWork& operator=(const BusyWork&) = delete;

  bool proceed(double fractionDone) override;
  // Whether the dialog was shown, and so the window was kept alive, during the action.
  bool showedProgress() const { return dialog_ != nullptr; }
  // While a message box of the action is open, the user answers it as usual; and the window's
  // own letting go of a held scroll bar goes through.
  void letInputThrough() { ++inputLetThrough_; }
  void stopInputAgain() { --inputLetThrough_; }

 signals:
  // The dialog is about to appear: the window lets go of anything held down.
  void progressShown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showDialog();
  bool meantForTheDialog(QObject* watched) const;

  QWidget* window_;
  int delayMs_;
  QElapsedTimer started_;
  QElapsedTimer sinceEvents_;
  QPointer<QProgressDialog> dialog_;
  bool cancelled_ = false;
  int inputLetThrough_ = 0;
};

}  // namespace vantrel
