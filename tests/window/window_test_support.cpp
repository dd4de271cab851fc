#include "window_test_support.h"

#include <QFile>
#include <QListWidget>
#include <QTest>
#include <cmath>

#include "app/window/file_panel.h"
#include "app/window/form1.h"

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

namespace {

struct SurfacePoint {
  double x, y;
};

// The published NACA four-digit thickness and mean-line formulas.
std::pair<SurfacePoint, SurfacePoint> nacaStation(int digits, double x) {
  const double m = (digits / 1000) / 100.0;
  const double p = ((digits / 100) % 10) / 10.0;
  const double t = (digits % 100) / 100.0;
  const double yt = 5 * t *
                    (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                     0.1015 * x * x * x * x);
  double yc = 0, slope = 0;
  if (m > 0 && x < p) {
    yc = m / (p * p) * (2 * p * x - x * x);
    slope = 2 * m / (p * p) * (p - x);
  } else if (m > 0) {
    yc = m / ((1 - p) * (1 - p)) * (1 - 2 * p + 2 * p * x - x * x);
    slope = 2 * m / ((1 - p) * (1 - p)) * (p - x);
  }
  const double angle = std::atan(slope);
  return {{x - yt * std::sin(angle), yc + yt * std::cos(angle)},
          {x + yt * std::sin(angle), yc - yt * std::cos(angle)}};
}

}  // namespace

void writeNacaFile(const QString& fileName, const QString& name, int digits, int stations) {
  QByteArray bytes = name.toUtf8() + "\r\nx-upper y-upper x-lower y-lower\r\n\r\n";
  const double pi = 4 * std::atan(1.0);
  for (int i = 0; i < stations; ++i) {
    const double x = (1 - std::cos(pi * i / (stations - 1))) / 2;
    const auto [upper, lower] = nacaStation(digits, x);
    bytes += QByteArray::number(upper.x, 'f', 6) + ' ' + QByteArray::number(upper.y, 'f', 6) + ' ' +
             QByteArray::number(lower.x, 'f', 6) + ' ' + QByteArray::number(lower.y, 'f', 6) +
             "\r\n";
  }
  writeTextFile(fileName, bytes);
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

void chooseAirfoil(Form1& form, const QString& folder, const QString& fileName) {
  form.menu().Mn_Airfoil->trigger();
  QVERIFY(form.widgets().Frame_IOWindow->openFolder(folder));
  QVERIFY2(clickItem(form.widgets().Frame_IOWindow->File1(), fileName), qPrintable(fileName));
}

}  // namespace vantrel::testing
