#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "input/nca_parser.h"
#include "survey/airfoil_family.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace vantrel {

class PictureWidget;

// "Analysis › Compare Airfoils": a list of two to eight airfoils (files, the samples, NACA
// designations), their mean lines, thicknesses and lift lines overlaid, and their table at the
// main window's α. The table and each picture can be saved.
class AirfoilsWindow : public QDialog {
  Q_OBJECT

 public:
  explicit AirfoilsWindow(QWidget* parent);

  // Where "Add File…" opens and which samples are offered.
  void setFolders(const QString& fileFolder, const QString& samplesFolder);
  // The airfoil on screen, offered first: put at the head of an empty list.
  void offerAirfoilOnScreen(const AirfoilData& airfoil, const std::string& source);
  // The main window's α: the table and the lift lines follow it.
  void setAlfa(double alfa);

  // Each adds in order and stops at the first refusal, which it shows as a message.
  void addSources(const QStringList& sources);
  void removeSelected();

  // An error text for the user, empty on success.
  QString saveTable(const QString& fileName) const;

  const AirfoilFamily& family() const { return family_; }
  const std::vector<AirfoilRow>& rows() const { return rows_; }
  const QTableWidget* table() const { return table_; }
  const QListWidget* list() const { return list_; }
  PictureWidget* meanLines() const { return meanLines_; }
  PictureWidget* thickness() const { return thickness_; }
  PictureWidget* liftLines() const { return liftLines_; }

  QLineEdit* Text_AirfoilNaca;
  QComboBox* Combo_Samples;
  QComboBox* Combo_AirfoilsPicture;
  QPushButton* Cmnd_AddFile;
  QPushButton* Cmnd_AddSample;
  QPushButton* Cmnd_AddNaca;
  QPushButton* Cmnd_AddOnScreen;
  QPushButton* Cmnd_RemoveAirfoil;
  QPushButton* Cmnd_SaveAirfoilsTable;
  QPushButton* Cmnd_SaveAirfoilsPicture;

 signals:
  void messageRequested(const QString& message);

 private:
  void refresh();
  void showList();
  void showTable();
  void addFileChosen();
  void saveTableChosen();
  void savePictureChosen();

  AirfoilFamily family_;
  std::vector<AirfoilRow> rows_;
  double alfa_ = 0;
  QString fileFolder_;
  std::optional<AirfoilData> onScreen_;
  std::string onScreenSource_;
  QLabel* caption_;
  QListWidget* list_;
  QTableWidget* table_;
  PictureWidget* meanLines_;
  PictureWidget* thickness_;
  PictureWidget* liftLines_;
};

}  // namespace vantrel
