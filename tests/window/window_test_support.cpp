#include "window_test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <variant>

#include "input/naca.h"
#include "surface/picture_box.h"
#include "window/file_panel.h"
#include "window/form1.h"
#include "window/picture_widget.h"

namespace vantrel::testing {

ScratchFolder::ScratchFolder() : previous_(QDir::currentPath()) {
  QDir::setCurrent(folder_.path());
}

ScratchFolder::~ScratchFolder() {
  QDir::setCurrent(previous_);
}

QStringList ScratchFolder::entries() const {
  return QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void writeNacaFile(const QString& fileName, const QString& name, int digits, int stations) {
  auto airfoil =
      nacaAirfoil(QString::number(digits).rightJustified(4, '0').toStdString(), stations);
  QVERIFY2(airfoil.has_value(), qPrintable(fileName));
  airfoil->name = name.toStdString();
  writeTextFile(fileName, QByteArray::fromStdString(nacaDataFile(*airfoil)));
}

void writeTextFile(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(fileName));
  file.write(bytes);
}

QByteArray readFileBytes(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

MessageLog::MessageLog(Form1& form) {
  form.setMessagePresenter([this](const QString& message) { messages_ << message; });
}

void useFreshSettings() {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("qeb-vantrel-tests"));
  QSettings().clear();
}

namespace {

// Hexadecimal floating point: every bit of a value shows.
QString bits(double value) {
  return QString::asprintf("%a", value);
}

QString operationText(const PlotOp& operation) {
  if (const auto* scale = std::get_if<ScaleOp>(&operation)) {
    return "scale " + bits(scale->x1) + " " + bits(scale->y1) + " " + bits(scale->x2) + " " +
           bits(scale->y2);
  }
  if (const auto* line = std::get_if<LineOp>(&operation)) {
    const QString color =
        line->color ? QString::asprintf("%d,%d,%d", line->color->r, line->color->g, line->color->b)
                    : QStringLiteral("fore");
    return "line " + bits(line->x1) + " " + bits(line->y1) + " " + bits(line->x2) + " " +
           bits(line->y2) + " " + color;
  }
  const auto& circle = std::get<CircleOp>(operation);
  return "circle " + bits(circle.x) + " " + bits(circle.y) + " " + bits(circle.r);
}

}  // namespace

WindowSnapshot::WindowSnapshot(const Form1& form) : ortak(form.ortak()) {
  const Form1Widgets& w = form.widgets();
  for (QLineEdit* box :
       {w.Text_Alfa0, w.Text_CmAC, w.Text_CL, w.Text_Cmx, w.Text_Alfa, w.Text_xM, w.Text_N}) {
    controls << box->objectName() + "=" + box->text();
  }
  for (QLabel* label : {w.Lbl_Airfoil, w.Lbl_LSQ, w.Lbl_Degree}) {
    controls << label->objectName() + "=" + label->text() + (label->isVisible() ? "" : " hidden");
  }
  for (QWidget* panel : std::initializer_list<QWidget*>{w.Frame_IOWindow, w.Frame_LeastSquares}) {
    controls << panel->objectName() + (panel->isVisible() ? " shown" : " hidden");
  }
  controls << QString::number(w.HScroll_Alfa->value()) << QString::number(w.HScroll_xM->value());
  for (Picture picture : kAllPictures) {
    const PictureBox& box = form.pictureWidget(picture)->box();
    QString list = QString::fromLatin1(nameOf(picture));
    for (const PlotOp& operation : box.operations()) list += "\n" + operationText(operation);
    displayLists << list;
  }
  coordinateReport = readFileBytes(QStringLiteral("Vantrel.txt"));
  resultsLog = readFileBytes(QStringLiteral("Poly5.txt"));
  status = form.statusText();
}

WindowSession::WindowSession() {
  form.show();
}

bool WindowSession::exposed() {
  return QTest::qWaitForWindowExposed(&form);
}

QStringList itemTexts(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

namespace {

QListWidgetItem* findItem(QListWidget* list, const QString& text) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->text().trimmed() == text) return list->item(row);
  }
  return nullptr;
}

}  // namespace

bool clickItem(QListWidget* list, const QString& text) {
  QListWidgetItem* item = findItem(list, text);
  if (!item) return false;
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  return true;
}

bool doubleClickItem(QListWidget* list, const QString& text) {
  QListWidgetItem* item = findItem(list, text);
  if (!item) return false;
  list->scrollToItem(item);
  const QPoint centre = list->visualItemRect(item).center();
  // A double click arrives after a press and release, as from a real mouse.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
  return true;
}

bool resizeSurfaceTo(Form1& form, const QSize& size) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    const QSize missing = size - form.centralWidget()->size();
    if (missing.isNull()) return true;
    form.resize(form.size() + missing);
    QCoreApplication::processEvents();
  }
  return form.centralWidget()->size() == size;
}

void chooseAirfoil(Form1& form, const QString& folder, const QString& fileName) {
  form.menu().Mn_Airfoil->trigger();
  QVERIFY(form.widgets().Frame_IOWindow->openFolder(folder));
  QVERIFY2(clickItem(form.widgets().Frame_IOWindow->File1(), fileName), qPrintable(fileName));
}

void WindowTestCase::init() {
  window_ = std::make_unique<WindowSession>();
  QVERIFY(window_->exposed());
}

void WindowTestCase::cleanup() {
  window_.reset();
}

}  // namespace vantrel::testing
