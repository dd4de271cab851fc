#pragma once

#include <QDialog>

#include <string>

#include "lessons/compare_methods.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vantrel {

// "Analysis › Compare Methods": one row per method, columns α_L0, CmAC, CL, Cm about xM and a
// note on rows whose method cannot represent the mean line; the table can be saved and copied.
class CompareWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CompareWindow(QWidget* parent);

  // `airfoilName` is the name as read.
  void show(const MethodComparison& comparison, const std::string& airfoilName);
  const QTableWidget* table() const { return table_; }
  // The table as CSV, to a file (an error text for the user, empty on success) or the clipboard.
  QString saveTable(const QString& fileName) const;
  void copyTable() const;

  QPushButton* Cmnd_SaveCompare;
  QPushButton* Cmnd_CopyCompare;

 signals:
  void messageRequested(const QString& message);

 private:
  void saveTableChosen();

  QLabel* caption_;
  QTableWidget* table_;
  std::string csv_;
};

}  // namespace vantrel
