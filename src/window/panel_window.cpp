#include "window/panel_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "text/number_text.h"
#include "window/picture_widget.h"

namespace vantrel {
namespace {

QTableWidgetItem* cell(const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

// A value that is not a number is shown as a dash, never as "nan".
QString shown(double value, int decimals) {
  if (!std::isfinite(value)) return QStringLiteral("\u2014");
  return QString::fromStdString(NumberToText(value, decimals));
}

QString legendText() {
  return QStringLiteral(
      "<span style='color:#0000ff'>\u2014 \u2212Cp, upper surface</span>&nbsp;&nbsp; "
      "<span style='color:#ff0000'>\u2014 \u2212Cp, lower surface</span>&nbsp;&nbsp; "
      "<span style='color:#000000'>\u2014 \u0394Cp = Cp lower \u2212 Cp upper, thin-airfoil "
      "theory (twice the load)</span>; the panel method's \u0394Cp is the gap between its two "
      "curves");
}

}  // namespace

PanelWindow::PanelWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("PanelWindow"));
  setWindowTitle(QStringLiteral("Thickness and Pressure"));
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("Lbl_PanelCaption"));
  caption_->setWordWrap(true);
  plot_ = new PictureWidget(QSize(600, 300), this);
  plot_->setObjectName(QStringLiteral("Picture_Pressure"));
  plot_->setMinimumSize(450, 240);
  plot_->setAxesStyle(pressureAxesStyle());
  plot_->setAxesShown(true);
  legend_ = new QLabel(legendText(), this);
  legend_->setWordWrap(true);
  table_ = new QTableWidget(0, 4, this);
  table_->setObjectName(QStringLiteral("Table_Panel"));
  table_->setHorizontalHeaderLabels({QString(), QStringLiteral("Thin-airfoil theory"),
                                     QStringLiteral("Panel method"),
                                     QStringLiteral("Difference (%)")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setMaximumHeight(150);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(plot_, 1);
  layout->addWidget(legend_);
  layout->addWidget(table_);
  resize(760, 620);
  connect(plot_, &PictureWidget::messageRequested, this, &PanelWindow::messageRequested);
}

void PanelWindow::show(PanelLesson lesson, const QString& airfoilName) {
  lesson_ = std::move(lesson);
  airfoilName_ = airfoilName;
  showLesson();
  QDialog::show();
  raise();
  activateWindow();
}

void PanelWindow::followAlfa(double alfaDegrees) {
  if (!lesson_ || lesson_->Alfa == alfaDegrees) return;
  lesson_->moveTo(alfaDegrees);
  showLesson();
}

void PanelWindow::showLesson() {
  const PanelLesson& lesson = *lesson_;
  caption_->setText(QStringLiteral("%1 at \u03B1 = %2\u00B0: vortex panel method on %3 panels "
                                   "(the whole outline) against thin-airfoil theory (numerical "
                                   "integration, the camber line alone)")
                        .arg(airfoilName_, shown(lesson.Alfa, 4))
                        .arg(lesson.panel.panels()));
  const auto rows = lessonRows(lesson);
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const LessonRow& values = rows[static_cast<std::size_t>(row)];
    table_->setItem(row, 0, cell(QString::fromStdString(values.quantity), false));
    if (lesson.thin) {
      table_->setItem(row, 1, cell(shown(values.thin, 4), true));
    } else {
      table_->setItem(row, 1, cell(QString::fromStdString(lesson.thinMessage), false));
    }
    table_->setItem(row, 2, cell(shown(values.panel, 4), true));
    table_->setItem(row, 3,
                    cell(lesson.thin && values.differencePercent
                             ? shown(*values.differencePercent, 1)
                             : QStringLiteral("\u2014"),
                         true));
  }
  plot_->box() = pressurePicture(lesson);
  plot_->update();
}

}  // namespace vantrel
