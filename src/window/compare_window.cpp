#include "window/compare_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "text/number_text.h"

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
  table_ = new QTableWidget(0, 5, this);
  table_->setObjectName(QStringLiteral("Table_Compare"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Method"), QStringLiteral("\u03B1_L0 (deg)"),
                                     QStringLiteral("CmAC"), QStringLiteral("CL"),
                                     QStringLiteral("Cm about xM")});
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption_);
  layout->addWidget(table_);
  resize(760, 400);
}

void CompareWindow::show(const MethodComparison& comparison, const QString& airfoilName) {
  caption_->setText(QStringLiteral("%1 at \u03B1 = %2\u00B0, xM/c = %3")
                        .arg(airfoilName, shown(comparison.Alfa, 4), shown(comparison.xM, 4)));
  table_->clearSpans();
  table_->setRowCount(static_cast<int>(comparison.rows.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const MethodResult& result = comparison.rows[static_cast<std::size_t>(row)];
    table_->setItem(row, 0, cell(QString::fromStdString(result.method), false));
    if (result.message) {
      table_->setItem(row, 1, cell(QString::fromStdString(*result.message), false));
      table_->setSpan(row, 1, 1, 4);
      continue;
    }
    table_->setItem(row, 1, cell(shown(result.Alfa0, 3), true));
    table_->setItem(row, 2, cell(shown(result.CmAC, 4), true));
    table_->setItem(row, 3, cell(shown(result.CL, 4), true));
    table_->setItem(row, 4, cell(shown(result.Cmx, 4), true));
  }
  QDialog::show();
  raise();
  activateWindow();
}

}  // namespace vantrel
