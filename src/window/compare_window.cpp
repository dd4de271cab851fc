#include "window/compare_window.h"

#include <QClipboard>
#include <QColor>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>

#include "reports/report_file.h"
#include "text/number_text.h"
#include "text/windows1254_text.h"

namespace vantrel {
namespace {

QTableWidgetItem* cell(const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

QString shown(double value, int decimals) {
  return QString::fromStdString(NumberToText(value, decimals));
}

}  // namespace

CompareWindow::CompareWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CompareWindow"));
  setWindowTitle(QStringLiteral("Compare Methods"));
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("Lbl_CompareCaption"));
  table_ = new QTableWidget(0, 6, this);
  table_->setObjectName(QStringLiteral("Table_Compare"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Method"), QStringLiteral("\u03B1_L0 (deg)"),
                                     QStringLiteral("CmAC"), QStringLiteral("CL"),
                                     QStringLiteral("Cm about xM"), QStringLiteral("Note")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  Cmnd_SaveCompare = new QPushButton(QStringLiteral("Save Table as CSV\u2026"), this);
  Cmnd_SaveCompare->setObjectName(QStringLiteral("Cmnd_SaveCompare"));
  Cmnd_CopyCompare = new QPushButton(QStringLiteral("Copy Table"), this);
  Cmnd_CopyCompare->setObjectName(QStringLiteral("Cmnd_CopyCompare"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Cmnd_CopyCompare);
  buttons->addWidget(Cmnd_SaveCompare);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(980, 420);
  connect(Cmnd_SaveCompare, &QPushButton::clicked, this, &CompareWindow::saveTableChosen);
  connect(Cmnd_CopyCompare, &QPushButton::clicked, this, &CompareWindow::copyTable);
}

QString CompareWindow::saveTable(const QString& fileName) const {
  // Written as the reports are: whole or not at all, never through a symbolic link.
  const std::filesystem::path path(QFile::encodeName(fileName).toStdString());
  if (auto reason = replaceFile(path, csv_)) {
    return QString::fromStdString(reportFailureMessage(path, *reason));
  }
  return QString();
}

void CompareWindow::copyTable() const {
  QGuiApplication::clipboard()->setText(QString::fromStdString(csv_));
}

void CompareWindow::saveTableChosen() {
  const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Save Table as CSV"),
                                                    QStringLiteral("methods.csv"),
                                                    QStringLiteral("CSV table (*.csv)"));
  if (name.isEmpty()) return;
  const QString error = saveTable(name);
  if (!error.isEmpty()) emit messageRequested(error);
}

void CompareWindow::show(const MethodComparison& comparison, const std::string& airfoilName) {
  csv_ = ComparisonCsv(comparison, airfoilName);
  caption_->setText(QStringLiteral("%1 at \u03B1 = %2\u00B0, xM/c = %3")
                        .arg(QString::fromStdString(bytesToUtf8(airfoilName)),
                             shown(comparison.Alfa, 4), shown(comparison.xM, 4)));
  table_->clearSpans();
  table_->setRowCount(static_cast<int>(comparison.rows.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const MethodResult& result = comparison.rows[static_cast<std::size_t>(row)];
    table_->setItem(row, 0, cell(QString::fromStdString(result.method), false));
    table_->setItem(row, 5,
                    cell(result.caution ? QString::fromStdString(*result.caution) : QString(),
                         false));
    if (result.message) {
      table_->setItem(row, 1, cell(QString::fromStdString(*result.message), false));
      table_->setSpan(row, 1, 1, 4);
      continue;
    }
    table_->setItem(row, 1, cell(shown(result.Alfa0, 3), true));
    table_->setItem(row, 2, cell(shown(result.CmAC, 4), true));
    table_->setItem(row, 3, cell(shown(result.CL, 4), true));
    table_->setItem(row, 4, cell(shown(result.Cmx, 4), true));
    // A row whose method cannot represent the line is greyed and italic: its numbers stand, but
    // they are not this airfoil's.
    if (result.caution) {
      for (int column = 0; column < table_->columnCount(); ++column) {
        QTableWidgetItem* item = table_->item(row, column);
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        item->setForeground(QColor(120, 120, 120));
        item->setToolTip(QString::fromStdString(*result.caution));
      }
    }
  }
  QDialog::show();
  raise();
  activateWindow();
}

}  // namespace vantrel
