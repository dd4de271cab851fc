#pragma once

#include <QDir>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

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

// Resizes the window until its surface (the area below the menu bar and above the status bar,
// both of which grow with the surface's width) has the given size; false when it never does.
bool resizeSurfaceTo(Form1& form, const QSize& size);

// "Airfoil", open `folder`, click `fileName`.
void chooseAirfoil(Form1& form, const QString& folder, const QString& fileName);

// Settings the window remembers go to a store of the tests' own, emptied first, so no test sees
// what another left and the user's own settings are never touched.
void useFreshSettings();

// Everything a user action can change, in a form two moments can be compared by: the shared
// state, every text box, label and panel, every display list to the last bit, both reports and
// the status line.
struct WindowSnapshot {
  explicit WindowSnapshot(const Form1& form);
  bool operator==(const WindowSnapshot&) const = default;

  Ortak ortak;
  QStringList controls;
  QStringList displayLists;
  QByteArray coordinateReport;
  QByteArray resultsLog;
  QString status;
};

// The window shown over a scratch working folder, its messages collected: what most window tests
// start from. Made in init() and dropped in cleanup(), so every test has a window of its own.
struct WindowSession {
  WindowSession();
  // False when the window never appeared on the screen.
  bool exposed();

  struct FreshSettings {
    FreshSettings() { useFreshSettings(); }
  } freshSettings;
  ScratchFolder scratch;
  Form1 form;
  MessageLog log{form};
};

// A test class whose every test starts from a WindowSession of its own, in `window_`.
class WindowTestCase : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

 protected:
  std::unique_ptr<WindowSession> window_;
};

}  // namespace vantrel::testing
