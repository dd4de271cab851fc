#include "window_test_support.h"

#include <QFile>
#include <QListWidget>
#include <QTest>

#include "window/file_panel.h"
#include "window/form1.h"
#include "input/naca.h"

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

void chooseAirfoil(Form1& form, const QString& folder, const QString& fileName) {
  form.menu().Mn_Airfoil->trigger();
  QVERIFY(form.widgets().Frame_IOWindow->openFolder(folder));
  QVERIFY2(clickItem(form.widgets().Frame_IOWindow->File1(), fileName), qPrintable(fileName));
}

}  // namespace vantrel::testing
