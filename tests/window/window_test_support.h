#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "window/form1.h"

class QListWidget;

namespace vantrel::testing {

// A fresh empty folder made the process's working folder for the life of the object, so the
// reports the window writes land there.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  QString path() const { return folder_.path(); }
  QString filePath(const QString& name) const { return folder_.filePath(name); }
  QStringList entries() const;

 private:
  QString previous_;
  QTemporaryDir folder_;
};

// Writes a NACA four-digit airfoil from the program's own generator, under the given name.
void writeNacaFile(const QString& fileName, const QString& name, int digits, int stations);
void writeTextFile(const QString& fileName, const QByteArray& bytes);
QByteArray readFileBytes(const QString& fileName);

// Collects the window's messages instead of showing message boxes.
class MessageLog {
 public:
  explicit MessageLog(Form1& form);
  const QStringList& messages() const { return messages_; }
  void clear() { messages_.clear(); }

 private:
  QStringList messages_;
};

QStringList itemTexts(const QListWidget* list);
// A real left click on the row showing `text`; false when no row shows it.
bool clickItem(QListWidget* list, const QString& text);
bool doubleClickItem(QListWidget* list, const QString& text);

// "Airfoil", open `folder`, click `fileName`.
void chooseAirfoil(Form1& form, const QString& folder, const QString& fileName);

// The window shown over a scratch working folder, its messages collected: what most window tests
// start from. Made in init() and dropped in cleanup(), so every test has a window of its own.
struct WindowSession {
  WindowSession();
  // False when the window never appeared on the screen.
  bool exposed();

  ScratchFolder scratch;
  Form1 form;
  MessageLog log{form};
};

}  // namespace vantrel::testing
