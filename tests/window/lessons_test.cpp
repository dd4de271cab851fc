// The lesson commands of the Analysis menu: a plain flap, the methods side by side, the
// convergence study.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "window/compare_window.h"
#include "window/convergence_window.h"
#include "window/form1.h"
#include "window/picture_export.h"
#include "window/picture_widget.h"
#include "window/plain_flap_panel.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class LessonsTest : public WindowTestCase {
  Q_OBJECT

 private slots:
  void eachLessonAsksForAnAirfoilFirst() {
    for (QAction* action : {window_->form.menu().Mn_PlainFlap, window_->form.menu().Mn_Compare,
                            window_->form.menu().Mn_Converge}) {
      action->trigger();
    }
    // The flap panel opens; Apply then asks for the airfoil.
    QTest::mouseClick(window_->form.flapPanel()->Cmnd_FlapApply, Qt::LeftButton);
    QCOMPARE(window_->log.messages(),
             QStringList({"Open an airfoil data file", "Open an airfoil data file",
                          "Open an airfoil data file"}));
    QVERIFY(!window_->form.compareWindow());
    QVERIFY(!window_->form.convergenceWindow());
  }

  void applyingAFlapShowsTheFlappedAirfoilAndTheReminder() {
    openSample();
    window_->form.menu().Mn_Numerical->trigger();
    QVERIFY(window_->form.statusText().startsWith("Numerical integration"));
    window_->form.menu().Mn_PlainFlap->trigger();
    PlainFlapPanel* panel = window_->form.flapPanel();
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->Lbl_FlapNote->isVisible());
    panel->Text_Hinge->setText("0.7");
    panel->Text_Deflection->setText("15");
    QTest::mouseClick(panel->Cmnd_FlapApply, Qt::LeftButton);
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QCOMPARE(window_->form.widgets().Lbl_Airfoil->text(),
             QString::fromUtf8("NACA 2412, flap 15\u00B0 at 0.7"));
    // The status line names the flapped airfoil, and no method has run on it yet.
    QVERIFY2(window_->form.statusText().startsWith(
                 QString::fromUtf8("No results yet  |  NACA 2412, flap 15\u00B0 at 0.7")),
             qPrintable(window_->form.statusText()));
    QVERIFY(panel->Lbl_FlapNote->isVisible());
    // The flap panel shows the whole flapped mean line, which the camber picture cuts off.
    QVERIFY(panel->Picture_Flap->isVisible());
    const Ortak& ortak = window_->form.ortak();
    const auto inside = [&](const PictureBox& picture) {
      const ScaleOp scale = *picture.currentScale();
      for (int I = 1; I <= ortak.NPoint; ++I) {
        if (ortak.yC[I] > scale.y1 || ortak.yC[I] < scale.y2) return false;
        if (ortak.xC[I] < scale.x1 || ortak.xC[I] > scale.x2) return false;
      }
      return true;
    };
    QVERIFY(inside(panel->Picture_Flap->box()));
    QVERIFY(!inside(window_->form.picture(Picture::Picture_Camber)));
    panel->grab().save(VANTREL_SCREENSHOT_DIR "/plain_flap_panel.png");
    window_->form.grab().save(VANTREL_SCREENSHOT_DIR "/form1-flap.png");

    panel->Text_Deflection->setText("fifteen");
    QTest::mouseClick(panel->Cmnd_FlapApply, Qt::LeftButton);
    QCOMPARE(window_->log.messages(),
             QStringList("The flap deflection must be a number of degrees, not \"fifteen\"."));
    QCOMPARE(window_->form.widgets().Lbl_Airfoil->text(),
             QString::fromUtf8("NACA 2412, flap 15\u00B0 at 0.7"));

    // Another airfoil read has no flap, and the panel says nothing more of the last one.
    openSample();
    QCOMPARE(window_->form.widgets().Lbl_Airfoil->text(), QString("NACA 2412"));
    QVERIFY(!panel->Lbl_FlapNote->isVisible());
    QVERIFY(!panel->Picture_Flap->isVisible());

    panel->Text_Deflection->setText("0");
    QTest::mouseClick(panel->Cmnd_FlapApply, Qt::LeftButton);
    QCOMPARE(window_->form.widgets().Lbl_Airfoil->text(), QString("NACA 2412"));
    QVERIFY(!panel->Lbl_FlapNote->isVisible());
    QVERIFY(!panel->Picture_Flap->isVisible());
  }

  void compareShowsEveryMethodAndChangesNothing() {
    openSample();
    window_->form.menu().Mn_Numerical->trigger();
    const Form1Widgets& w = window_->form.widgets();
    const QStringList boxes{w.Text_Alfa0->text(), w.Text_CmAC->text(), w.Text_CL->text(),
                            w.Text_Cmx->text()};
    const std::vector<double> A = window_->form.ortak().A;
    const QByteArray log = readFileBytes(window_->scratch.filePath("Poly5.txt"));

    window_->form.menu().Mn_Compare->trigger();

    CompareWindow* compare = window_->form.compareWindow();
    QVERIFY(compare && compare->isVisible());
    QCOMPARE(compare->table()->rowCount(), 10);
    QCOMPARE(compare->table()->item(8, 0)->text(), QString("Numerical integration"));
    QCOMPARE(compare->table()->item(8, 1)->text(), QString("-2.074"));
    compare->grab().save(VANTREL_SCREENSHOT_DIR "/compare_window.png");
    QCOMPARE((QStringList{w.Text_Alfa0->text(), w.Text_CmAC->text(), w.Text_CL->text(),
                          w.Text_Cmx->text()}),
             boxes);
    QCOMPARE(window_->form.ortak().A, A);
    QCOMPARE(readFileBytes(window_->scratch.filePath("Poly5.txt")), log);
  }

  void convergenceStudyFillsTableAndPlotAndSavesTheTable() {
    openSample();
    window_->form.menu().Mn_Converge->trigger();
    ConvergenceWindow* study = window_->form.convergenceWindow();
    QVERIFY(study && study->isVisible());
    QVERIFY(!study->Cmnd_SaveTable->isEnabled());
    study->Text_From->setText("10");
    study->Text_To->setText("40");
    QTest::mouseClick(study->Cmnd_Run, Qt::LeftButton);
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QCOMPARE(study->table()->rowCount(), 3);
    QCOMPARE(study->table()->item(2, 0)->text(), QString("40"));
    QVERIFY(!study->plot()->box().operations().empty());
    QVERIFY(study->Cmnd_SaveTable->isEnabled());
    const QString csv = window_->scratch.filePath("study.csv");
    QCOMPARE(study->saveTable(csv), QString());
    QVERIFY(readFileBytes(csv).startsWith("# NACA 2412: convergence"));
    QVERIFY(readFileBytes(csv).contains("\n# studied: the main window's mean line"));
    QVERIFY(study->caption()->text().contains("the main window's mean line"));
    // Every line of the caption shows, from its first to its last.
    QCoreApplication::processEvents();
    const QLabel* caption = study->caption();
    const int lines = caption->fontMetrics()
                          .boundingRect(caption->contentsRect(), Qt::TextWordWrap, caption->text())
                          .height();
    QVERIFY2(
        caption->contentsRect().height() >= lines,
        qPrintable(QString("%1 high for %2").arg(caption->contentsRect().height()).arg(lines)));
    // Values, titles and legend are text in the picture, on screen and saved alike.
    const PictureLayers saved = study->plot()->layersFor(QSize(1800, 1200), true);
    QVERIFY(saved.axes && saved.axes->legend.size() == 5 && saved.axes->logarithmic);
    QVERIFY(study->plot()->axesShown());
    study->grab().save(VANTREL_SCREENSHOT_DIR "/convergence_window.png");
    renderPicture(study->plot()->box(), QSize(1800, 1200), saved)
        .save(VANTREL_SCREENSHOT_DIR "/convergence_saved.png");

    study->Text_To->setText("5");
    QTest::mouseClick(study->Cmnd_Run, Qt::LeftButton);
    QCOMPARE(window_->log.messages(),
             QStringList("The study ends at 5 panels, before it starts at 10; it "
                         "must end at 10 to 9999 panels."));
    QCOMPARE(study->table()->rowCount(), 3);  // the last table stays

    // A NACA section is offered as `converge 2412` offers it, against its closed form.
    window_->log.clear();
    study->Opt_StudyNaca->setChecked(true);
    study->Text_StudyNaca->setText("2412");
    study->Text_To->setText("40");
    QTest::mouseClick(study->Cmnd_Run, Qt::LeftButton);
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QVERIFY(study->study()->closedForm[0]);
  }

  void theStudyTakesTheFlappedAirfoilOnScreen() {
    openSample();
    window_->form.menu().Mn_PlainFlap->trigger();
    QTest::mouseClick(window_->form.flapPanel()->Cmnd_FlapApply, Qt::LeftButton);
    window_->form.menu().Mn_Converge->trigger();
    ConvergenceWindow* study = window_->form.convergenceWindow();
    study->Text_To->setText("20");
    QTest::mouseClick(study->Cmnd_Run, Qt::LeftButton);
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QVERIFY(study->study()->airfoilName == std::string("NACA 2412, flap 10\xB0 at 0.75"));
  }

 private:
  void openSample() {
    QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca2412.nca"),
                window_->scratch.filePath("naca2412.nca"));
    chooseAirfoil(window_->form, window_->scratch.path(), "naca2412.nca");
    QVERIFY(window_->form.FileLoaded());
  }
};

QTEST_MAIN(LessonsTest)
#include "lessons_test.moc"
