// Pictures of the windows for a person to look at: the main window with NACA 2412 read, at the
// default size and enlarged twice, and the About window. They go to the build folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "window/about.h"
#include "window/convergence_window.h"
#include "window/file_panel.h"
#include "window/form1.h"
#include "window/picture_export.h"
#include "window/picture_widget.h"
#include "window/plain_flap_panel.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowAtStartUp() {
    ScratchFolder scratch;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    save(form.grab(), "form1-start.png");
  }

  void mainWindowWithNaca2412() {
    ScratchFolder scratch;
    const QString sample = QStringLiteral(VANTREL_SAMPLES "/naca2412.nca");
    QVERIFY2(QFile::exists(sample), qPrintable(sample));
    QVERIFY(QFile::copy(sample, scratch.filePath("naca2412.nca")));
    Form1 form;
    MessageLog log(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    chooseAirfoil(form, scratch.path(), "naca2412.nca");
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join('|')));
    QVERIFY(form.FileLoaded());
    save(form.grab(), "form1-naca2412.png");

    QVERIFY(resizeSurfaceTo(form, QSize(1272, 928)));
    save(form.grab(), "form1-naca2412-2x.png");

    // The panels over the plots, for a look at their stacking.
    QVERIFY(resizeSurfaceTo(form, QSize(636, 464)));
    form.menu().Mn_Numerical->trigger();
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join('|')));
    save(form.grab(), "form1-numerical.png");
    form.menu().Mn_Polynomial->trigger();
    save(form.grab(), "form1-least-squares.png");
    form.menu().Mn_Airfoil->trigger();
    save(form.grab(), "form1-panels.png");
  }

  // The window a class sees: NACA 2412 by least squares at 3 degrees, with and without axes, at
  // the designed size, twice it and full screen on a 3840 x 2160 projector.
  void mainWindowForAClass() {
    useFreshSettings();
    ScratchFolder scratch;
    QVERIFY(QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca2412.nca"),
                        scratch.filePath("naca2412.nca")));
    Form1 form;
    MessageLog log(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    chooseAirfoil(form, scratch.path(), "naca2412.nca");
    form.menu().Mn_Polynomial->trigger();
    form.widgets().Text_N->setText("4");
    form.widgets().Cmnd_LSQM->click();
    form.widgets().HScroll_Alfa->setValue(130);
    form.widgets().HScroll_xM->setValue(40);
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join('|')));
    const struct {
      QSize window;
      const char* name;
    } sizes[] = {{QSize(), "design"}, {QSize(1272, 928), "2x"}, {QSize(3840, 2160), "4k"}};
    for (const auto& size : sizes) {
      if (size.window == QSize(3840, 2160)) {
        form.resize(size.window);
      } else if (size.window.isValid()) {
        QVERIFY(resizeSurfaceTo(form, size.window));
      }
      QCoreApplication::processEvents();
      for (bool axes : {false, true}) {
        form.setAxesShown(axes);
        save(form.grab(), QString("form1-class-%1%2.png").arg(size.name, axes ? "-axes" : ""));
      }
    }
  }

  // The window at its default size after each method, α and xM/c typed, and after α = 12 with
  // axes and values.
  void mainWindowAfterEachMethod() {
    useFreshSettings();
    ScratchFolder scratch;
    QVERIFY(QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca2412.nca"),
                        scratch.filePath("naca2412.nca")));
    Form1 form;
    MessageLog log(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    chooseAirfoil(form, scratch.path(), "naca2412.nca");
    form.widgets().Text_Alfa->setText("4");
    form.widgets().Text_xM->setText("0.5");
    QTest::keyClick(form.widgets().Text_xM, Qt::Key_Return);
    form.menu().Mn_Polynomial->trigger();
    form.widgets().Text_N->setText("4");
    form.widgets().Cmnd_LSQM->click();
    save(form.grab(), "form1-default-least-squares.png");
    form.menu().Mn_Numerical->trigger();
    save(form.grab(), "form1-default-numerical.png");
    form.menu().Mn_LumpVM->trigger();
    save(form.grab(), "form1-default-lumped-vortex.png");
    form.setAxesShown(true);
    form.widgets().Text_Alfa->setText("12");
    QTest::keyClick(form.widgets().Text_Alfa, Qt::Key_Return);
    save(form.grab(), "form1-default-alfa12-axes.png");
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join('|')));
  }

  // At the default size, NACA 2412 with a plain flap after each method, then the convergence
  // study of the flapped section, on screen and saved as a picture with its default options.
  void flappedAirfoilAfterEachMethodAndItsStudy() {
    useFreshSettings();
    ScratchFolder scratch;
    QVERIFY(QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca2412.nca"),
                        scratch.filePath("naca2412.nca")));
    Form1 form;
    MessageLog log(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), QSize(636, 502));
    chooseAirfoil(form, scratch.path(), "naca2412.nca");
    form.menu().Mn_PlainFlap->trigger();
    form.flapPanel()->Text_Hinge->setText("0.75");
    form.flapPanel()->Text_Deflection->setText("10");
    form.flapPanel()->Cmnd_FlapApply->click();
    form.widgets().Text_Alfa->setText("4");
    form.widgets().Text_xM->setText("0.5");
    QTest::keyClick(form.widgets().Text_xM, Qt::Key_Return);
    form.menu().Mn_Polynomial->trigger();
    form.widgets().Text_N->setText("4");
    form.widgets().Cmnd_LSQM->click();
    saveWithStatus(form, "form1-flap-least-squares.png");
    form.menu().Mn_Numerical->trigger();
    saveWithStatus(form, "form1-flap-numerical.png");
    form.menu().Mn_LumpVM->trigger();
    saveWithStatus(form, "form1-flap-lumped-vortex.png");

    form.menu().Mn_Converge->trigger();
    ConvergenceWindow* study = form.convergenceWindow();
    QVERIFY(study && QTest::qWaitForWindowExposed(study));
    study->Text_From->setText("10");
    study->Text_To->setText("320");
    study->Cmnd_Run->click();
    QCoreApplication::processEvents();
    save(study->grab(), "convergence-flap-window.png");
    const PictureWidget* plot = study->plot();
    const QString saved =
        QDir(QStringLiteral(VANTREL_SCREENSHOT_DIR)).filePath("convergence-flap-saved.png");
    QCOMPARE(savePicture(plot->box(), pictureTarget(saved, kPngFilter), plot->exportSize(),
                         plot->layersFor(plot->exportSize(), true)),
             QString());
    qInfo("wrote %s", qPrintable(saved));
    QVERIFY2(log.messages().isEmpty(), qPrintable(log.messages().join('|')));
  }

  // View › Language with English chosen.
  void languageMenu() {
    useFreshSettings();
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QAction*>("Mn_Language_en")->trigger();
    QMenu* languages = form.menu().Mn_Language;
    languages->popup(form.mapToGlobal(QPoint(120, 30)));
    QVERIFY(QTest::qWaitForWindowExposed(languages));
    save(languages->grab(), "language-menu.png");
    languages->close();
  }

  void aboutWindow() {
    About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    save(about.grab(), "about.png");
  }

 private:
  static void saveWithStatus(Form1& form, const QString& name) {
    QCoreApplication::processEvents();
    qInfo("%s: %s", qPrintable(name), qPrintable(form.statusText()));
    save(form.grab(), name);
  }
  static void save(const QPixmap& picture, const QString& name) {
    const QString path = QDir(QStringLiteral(VANTREL_SCREENSHOT_DIR)).filePath(name);
    QVERIFY2(picture.save(path), qPrintable(path));
    qInfo("wrote %s", qPrintable(path));
  }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
