// The keyboard: Enter in the two input boxes, Escape, the standard shortcuts and the mnemonics,
// and the remembered "Axes and values" and language.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include "window/about.h"
#include "window/file_panel.h"
#include "window/form1.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

int aerodynamicBlocks() {
  return readFileBytes("Poly5.txt").count(" Aerodinamik b\xFCy\xFCkl\xFCkler");
}

}  // namespace

class KeysTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<WindowSession>();
    QVERIFY(window_->exposed());
    window_->form.activateWindow();
  }
  void cleanup() { window_.reset(); }

  void enterAppliesTheTypedValueAndMovesTheBarQuietly() {
    readNaca2412AndCalculate();
    const Form1Widgets& w = window_->form.widgets();
    const int blocksBefore = aerodynamicBlocks();
    w.Text_Alfa->setFocus();
    w.Text_Alfa->selectAll();
    QTest::keyClicks(w.Text_Alfa, "2.5");
    QCOMPARE(aerodynamicBlocks(), blocksBefore);  // typing alone starts nothing
    QTest::keyClick(w.Text_Alfa, Qt::Key_Return);
    QCOMPARE(aerodynamicBlocks(), blocksBefore + 1);  // one run, not a second from the bar
    QCOMPARE(w.HScroll_Alfa->value(), 125);
    QCOMPARE(window_->form.ortak().Alfa, 2.5);
    const QString liftAtTyped = w.Text_CL->text();
    w.HScroll_Alfa->setValue(124);
    w.HScroll_Alfa->setValue(125);
    QCOMPARE(w.Text_CL->text(), liftAtTyped);

    w.Text_xM->setFocus();
    w.Text_xM->selectAll();
    QTest::keyClicks(w.Text_xM, "0.333");
    QTest::keyClick(w.Text_xM, Qt::Key_Enter);
    QCOMPARE(w.HScroll_xM->value(), 33);
    QCOMPARE(w.Text_xM->text(), QString("0.333"));
    QVERIFY(window_->form.statusText().contains("xM/c = 0.333  |"));
    QVERIFY(window_->log.messages().isEmpty());
  }

  void escapeAndTheCloseButtonsClosePanelsAndAbout() {
    Form1& form = window_->form;
    const Form1Widgets& w = form.widgets();
    form.menu().Mn_Airfoil->trigger();
    form.menu().Mn_Polynomial->trigger();
    QVERIFY(w.Frame_IOWindow->isVisible() && w.Frame_LeastSquares->isVisible());
    w.Text_N->setFocus();
    QTest::keyClick(w.Text_N, Qt::Key_Escape);
    QVERIFY(!w.Frame_IOWindow->isVisible());
    QVERIFY(!w.Frame_LeastSquares->isVisible());

    form.menu().Mn_Airfoil->trigger();
    QTest::mouseClick(w.Close_IOWindow, Qt::LeftButton);
    QVERIFY(!w.Frame_IOWindow->isVisible());
    form.menu().Mn_Polynomial->trigger();
    QTest::mouseClick(w.Close_LeastSquares, Qt::LeftButton);
    QVERIFY(!w.Frame_LeastSquares->isVisible());

    form.menu().Mn_About->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(form.aboutWindow()));
    QTest::keyClick(form.aboutWindow(), Qt::Key_Escape);
    QVERIFY(!form.aboutWindow()->isVisible());
  }

  void standardShortcutsAndMnemonics() {
    Form1& form = window_->form;
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    QVERIFY(form.widgets().Frame_IOWindow->isVisible());
    QTest::keyClick(&form, Qt::Key_Escape);
    QTest::keyClick(&form, Qt::Key_F1);
    QVERIFY(form.aboutWindow() && form.aboutWindow()->isVisible());
    form.aboutWindow()->close();

    // Each menu caption carries one mnemonic, none twice on one bar or menu.
    const Form1Menu& m = form.menu();
    QCOMPARE(m.Mn_Airfoil->text(), QString("&Airfoil"));
    QCOMPARE(m.Mn_Analysis->title(), QString("A&nalysis"));
    QCOMPARE(m.Mn_Vantrel->title(), QString("&Vantrel Theory"));
    QCOMPARE(m.Mn_Polynomial->text(), QString("&Polynomial Integration"));
    QCOMPARE(m.Mn_Numerical->text(), QString("&Numerical Integration"));
    QCOMPARE(m.Mn_LumpVM->text(), QString("&Lumped Vortex Method"));
    QCOMPARE(m.Mn_View->title(), QString("&View"));
    QCOMPARE(m.Mn_About->text(), QString("A&bout"));
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(form.widgets().Frame_IOWindow->isVisible(), 60000);

    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 60000);
  }

  void axesAndValuesAreOffAtFirstAndRemembered() {
    Form1& form = window_->form;
    QVERIFY(!form.axesShown());
    QVERIFY(!form.pictureWidget(Picture::Picture_CL)->axesShown());
    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(form.axesShown());
    QVERIFY(form.pictureWidget(Picture::Picture_CL)->axesShown());
    QVERIFY(QSettings().value("view/axesAndValues").toBool());
    Form1 nextRun;
    QVERIFY(nextRun.axesShown());
    QVERIFY(nextRun.pictureWidget(Picture::Picture_Load)->layers().axes.has_value());
    form.menu().Mn_Axes->trigger();
    QVERIFY(!form.axesShown());
    QVERIFY(!QSettings().value("view/axesAndValues").toBool());
  }

  // The original texts at first; English once chosen, for the messages and the reports, in this
  // run and the next.
  void languageIsOriginalAtFirstAndRemembered() {
    Form1& form = window_->form;
    QCOMPARE(form.language(), Language::Original);
    QMenu* languages = form.menu().Mn_Language;
    QVERIFY(form.menu().Mn_View->actions().contains(languages->menuAction()));
    QCOMPARE(languages->actions().size(), 2);
    QVERIFY(form.findChild<QAction*>("Mn_Language_original")->isChecked());
    form.findChild<QAction*>("Mn_Language_en")->trigger();
    QCOMPARE(form.language(), Language::English);
    QVERIFY(!form.findChild<QAction*>("Mn_Language_original")->isChecked());
    QCOMPARE(QSettings().value("view/language").toString(), QStringLiteral("en"));

    QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca2412.nca"),
                window_->scratch.filePath("naca2412.nca"));
    chooseAirfoil(form, window_->scratch.path(), "naca2412.nca");
    form.menu().Mn_Polynomial->trigger();
    form.widgets().Text_N->setText("7");
    QTest::mouseClick(form.widgets().Cmnd_LSQM, Qt::LeftButton);
    QCOMPARE(window_->log.messages(),
             QStringList{QString::fromUtf8(kEnglishTexts.degreeCapMessage)});
    QCOMPARE(readFileBytes("Poly5.txt").count(" Aerodynamic quantities\r\n"), 1);

    Form1 nextRun;
    QCOMPARE(nextRun.language(), Language::English);
    QVERIFY(nextRun.findChild<QAction*>("Mn_Language_en")->isChecked());
    QSettings().setValue("view/language", "klingon");  // a choice this build does not know
    Form1 unknown;
    QCOMPARE(unknown.language(), Language::Original);
  }

 private:
  void readNaca2412AndCalculate() {
    QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca2412.nca"),
                window_->scratch.filePath("naca2412.nca"));
    chooseAirfoil(window_->form, window_->scratch.path(), "naca2412.nca");
    window_->form.menu().Mn_Polynomial->trigger();
    window_->form.widgets().Text_N->setText("4");
    QTest::mouseClick(window_->form.widgets().Cmnd_LSQM, Qt::LeftButton);
    QVERIFY(window_->log.messages().isEmpty());
  }

  std::unique_ptr<WindowSession> window_;
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
