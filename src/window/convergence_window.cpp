#include "window/convergence_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "lessons/convergence_table.h"
#include "lessons/study_fields.h"
#include "plot/log_log_plot.h"
#include "reports/report_file.h"
#include "text/number_text.h"
#include "window/picture_export.h"
#include "window/picture_widget.h"

namespace vantrel {
namespace {

constexpr int kProgressSteps = 1000;

QLineEdit* field(const QString& text, const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaximumWidth(90);
  return edit;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
  auto* push = new QPushButton(caption, parent);
  push->setObjectName(QString::fromLatin1(name));
  return push;
}

}  // namespace

ConvergenceWindow::ConvergenceWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ConvergenceWindow"));
  setWindowTitle(QStringLiteral("Convergence Study"));
  caption_ = new QLabel(this);
  Text_From = field(QStringLiteral("10"), "Text_From", this);
  Text_To = field(QStringLiteral("2560"), "Text_To", this);
  Text_StudyAlfa = field(QStringLiteral("4"), "Text_StudyAlfa", this);
  Opt_StudyOnScreen = new QRadioButton(QStringLiteral("The airfoil on screen"), this);
  Opt_StudyOnScreen->setObjectName(QStringLiteral("Opt_StudyOnScreen"));
  Opt_StudyOnScreen->setChecked(true);
  Opt_StudyNaca = new QRadioButton(QStringLiteral("NACA section"), this);
  Opt_StudyNaca->setObjectName(QStringLiteral("Opt_StudyNaca"));
  Text_StudyNaca = field(QStringLiteral("2412"), "Text_StudyNaca", this);
  Cmnd_Run = button(QStringLiteral("Run"), "Cmnd_Run", this);
  Cmnd_SaveTable = button(QStringLiteral("Save Table as CSV\u2026"), "Cmnd_SaveTable", this);
  Cmnd_SavePlot = button(QStringLiteral("Save Picture\u2026"), "Cmnd_SavePlot", this);
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("Table_Convergence"));
  table_->verticalHeader()->hide();
  plot_ = new PictureWidget(QSize(600, 400), this);
  plot_->setObjectName(QStringLiteral("Picture_Convergence"));
  plot_->setMinimumSize(450, 300);
  plot_->setAxesStyle(ConvergenceAxesStyle());
  plot_->setAxesShown(true);
  legend_ = new QLabel(QString::fromStdString(convergencePlotExplanation()), this);
  legend_->setWordWrap(true);

  auto* sources = new QHBoxLayout;
  sources->addWidget(Opt_StudyOnScreen);
  sources->addWidget(Opt_StudyNaca);
  sources->addWidget(Text_StudyNaca);
  sources->addStretch();
  auto* settings = new QHBoxLayout;
  settings->addWidget(new QLabel(QStringLiteral("Panels from"), this));
  settings->addWidget(Text_From);
  settings->addWidget(new QLabel(QStringLiteral("to"), this));
  settings->addWidget(Text_To);
  settings->addWidget(new QLabel(QStringLiteral("\u03B1 (deg)"), this));
  settings->addWidget(Text_StudyAlfa);
  settings->addWidget(Cmnd_Run);
  settings->addStretch();
  settings->addWidget(Cmnd_SaveTable);
  settings->addWidget(Cmnd_SavePlot);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addLayout(sources);
  layout->addLayout(settings);
  layout->addWidget(table_, 1);
  layout->addWidget(plot_, 2);
  layout->addWidget(legend_);
  resize(980, 820);

  connect(Cmnd_Run, &QPushButton::clicked, this, &ConvergenceWindow::run);
  connect(Cmnd_SaveTable, &QPushButton::clicked, this, &ConvergenceWindow::saveTableChosen);
  connect(Cmnd_SavePlot, &QPushButton::clicked, this, &ConvergenceWindow::savePlotChosen);
  connect(plot_, &PictureWidget::messageRequested, this, &ConvergenceWindow::messageRequested);
  connect(Opt_StudyOnScreen, &QRadioButton::toggled, this, &ConvergenceWindow::showWhatIsStudied);
  connect(Text_StudyNaca, &QLineEdit::textChanged, this, &ConvergenceWindow::showWhatIsStudied);
  caption_->setWordWrap(true);
  caption_->setObjectName(QStringLiteral("Lbl_StudyCaption"));
  caption_->installEventFilter(this);
  Cmnd_SaveTable->setEnabled(false);
  Cmnd_SavePlot->setEnabled(false);
}

void ConvergenceWindow::prepare(const AirfoilData& airfoil, const QString& label, double alfa) {
  // Another airfoil, or the same one with another flap, makes the last table stale.
  if (!airfoil_ || airfoil_->AirfoilName != airfoil.AirfoilName || label != label_) {
    study_.reset();
    table_->clear();
    table_->setRowCount(0);
    plot_->box() = PictureBox(Rgb{255, 255, 255});
    plot_->update();
    Cmnd_SaveTable->setEnabled(false);
    Cmnd_SavePlot->setEnabled(false);
  }
  airfoil_ = airfoil;
  label_ = label;
  Opt_StudyOnScreen->setText(QStringLiteral("The airfoil on screen: %1").arg(label));
  Text_StudyAlfa->setText(QString::fromStdString(NumberToText(alfa)));
  showWhatIsStudied();
}

