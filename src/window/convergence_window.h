#pragma once

#include <QDialog>
#include <optional>

#include "input/nca_parser.h"
#include "lessons/convergence_study.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vantrel {

class PictureWidget;

// "Analysis › Convergence Study…": the range of panels and the angle, Run (with a progress dialog
// and Cancel), then the table and the log-log plot, each of which can be saved.
class ConvergenceWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ConvergenceWindow(QWidget* parent);

  // Prepares a study of the airfoil on screen, named `label`, at the angle `alfa`; a NACA section
  // typed in the window can be studied instead.
  void prepare(const AirfoilData& airfoil, const QString& label, double alfa);
  // Runs the study with the settings in the fields; shows a refusal as a message. Returns
  // whether a table came out (a cancelled study leaves the previous one).
  bool run();

  // Each returns an error text for the user, empty on success.
  QString saveTable(const QString& fileName) const;

  const std::optional<ConvergenceStudy>& study() const { return study_; }
  const QTableWidget* table() const { return table_; }
  const QLabel* caption() const { return caption_; }
  const QLabel* legend() const { return legend_; }
  PictureWidget* plot() const { return plot_; }

  QLineEdit* Text_From;
  QLineEdit* Text_To;
  QLineEdit* Text_StudyAlfa;
  QRadioButton* Opt_StudyOnScreen;
  QRadioButton* Opt_StudyNaca;
  QLineEdit* Text_StudyNaca;
  QPushButton* Cmnd_Run;
  QPushButton* Cmnd_SaveTable;
  QPushButton* Cmnd_SavePlot;

 signals:
  void messageRequested(const QString& message);

 private:
  std::optional<ConvergenceSettings> settingsFromFields();
  void showStudy();
  void saveTableChosen();
  void savePlotChosen();

  void showWhatIsStudied();
  void keepCaptionWhole();
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::optional<AirfoilData> airfoil_;
  QString label_;
  QLabel* caption_;
  QLabel* legend_;
  QTableWidget* table_;
  PictureWidget* plot_;
  std::optional<ConvergenceStudy> study_;
};

}  // namespace vantrel
