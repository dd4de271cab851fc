#include "window/file_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

namespace vantrel {
namespace {

constexpr int kPathRole = Qt::UserRole;

QStringList driveRoots() {
  QStringList roots;
  for (const QFileInfo& drive : QDir::drives()) roots << QDir::cleanPath(drive.absoluteFilePath());
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Containers bind-mount single files too; only folders can be browsed.
    if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()) {
      roots << QDir::cleanPath(volume.rootPath());
    }
  }
  roots.removeDuplicates();
  std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  return roots;
}

bool lies(const QString& path, const QString& root) {
  if (root.endsWith(QLatin1Char('/'))) return path.startsWith(root);
  return path == root || path.startsWith(root + QLatin1Char('/'));
}

bool holdsAirfoilFiles(const QString& path) {
  return !QDir(path)
              .entryList({QStringLiteral("*.nca"), QStringLiteral("*.dat")}, QDir::Files)
              .isEmpty();
}

QString nameOfFolder(const QDir& dir) {
  return dir.isRoot() ? QDir::toNativeSeparators(dir.absolutePath()) : dir.dirName();
}

}  // namespace

FilePanel::FilePanel(QWidget* parent)
    : QGroupBox(parent),
      drive_(new QComboBox(this)),
      folders_(new QListWidget(this)),
      files_(new QListWidget(this)) {
  drive_->setObjectName(QStringLiteral("Drive1"));
  folders_->setObjectName(QStringLiteral("Dir1"));
  files_->setObjectName(QStringLiteral("File1"));
  setAutoFillBackground(true);  // the panel covers the plots beneath it
  files_->setSelectionMode(QAbstractItemView::SingleSelection);
  files_->installEventFilter(this);
  connect(drive_, &QComboBox::activated, this, &FilePanel::Drive1_Change);
  connect(folders_, &QListWidget::itemActivated, this, &FilePanel::folderItemOpened);
  connect(files_, &QListWidget::itemClicked, this, &FilePanel::fileItemChosen);
}

QStringList FilePanel::airfoilFilePatterns() {
  return {QStringLiteral("*.nca"), QStringLiteral("*.dat")};
}

QString FilePanel::installedSamples() {
  QStringList candidates = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("qeb-vantrel/samples"),
                                                     QStandardPaths::LocateDirectory);
  candidates << QCoreApplication::applicationDirPath() +
                    QStringLiteral("/../share/qeb-vantrel/samples");
#ifdef VANTREL_SOURCE_SAMPLES
  candidates << QStringLiteral(VANTREL_SOURCE_SAMPLES);
#endif
  for (const QString& candidate : candidates) {
    if (holdsAirfoilFiles(candidate)) return QDir(candidate).canonicalPath();
  }
  return {};
}

void FilePanel::prepareToShow() {
  if (!prepared_) {
    prepared_ = true;
    fillDrives();
    QString first = QDir::currentPath();
    if (!rememberedFolder_.isEmpty() && QDir(rememberedFolder_).exists()) {
      first = rememberedFolder_;
    } else if (!holdsAirfoilFiles(first) && !samplesFolder_.isEmpty()) {
      first = samplesFolder_;
    }
    if (!openFolder(first) && !openFolder(QDir::currentPath())) openFolder(QDir::rootPath());
    return;
  }
  // Files may have come or gone since the panel was last open; the folder stays the same.
  fillDrives();
  selectDriveOf(folder_);
  fillFolderList();
  fillFileList();
}

bool FilePanel::openFolder(const QString& path) {
  const QString clean = QDir::cleanPath(QDir(path).absolutePath());
  const QFileInfo info(clean);
  if (!info.isDir() || !info.isReadable() || !QDir(clean).isReadable()) {
    emit messageRequested(
        QStringLiteral("The folder \"%1\" cannot be opened.").arg(QDir::toNativeSeparators(clean)));
    return false;
  }
  folder_ = clean;
  driveFolders_[driveOf(folder_)] = folder_;
  selectDriveOf(folder_);
  fillFolderList();
  Dir1_Change();
  return true;
}

void FilePanel::Drive1_Change(int index) {
  const QString root = drive_->itemData(index, kPathRole).toString();
  const QString target = driveFolders_.value(root, root);
  if (!openFolder(target)) selectDriveOf(folder_);
}

void FilePanel::Dir1_Change() {
  fillFileList();
}

void FilePanel::fillDrives() {
  const QSignalBlocker blocker(drive_);
  drive_->clear();
  for (const QString& root : driveRoots()) {
    drive_->addItem(QDir::toNativeSeparators(root), root);
  }
}

QString FilePanel::driveOf(const QString& path) const {
  QString best = QDir::rootPath();
  for (int i = 0; i < drive_->count(); ++i) {
    const QString root = drive_->itemData(i, kPathRole).toString();
    if (lies(path, root) && root.size() > best.size()) best = root;
  }
  return QDir::cleanPath(best);
}

void FilePanel::selectDriveOf(const QString& path) {
  const QSignalBlocker blocker(drive_);
  const int index = drive_->findData(driveOf(path), kPathRole);
  if (index >= 0) drive_->setCurrentIndex(index);
}

void FilePanel::fillFolderList() {
  folders_->clear();
  QStringList chain;
  for (QDir dir(folder_);; dir.cdUp()) {
    chain.prepend(dir.absolutePath());
    if (dir.isRoot()) break;
  }
  const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);
  int depth = 0;
  for (const QString& path : chain) {
    auto* item = new QListWidgetItem(
        openIcon, QString(depth * 2, QLatin1Char(' ')) + nameOfFolder(QDir(path)));
    item->setData(kPathRole, path);
    folders_->addItem(item);
    ++depth;
  }
  folders_->setCurrentRow(folders_->count() - 1);
  const QStringList subfolders = QDir(folder_).entryList(
      QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
  for (const QString& name : subfolders) {
    auto* item = new QListWidgetItem(closedIcon, QString(depth * 2, QLatin1Char(' ')) + name);
    item->setData(kPathRole, QDir(folder_).filePath(name));
    folders_->addItem(item);
  }
}

void FilePanel::fillFileList() {
  files_->clear();
  const QDir dir(folder_);
  // Each pattern keeps its own block, the program's own files first.
  for (const QString& pattern : airfoilFilePatterns()) {
    files_->addItems(
        dir.entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware));
  }
}

void FilePanel::folderItemOpened(QListWidgetItem* item) {
  if (item) openFolder(item->data(kPathRole).toString());
}

void FilePanel::fileItemChosen(QListWidgetItem* item) {
  if (item) emit fileChosen(folder_, item->text());
}

bool FilePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == files_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        files_->currentItem()) {
      fileItemChosen(files_->currentItem());
      return true;
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace vantrel
