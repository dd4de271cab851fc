#include "window/airfoils_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "panel/panel_method.h"
#include "reports/report_file.h"
#include "survey/family_pictures.h"
#include "text/number_text.h"
#include "window/file_panel.h"
#include "window/picture_export.h"
#include "window/picture_widget.h"

namespace vantrel {
namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
  auto* push = new QPushButton(caption, parent);
  push->setObjectName(QString::fromLatin1(name));
  return push;
}

PictureWidget* picture(const char* name, QWidget* parent) {
  auto* widget = new PictureWidget(QSize(int(kFamilyPictureWidth), int(kFamilyPictureHeight)), parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setMinimumSize(220, 150);
  // The legend and the values belong to these pictures: they are always drawn.
  widget->setAxesShown(true);
  return widget;
}

void showPicture(PictureWidget* widget, FamilyPicture shown) {
  widget->box() = std::move(shown.picture);
  widget->setAxesStyle(shown.axes);
  widget->update();
}

// A value that rounds to zero shows as zero, without the sign of a tiny negative value.
QString number(double value, char format, int precision) {
  QString text = QString::number(value, format, precision);
  if (text.startsWith('-') && text.count(QRegularExpression(QStringLiteral("[1-9]"))) == 0) {
    text.remove(0, 1);
  }
  return text;
}

QString utf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

AirfoilsWindow::AirfoilsWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AirfoilsWindow"));
  setWindowTitle(QStringLiteral("Compare Airfoils"));
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("Lbl_AirfoilsCaption"));
  caption_->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("List_Airfoils"));
  list_->setMaximumHeight(120);
  Text_AirfoilNaca = new QLineEdit(QStringLiteral("2412"), this);
  Text_AirfoilNaca->setObjectName(QStringLiteral("Text_AirfoilNaca"));
  Text_AirfoilNaca->setMaximumWidth(90);
  Combo_Samples = new QComboBox(this);
  Combo_Samples->setObjectName(QStringLiteral("Combo_Samples"));
  Cmnd_AddFile = button(QStringLiteral("Add File\u2026"), "Cmnd_AddFile", this);
  Cmnd_AddSample = button(QStringLiteral("Add Sample"), "Cmnd_AddSample", this);
  Cmnd_AddNaca = button(QStringLiteral("Add NACA"), "Cmnd_AddNaca", this);
  Cmnd_AddOnScreen = button(QStringLiteral("Add the Airfoil on Screen"), "Cmnd_AddOnScreen", this);
  Cmnd_RemoveAirfoil = button(QStringLiteral("Remove"), "Cmnd_RemoveAirfoil", this);
  Cmnd_SaveAirfoilsTable =
      button(QStringLiteral("Save Table as CSV\u2026"), "Cmnd_SaveAirfoilsTable", this);
  Combo_AirfoilsPicture = new QComboBox(this);
  Combo_AirfoilsPicture->setObjectName(QStringLiteral("Combo_AirfoilsPicture"));
  Combo_AirfoilsPicture->addItems(
      {QStringLiteral("Mean lines"), QStringLiteral("Thickness"), QStringLiteral("Lift lines")});
  Cmnd_SaveAirfoilsPicture =
      button(QStringLiteral("Save Picture\u2026"), "Cmnd_SaveAirfoilsPicture", this);
  meanLines_ = picture("Picture_MeanLines", this);
  thickness_ = picture("Picture_Thickness", this);
  liftLines_ = picture("Picture_LiftLines", this);
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("Table_Airfoils"));
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  auto* adding = new QGridLayout;
  adding->addWidget(Cmnd_AddOnScreen, 0, 0);
  adding->addWidget(Cmnd_AddFile, 0, 1);
  adding->addWidget(Combo_Samples, 1, 0);
  adding->addWidget(Cmnd_AddSample, 1, 1);
  adding->addWidget(Text_AirfoilNaca, 2, 0, Qt::AlignRight);
  adding->addWidget(Cmnd_AddNaca, 2, 1);
  adding->addWidget(Cmnd_RemoveAirfoil, 3, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(adding);
  auto* pictures = new QHBoxLayout;
  for (PictureWidget* widget : {meanLines_, thickness_, liftLines_}) pictures->addWidget(widget);
  auto* saving = new QHBoxLayout;
  saving->addStretch();
  saving->addWidget(Cmnd_SaveAirfoilsTable);
  saving->addWidget(Combo_AirfoilsPicture);
  saving->addWidget(Cmnd_SaveAirfoilsPicture);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addLayout(top);
  layout->addLayout(pictures, 3);
  layout->addWidget(table_, 2);
  layout->addLayout(saving);
  resize(1200, 820);

  connect(Cmnd_AddFile, &QPushButton::clicked, this, &AirfoilsWindow::addFileChosen);
  connect(Cmnd_AddSample, &QPushButton::clicked, this, [this] {
    addSources({Combo_Samples->currentData().toString()});
  });
  const auto addNaca = [this] { addSources({Text_AirfoilNaca->text().trimmed()}); };
  connect(Cmnd_AddNaca, &QPushButton::clicked, this, addNaca);
  connect(Text_AirfoilNaca, &QLineEdit::returnPressed, this, addNaca);
  connect(Cmnd_AddOnScreen, &QPushButton::clicked, this, [this] {
    if (!onScreen_) return;
    if (auto refused = family_.addAirfoil(*onScreen_, onScreenSource_)) {
      emit messageRequested(utf8(*refused));
    }
    refresh();
  });
  connect(Cmnd_RemoveAirfoil, &QPushButton::clicked, this, &AirfoilsWindow::removeSelected);
  connect(Cmnd_SaveAirfoilsTable, &QPushButton::clicked, this, &AirfoilsWindow::saveTableChosen);
  connect(Cmnd_SaveAirfoilsPicture, &QPushButton::clicked, this,
          &AirfoilsWindow::savePictureChosen);
  for (PictureWidget* widget : {meanLines_, thickness_, liftLines_}) {
    connect(widget, &PictureWidget::messageRequested, this, &AirfoilsWindow::messageRequested);
  }
  Cmnd_AddOnScreen->setEnabled(false);
  refresh();
}

