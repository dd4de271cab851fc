#pragma once

#include <QDialog>
#include <optional>

#include "panel/panel_lesson.h"

class QLabel;
class QTableWidget;

namespace vantrel {

class PictureWidget;

// "Analysis › Thickness and Pressure": the panel method's pressure on both surfaces beside
// thin-airfoil theory's pressure difference, and a table of the two theories side by side.
class PanelWindow : public QDialog {
  Q_OBJECT

 public:
  explicit PanelWindow(QWidget* parent);

  // `airfoilName` is UTF-8.
  void show(PanelLesson lesson, const QString& airfoilName);
  // The main window's angle moved: the sums of the two solutions give the new one at once.
  void followAlfa(double alfaDegrees);

  const std::optional<PanelLesson>& lesson() const { return lesson_; }
  const QTableWidget* table() const { return table_; }
  PictureWidget* plot() const { return plot_; }

 signals:
  void messageRequested(const QString& message);

 private:
  void showLesson();

  QString airfoilName_;
  QLabel* caption_;
  QLabel* legend_;
  QTableWidget* table_;
  PictureWidget* plot_;
  std::optional<PanelLesson> lesson_;
};

}  // namespace vantrel
