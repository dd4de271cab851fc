#pragma once

#include <QDialog>

#include "lessons/compare_methods.h"

class QLabel;
class QTableWidget;

namespace vantrel {

// "Analysis › Compare Methods": one row per method, columns α_L0, CmAC, CL and Cm about xM.
class CompareWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CompareWindow(QWidget* parent);

  // `airfoilName` is UTF-8.
  void show(const MethodComparison& comparison, const QString& airfoilName);
  const QTableWidget* table() const { return table_; }

 private:
  QLabel* caption_;
  QTableWidget* table_;
};

}  // namespace vantrel