void AirfoilsWindow::setFolders(const QString& fileFolder, const QString& samplesFolder) {
  fileFolder_ = fileFolder;
  Combo_Samples->clear();
  if (samplesFolder.isEmpty()) return;
  const QDir samples(samplesFolder);
  for (const QFileInfo& file :
       samples.entryInfoList(FilePanel::airfoilFilePatterns(), QDir::Files, QDir::Name)) {
    Combo_Samples->addItem(file.fileName(), file.absoluteFilePath());
  }
  Cmnd_AddSample->setEnabled(Combo_Samples->count() > 0);
}

void AirfoilsWindow::offerAirfoilOnScreen(const AirfoilData& airfoil, const std::string& source) {
  onScreen_ = airfoil;
  onScreenSource_ = source;
  Cmnd_AddOnScreen->setEnabled(true);
  if (family_.members().empty()) {
    family_.addAirfoil(airfoil, source);
    refresh();
  }
}

void AirfoilsWindow::setAlfa(double alfa) {
  if (alfa == alfa_) return;
  alfa_ = alfa;
  refresh();
}

void AirfoilsWindow::addSources(const QStringList& sources) {
  for (const QString& source : sources) {
    if (auto refused = family_.add(QFile::encodeName(source).toStdString())) {
      emit messageRequested(utf8(*refused));
      break;
    }
  }
  refresh();
}

void AirfoilsWindow::removeSelected() {
  const int row = list_->currentRow();
  if (row < 0) return;
  family_.remove(static_cast<std::size_t>(row));
  refresh();
  list_->setCurrentRow(std::min(row, list_->count() - 1));
}

void AirfoilsWindow::refresh() {
  rows_ = family_.rows(alfa_);
  showList();
  showPicture(meanLines_, meanLinesPicture(family_));
  showPicture(thickness_, thicknessPicture(family_));
  showPicture(liftLines_, liftLinesPicture(family_, rows_, alfa_));
  showTable();
  const std::size_t count = family_.members().size();
  QString caption = QStringLiteral(
                        "Thin-airfoil theory by numerical integration at the main window's "
                        "\u03B1 = %1\u00B0; the panel method on %2 panels.")
                        .arg(utf8(NumberToText(alfa_)))
                        .arg(kDefaultPanels);
  if (count < kFamilyLeast) {
    caption += QStringLiteral(" Add %1 airfoils to compare (%2 at most).")
                   .arg(count == 0 ? QStringLiteral("two") : QStringLiteral("one more"))
                   .arg(kFamilyMost);
  }
  caption_->setText(caption);
  Cmnd_RemoveAirfoil->setEnabled(count > 0);
  Cmnd_SaveAirfoilsTable->setEnabled(count > 0);
  Cmnd_SaveAirfoilsPicture->setEnabled(count > 0);
}