// Says which mean line the next run takes and, after a run, which one the table shows.
void ConvergenceWindow::showWhatIsStudied() {
  const std::optional<ConvergenceStudy>& study = study_;
  const QString text = QString::fromStdString(
      studyCaption(Opt_StudyNaca->isChecked(), Text_StudyNaca->text().toStdString(),
                   label_.toStdString(), study ? &*study : nullptr));
  caption_->setText(text);
  keepCaptionWhole();
}

// A wrapped label gets the height its first layout gave it, whatever its text; the caption is
// held at the height its lines need at its present width, so the table and plot take the rest.
void ConvergenceWindow::keepCaptionWhole() {
  // Measured from the text, not by the label, whose measure never falls below its present height.
  const QMargins margins = caption_->contentsMargins();
  const int width = caption_->width() - margins.left() - margins.right() - 2 * caption_->margin();
  if (width <= 0) return;
  const int needed =
      caption_->fontMetrics()
          .boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, caption_->text())
          .height() +
      margins.top() + margins.bottom() + 2 * caption_->margin();
  if (needed != caption_->minimumHeight()) caption_->setFixedHeight(needed);
}

bool ConvergenceWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == caption_ && event->type() == QEvent::Resize) keepCaptionWhole();
  return QDialog::eventFilter(watched, event);
}

std::optional<ConvergenceSettings> ConvergenceWindow::settingsFromFields() {
  const StudyFields fields{Text_From->text().toStdString(),
                           Text_To->text().toStdString(),
                           Text_StudyAlfa->text().toStdString(),
                           Opt_StudyNaca->isChecked(),
                           Text_StudyNaca->text().toStdString(),
                           label_.toStdString(),
                           airfoil_};
  auto settings = studySettingsFromFields(fields);
  if (const auto* refused = std::get_if<std::string>(&settings)) {
    emit messageRequested(QString::fromStdString(*refused));
    return std::nullopt;
  }
  return std::get<ConvergenceSettings>(std::move(settings));
}

bool ConvergenceWindow::run() {
  const auto settings = settingsFromFields();
  if (!settings) return false;
  QProgressDialog progress(QStringLiteral("Running the convergence study\u2026"),
                           QStringLiteral("Cancel"), 0, kProgressSteps, this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  const auto keepGoing = [&progress](double fraction) {
    progress.setValue(static_cast<int>(std::lround(fraction * kProgressSteps)));
    QCoreApplication::processEvents();
    return !progress.wasCanceled();
  };
  QApplication::setOverrideCursor(Qt::BusyCursor);
  auto result = runConvergenceStudy(*settings, keepGoing);
  QApplication::restoreOverrideCursor();
  progress.reset();
  if (const auto* refusal = std::get_if<StudyRefusal>(&result)) {
    emit messageRequested(QString::fromStdString(refusal->message));
    return false;
  }
  if (std::holds_alternative<StudyCancelled>(result)) return false;
  study_ = std::get<ConvergenceStudy>(std::move(result));
  showStudy();
  return true;
}

void ConvergenceWindow::showStudy() {
  QStringList headers;
  for (const std::string& header : convergenceTableHeaders())
    headers << QString::fromStdString(header);
  const auto cells = convergenceTableCells(*study_);
  table_->clear();
  table_->setColumnCount(static_cast<int>(headers.size()));
  table_->setHorizontalHeaderLabels(headers);
  table_->setRowCount(static_cast<int>(cells.size()));
  for (std::size_t row = 0; row < cells.size(); ++row) {
    for (std::size_t column = 0; column < cells[row].size(); ++column) {
      table_->setItem(static_cast<int>(row), static_cast<int>(column),
                      new QTableWidgetItem(QString::fromStdString(cells[row][column])));
    }
  }
  table_->resizeColumnsToContents();
  plot_->box() = ConvergencePlot(*study_);
  plot_->update();
  showWhatIsStudied();
  Cmnd_SaveTable->setEnabled(true);
  Cmnd_SavePlot->setEnabled(true);
}

QString ConvergenceWindow::saveTable(const QString& fileName) const {
  if (!study_) return QString();
  // Written as the reports are: whole or not at all, never through a symbolic link.
  const std::filesystem::path path(QFile::encodeName(fileName).toStdString());
  if (auto reason = replaceFile(path, ConvergenceCsv(*study_))) {
    return QString::fromStdString(reportFailureMessage(path, *reason));
  }
  return QString();
}

void ConvergenceWindow::saveTableChosen() {
  const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save Table as CSV"),
                                                    QStringLiteral("convergence.csv"),
                                                    QStringLiteral("CSV table (*.csv)"));
  if (name.isEmpty()) return;
  const QString error = saveTable(name);
  if (!error.isEmpty()) emit messageRequested(error);
}

void ConvergenceWindow::savePlotChosen() {
  // Values, titles and the legend are what makes the plot readable: a saved picture always
  // carries them.
  const QString error = savePictureWithDialogs(
      this, plot_->box(), QStringLiteral("convergence"), QSize(1800, 1200),
      [this](const QSize& size, bool) { return plot_->layersFor(size, true); });
  if (!error.isEmpty()) emit messageRequested(error);
}

}  // namespace vantrel
