// Long work from the window: the progress dialog, Cancel leaving everything as it was, input made
// meanwhile dropped, and results that do not depend on being watched.
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "window/file_panel.h"
#include "window/form1.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

QProgressDialog* progressDialog() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QProgressDialog*>(widget);
    if (dialog && dialog->isVisible()) return dialog;
  }
  return nullptr;
}

// Runs `whileShown` once the progress dialog of the action has appeared.
void whenProgressShows(std::function<void(QProgressDialog*)> whileShown) {
  QTimer::singleShot(0, [whileShown] {
    if (QProgressDialog* dialog = progressDialog()) whileShown(dialog);
  });
}

}  // namespace

class LongWorkTest : public QObject {
  Q_OBJECT

 private slots:
  // 600 panels: long enough for many reports, short enough for a test.
  void init() {
    window_ = std::make_unique<WindowSession>();
    QVERIFY(window_->exposed());
    writeNacaFile(window_->scratch.filePath("wide.nca"), "WIDE", 2412, 601);
    chooseAirfoil(window_->form, window_->scratch.path(), "wide.nca");
    QVERIFY(window_->form.FileLoaded());
    const Form1Widgets& w = window_->form.widgets();
    window_->form.menu().Mn_Polynomial->trigger();
    w.Text_N->setText("3");
    QTest::mouseClick(w.Cmnd_LSQM, Qt::LeftButton);
    w.Text_Alfa->setText("4");
    QVERIFY(window_->log.messages().isEmpty());
  }
  void cleanup() { window_.reset(); }

  void cancelLeavesEverythingAsItWas() {
    Form1& form = window_->form;
    const WindowSnapshot before(form);
    QVERIFY(!before.coordinateReport.isEmpty());
    QVERIFY(!before.resultsLog.isEmpty());
    form.setProgressDelay(0);
    bool shown = false;
    whenProgressShows([&](QProgressDialog* dialog) {
      shown = true;
      QVERIFY(QApplication::overrideCursor() != nullptr);
      // A click on CALCULATE and a key for the angle box meanwhile go nowhere.
      QTest::mouseClick(form.widgets().Cmnd_LSQM, Qt::LeftButton);
      QTest::keyClick(form.widgets().Text_Alfa, Qt::Key_9);
      // For a person to look at: the window under the dialog, repainted meanwhile.
      form.grab().save(QDir(VANTREL_SCREENSHOT_DIR).filePath("form1-progress.png"));
      dialog->grab().save(QDir(VANTREL_SCREENSHOT_DIR).filePath("progress-dialog.png"));
      QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    });
    form.menu().Mn_LumpVM->trigger();
    QVERIFY(shown);
    QVERIFY(progressDialog() == nullptr);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(window_->log.messages().isEmpty());
    const WindowSnapshot after(form);
    QCOMPARE(after.controls, before.controls);
    QCOMPARE(after.displayLists, before.displayLists);
    QCOMPARE(after.coordinateReport, before.coordinateReport);
    QCOMPARE(after.resultsLog, before.resultsLog);
    QCOMPARE(after.status, before.status);
    QVERIFY(after.ortak == before.ortak);
  }

  // Clicks made while the work runs are not replayed once it has finished.
  void inputDuringWorkIsNotReplayed() {
    Form1& form = window_->form;
    const QByteArray logBefore = readFileBytes("Poly5.txt");
    form.setProgressDelay(0);
    whenProgressShows([&](QProgressDialog*) {
      QCoreApplication::postEvent(&form,
                                  new QKeyEvent(QEvent::KeyPress, Qt::Key_O, Qt::ControlModifier));
      QTest::mouseClick(form.widgets().Cmnd_LSQM, Qt::LeftButton);
    });
    form.menu().Mn_LumpVM->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(readFileBytes("Poly5.txt"), logBefore);
    QVERIFY(!form.widgets().Frame_LeastSquares->isVisible());
    QVERIFY(!form.widgets().Frame_IOWindow->isVisible());
    QVERIFY(!form.widgets().Text_CL->text().isEmpty());
  }

  // The same results to the last digit whether the progress dialog shows or not.
  void watchedWorkGivesTheSameResults() {
    Form1& form = window_->form;
    QFile::remove("Vantrel.txt");
    form.setProgressDelay(1000000);
    form.menu().Mn_LumpVM->trigger();
    const WindowSnapshot unwatched(form);
    QFile::remove("Vantrel.txt");
    form.setProgressDelay(0);
    bool shown = false;
    whenProgressShows([&](QProgressDialog*) { shown = true; });
    form.menu().Mn_LumpVM->trigger();
    QVERIFY(shown);
    const WindowSnapshot watched(form);
    QVERIFY(watched == unwatched);
    QVERIFY(form.statusText().contains("Lumped vortex, 600 panels"));
  }

 private:
  std::unique_ptr<WindowSession> window_;
};

QTEST_MAIN(LongWorkTest)
#include "long_work_test.moc"