void AirfoilsWindow::showList() {
  const int current = list_->currentRow();
  list_->clear();
  const auto& members = family_.members();
  for (std::size_t i = 0; i < members.size(); ++i) {
    QString text = utf8(members[i].label);
    if (!members[i].airfoil) text += QStringLiteral(" (cannot be read)");
    auto* item = new QListWidgetItem(text, list_);
    const Rgb color = familyColor(i);
    item->setForeground(QColor(color.r, color.g, color.b));
    item->setToolTip(QString::fromStdString(members[i].source));
  }
  if (current >= 0 && current < list_->count()) list_->setCurrentRow(current);
}

void AirfoilsWindow::showTable() {
  table_->clear();
  table_->setColumnCount(11);
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("Airfoil"), QStringLiteral("max camber"), QStringLiteral("at x/c"),
       QStringLiteral("max thickness"), QStringLiteral("at x/c"), QStringLiteral("\u03B1_L0 (\u00B0)"),
       QStringLiteral("CmAC"), QStringLiteral("CL"), QStringLiteral("panel CL"),
       QStringLiteral("panel CL\u03B1 (/rad)"), QStringLiteral("message")});
  table_->setRowCount(static_cast<int>(rows_.size()));
  const auto& members = family_.members();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const AirfoilRow& row = rows_[i];
    const int r = static_cast<int>(i);
    const auto set = [&](int column, const QString& text) {
      table_->setItem(r, column, new QTableWidgetItem(text));
    };
    set(0, utf8(members[i].label));
    if (row.read) {
      set(1, number(row.camber, 'f', 4));
      set(2, number(row.xCamber, 'f', 3));
      set(3, number(row.thickness, 'f', 4));
      set(4, number(row.xThickness, 'f', 3));
    }
    if (row.computed) {
      set(5, number(row.Alfa0, 'f', 3));
      set(6, number(row.CmAC, 'f', 4));
      set(7, number(row.CL, 'f', 4));
    }
    if (row.panelCL) set(8, number(*row.panelCL, 'f', 4));
    if (row.panelCLalpha) set(9, number(*row.panelCLalpha, 'f', 3));
    set(10, utf8(row.message));
    table_->item(r, 10)->setToolTip(utf8(row.message));
  }
  table_->resizeColumnsToContents();
}

QString AirfoilsWindow::saveTable(const QString& fileName) const {
  // Written as the reports are: whole or not at all, never through a symbolic link.
  const std::filesystem::path path(QFile::encodeName(fileName).toStdString());
  if (auto reason = replaceFile(path, airfoilTableCsv(rows_))) {
    return QString::fromStdString(reportFailureMessage(path, *reason));
  }
  return QString();
}

void AirfoilsWindow::addFileChosen() {
  const QStringList names = QFileDialog::getOpenFileNames(
      this, QStringLiteral("Add Airfoil Files"), fileFolder_,
      QStringLiteral("Airfoil files (%1)").arg(FilePanel::airfoilFilePatterns().join(' ')));
  if (!names.isEmpty()) addSources(names);
}

void AirfoilsWindow::saveTableChosen() {
  const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save Table as CSV"),
                                                    QStringLiteral("airfoils.csv"),
                                                    QStringLiteral("CSV table (*.csv)"));
  if (name.isEmpty()) return;
  const QString error = saveTable(name);
  if (!error.isEmpty()) emit messageRequested(error);
}

void AirfoilsWindow::savePictureChosen() {
  PictureWidget* chosen[] = {meanLines_, thickness_, liftLines_};
  PictureWidget* widget = chosen[std::clamp(Combo_AirfoilsPicture->currentIndex(), 0, 2)];
  // The legend is what tells the airfoils apart: a saved picture always carries it.
  const QString error = savePictureWithDialogs(
      this, widget->box(), widget->objectName(), widget->exportSize(),
      [widget](const QSize& size, bool) { return widget->layersFor(size, true); });
  if (!error.isEmpty()) emit messageRequested(error);
}

}  // namespace vantrel
