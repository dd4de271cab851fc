#pragma once

#include <QGroupBox>
#include <QMap>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace vantrel {

// The file panel: a drive list (the file-system roots and mounted volumes), a folder list (the
// path from the root down to the current folder, then its subfolders) and the list of airfoil
// files in that folder. Nothing is listed until the panel is first shown.
class FilePanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit FilePanel(QWidget* parent);

  QComboBox* Drive1() const { return drive_; }
  QListWidget* Dir1() const { return folders_; }
  QListWidget* File1() const { return files_; }

  // The folder of the folder list, which the file list shows.
  QString folder() const { return folder_; }
  // Fills the lists on first use, refreshes them later. The first folder is the remembered one
  // when it still exists, else the process's current folder when it holds airfoil files, else
  // the samples.
  void prepareToShow();
  void setRememberedFolder(const QString& path) { rememberedFolder_ = path; }
  void setSamplesFolder(const QString& path) { samplesFolder_ = path; }

  // Where the sample airfoils are: installed under the data folder beside the program, or in the
  // source tree of a build; empty when neither is there.
  static QString installedSamples();
  // Opens a folder as the folder list does; a folder that cannot be read is refused with a
  // message and the panel stays where it was. Returns whether the folder was opened.
  bool openFolder(const QString& path);

  static QStringList airfoilFilePatterns();

 signals:
  void fileChosen(const QString& folder, const QString& fileName);
  void messageRequested(const QString& message);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Drive1_Change(int index);
  void Dir1_Change();
  void fillDrives();
  void fillFolderList();
  void fillFileList();
  void selectDriveOf(const QString& path);
  QString driveOf(const QString& path) const;
  void folderItemOpened(QListWidgetItem* item);
  void fileItemChosen(QListWidgetItem* item);

  QComboBox* drive_;
  QListWidget* folders_;
  QListWidget* files_;
  QString folder_;
  // The folder last open on each drive, so choosing a drive returns there.
  QMap<QString, QString> driveFolders_;
  bool prepared_ = false;
  QString rememberedFolder_;
  QString samplesFolder_;
};

}  // namespace vantrel
