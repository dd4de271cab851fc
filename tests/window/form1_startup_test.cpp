// The main window as it opens: every control, its text, state and place, and the menu.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "window/file_panel.h"
#include "window/form1.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class Form1StartupTest : public WindowTestCase {
  Q_OBJECT

 private slots:
  void titleAndClientArea() {
    QCOMPARE(window_->form.windowTitle(),
             QString("QEB-Vantrel - Numerical Applications of Thin Airfoil Theory"));
    QCOMPARE(window_->form.centralWidget()->size(), QSize(636, 464));
  }

  void controlsHaveTheirTwipPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Picture_Airfoil") << "Picture_Airfoil" << QRect(8, 8, 400, 100);
    QTest::newRow("Lbl_Airfoil") << "Lbl_Airfoil" << QRect(0, 80, 401, 17);
    QTest::newRow("Picture_Camber") << "Picture_Camber" << QRect(8, 112, 403, 169);
    QTest::newRow("Label4") << "Label4" << QRect(14, 0, 87, 14);
    QTest::newRow("Lbl_LSQ") << "Lbl_LSQ" << QRect(176, 0, 207, 17);
    QTest::newRow("Lbl_Degree") << "Lbl_Degree" << QRect(376, 0, 17, 17);
    QTest::newRow("Picture_Load") << "Picture_Load" << QRect(8, 288, 401, 169);
    QTest::newRow("Frame2") << "Frame2" << QRect(416, 8, 209, 73);
    QTest::newRow("Text_CmAC") << "Text_CmAC" << QRect(144, 16, 49, 19);
    QTest::newRow("Picture_Cmx") << "Picture_Cmx" << QRect(416, 88, 209, 161);
    QTest::newRow("Frame1") << "Frame1" << QRect(416, 248, 209, 57);
    QTest::newRow("HScroll_Alfa") << "HScroll_Alfa" << QRect(80, 32, 129, 17);
    QTest::newRow("Picture_CL") << "Picture_CL" << QRect(416, 304, 209, 153);
    QTest::newRow("Frame_IOWindow") << "Frame_IOWindow" << QRect(0, 0, 284, 182);
    QTest::newRow("Dir1") << "Dir1" << QRect(7, 35, 126, 141);
    QTest::newRow("File1") << "File1" << QRect(136, 16, 141, 162);
    QTest::newRow("Frame_LeastSquares") << "Frame_LeastSquares" << QRect(8, 8, 153, 129);
    QTest::newRow("Cmnd_LSQM") << "Cmnd_LSQM" << QRect(8, 96, 137, 25);
  }
  void controlsHaveTheirTwipPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    auto* widget = window_->form.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
  }

  void textsAndCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Lbl_Airfoil") << "Lbl_Airfoil"
                                 << "";
    QTest::newRow("Label4") << "Label4"
                            << "-------  CamberLine";
    QTest::newRow("Lbl_LSQ") << "Lbl_LSQ"
                             << "--------  Least squares polynomial of degree";
    QTest::newRow("Lbl_Degree") << "Lbl_Degree"
                                << "";
    QTest::newRow("Label2") << "Label2" << QString::fromUtf8("α₀ =");
    QTest::newRow("Label3") << "Label3"
                            << "CmAC =";
    QTest::newRow("Label7") << "Label7"
                            << "CL =";
    QTest::newRow("Label8") << "Label8"
                            << "Cmx =";
    QTest::newRow("Label5") << "Label5"
                            << "xM/c =";
    QTest::newRow("Label6") << "Label6" << QString::fromUtf8("α =");
    QTest::newRow("Label1") << "Label1"
                            << "Degree of Polynom  =";
    QTest::newRow("Text_Alfa0") << "Text_Alfa0"
                                << "";
    QTest::newRow("Text_CmAC") << "Text_CmAC"
                               << "";
    QTest::newRow("Text_CL") << "Text_CL"
                             << "";
    QTest::newRow("Text_Cmx") << "Text_Cmx"
                              << "";
    QTest::newRow("Text_xM") << "Text_xM"
                             << "0";
    QTest::newRow("Text_Alfa") << "Text_Alfa"
                               << "0";
    QTest::newRow("Text_N") << "Text_N"
                            << "3";
  }
  void textsAndCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* widget = window_->form.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      QCOMPARE(label->text(), text);
    } else {
      auto* box = qobject_cast<QLineEdit*>(widget);
      QVERIFY2(box, qPrintable(name));
      QCOMPARE(box->text(), text);
    }
  }

  void buttonsAndFrames() {
    const Form1Widgets& w = window_->form.widgets();
    QCOMPARE(w.Opt_WithEnd->text(), QString("With End conditions"));
    QCOMPARE(w.Opt_WithOutEnd->text(), QString("Without End conditions"));
    QVERIFY(w.Opt_WithEnd->isChecked());
    QVERIFY(!w.Opt_WithOutEnd->isChecked());
    QCOMPARE(w.Cmnd_LSQM->text(), QString("CALCULATE"));
    QCOMPARE(w.Frame_LeastSquares->title(), QString("Least Squares Polynom"));
    QCOMPARE(w.Frame1->title(), QString());
    QCOMPARE(w.Frame2->title(), QString());
    QCOMPARE(w.Frame_IOWindow->title(), QString());
    // The option buttons form one group.
    w.Opt_WithOutEnd->click();
    QVERIFY(!w.Opt_WithEnd->isChecked());
    QVERIFY(window_->form.isSelected(Option::Opt_WithOutEnd));
  }

  void visibilityAfterFormLoad() {
    const Form1Widgets& w = window_->form.widgets();
    QVERIFY(w.Frame_IOWindow->isHidden());
    QVERIFY(w.Frame_LeastSquares->isHidden());
    QVERIFY(w.Lbl_LSQ->isHidden());
    QVERIFY(w.Lbl_Degree->isHidden());
    QVERIFY(w.Lbl_Airfoil->isVisible());
    QVERIFY(w.Label4->isVisible());
    QVERIFY(w.Frame1->isVisible());
    QVERIFY(w.Frame2->isVisible());
    for (Picture picture : kAllPictures) QVERIFY(window_->form.pictureWidget(picture)->isVisible());
    QVERIFY(!window_->form.FileLoaded());
    QCOMPARE(window_->form.DataFile(), std::string());
    QCOMPARE(window_->form.ortak().Pi, 4 * std::atan(1.0));
    QCOMPARE(window_->form.ortak().NPoint, 0);
    QVERIFY(window_->form.ortak().A.empty());
  }

  void scrollBars() {
    const Form1Widgets& w = window_->form.widgets();
    QCOMPARE(w.HScroll_Alfa->orientation(), Qt::Horizontal);
    QCOMPARE(w.HScroll_Alfa->minimum(), 0);
    QCOMPARE(w.HScroll_Alfa->maximum(), 200);
    QCOMPARE(w.HScroll_Alfa->value(), 100);
    QCOMPARE(w.HScroll_xM->minimum(), 0);
    QCOMPARE(w.HScroll_xM->maximum(), 100);
    QCOMPARE(w.HScroll_xM->value(), 0);
    for (QScrollBar* bar : {w.HScroll_Alfa, w.HScroll_xM}) {
      QCOMPARE(bar->singleStep(), 1);
      QCOMPARE(bar->pageStep(), 10);
    }
  }

  void colours() {
    const Form1Widgets& w = window_->form.widgets();
    const QColor pictureBack(255, 255, 192);
    for (QLabel* label : {w.Lbl_Airfoil, w.Label4, w.Lbl_LSQ, w.Lbl_Degree}) {
      QVERIFY(label->autoFillBackground());
      QCOMPARE(label->palette().color(QPalette::Window), pictureBack);
    }
    QCOMPARE(w.Label4->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(w.Lbl_LSQ->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(w.Label5->autoFillBackground());
    QCOMPARE(w.Label5->palette().color(QPalette::Window), QColor(192, 192, 192));
    for (Picture picture : kAllPictures) {
      PictureWidget* widget = window_->form.pictureWidget(picture);
      QCOMPARE(widget->objectName(), QString(nameOf(picture)));
      const QImage shot = widget->grab().toImage();
      QCOMPARE(QColor(shot.pixel(shot.width() / 2, shot.height() / 2)), pictureBack);
    }
  }

  void labelsLieOnTheirPictures() {
    const Form1Widgets& w = window_->form.widgets();
    QCOMPARE(w.Lbl_Airfoil->parentWidget(), w.Picture_Airfoil);
    for (QLabel* label : {w.Label4, w.Lbl_LSQ, w.Lbl_Degree}) {
      QCOMPARE(label->parentWidget(), w.Picture_Camber);
    }
    QCOMPARE(w.Text_N->parentWidget(), w.Frame_LeastSquares);
    QCOMPARE(w.Frame_IOWindow->File1()->parentWidget(), w.Frame_IOWindow);
  }

  // The designed menu, each caption with its mnemonic, and the View menu beside it.
  void menuBarAsDesigned() {
    const Form1Menu& m = window_->form.menu();
    const QList<QAction*> top = window_->form.menuBar()->actions();
    QCOMPARE(top.size(), 4);
    QCOMPARE(top[0], m.Mn_Airfoil);
    QCOMPARE(top[0]->iconText(), QString("Airfoil"));
    QVERIFY(!top[0]->menu());  // a command, not a submenu
    QCOMPARE(top[1]->iconText(), QString("Analysis"));
    QCOMPARE(top[1]->menu(), m.Mn_Analysis);
    QCOMPARE(top[2]->menu(), m.Mn_View);
    QCOMPARE(top[3]->iconText(), QString("About"));
    QVERIFY(!top[3]->menu());

    const QList<QAction*> analysis = m.Mn_Analysis->actions();
    QCOMPARE(analysis.size(), 8);
    QCOMPARE(analysis[0]->iconText(), QString("Vantrel Theory"));
    QCOMPARE(analysis[0]->menu(), m.Mn_Vantrel);
    QCOMPARE(analysis[1], m.Mn_LumpVM);
    QCOMPARE(analysis[1]->iconText(), QString("Lumped Vortex Method"));
    // The lessons follow, set apart.
    QVERIFY(analysis[2]->isSeparator());
    QCOMPARE(analysis[3]->iconText(), QString::fromUtf8("Plain Flap\u2026"));
    QCOMPARE(analysis[4]->iconText(), QString("Compare Methods"));
    QCOMPARE(analysis[5], m.Mn_CompareAirfoils);
    QCOMPARE(analysis[5]->iconText(), QString::fromUtf8("Compare Airfoils\u2026"));
    QCOMPARE(analysis[6]->iconText(), QString::fromUtf8("Convergence Study\u2026"));
    QCOMPARE(analysis[7], m.Mn_Panel);
    QCOMPARE(analysis[7]->iconText(), QString("Thickness and Pressure"));

    const QList<QAction*> vantrel = m.Mn_Vantrel->actions();
    QCOMPARE(vantrel.size(), 2);
    QCOMPARE(vantrel[0]->iconText(), QString("Polynomial Integration"));
    QCOMPARE(vantrel[1]->iconText(), QString("Numerical Integration"));
    QCOMPARE(m.Mn_View->actions(), (QList<QAction*>{m.Mn_Axes, m.Mn_Language->menuAction()}));
    QCOMPARE(m.Mn_Axes->iconText(), QString("Axes and values"));
    QCOMPARE(m.Mn_Language->menuAction()->iconText(), QString("Language"));
    QCOMPARE(m.Mn_Airfoil->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(m.Mn_About->shortcut(), QKeySequence("F1"));
    QCOMPARE(m.Mn_Quit->shortcut(), QKeySequence("Ctrl+Q"));
    for (QAction* action : {m.Mn_Polynomial, m.Mn_Numerical, m.Mn_LumpVM}) {
      QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(m.Mn_Airfoil->objectName(), QString("Mn_Airfoil"));
    QCOMPARE(m.Mn_Analysis->objectName(), QString("Mn_Analysis"));
    QCOMPARE(m.Mn_Vantrel->objectName(), QString("Mn_Vantrel"));
    QCOMPARE(m.Mn_Polynomial->objectName(), QString("Mn_Polynomial"));
    QCOMPARE(m.Mn_Numerical->objectName(), QString("Mn_Numerical"));
    QCOMPARE(m.Mn_LumpVM->objectName(), QString("Mn_LumpVM"));
    QCOMPARE(m.Mn_About->objectName(), QString("Mn_About"));
  }

  void nothingReadOrWrittenAtStartUp() {
    QVERIFY(window_->scratch.entries().isEmpty());
    QVERIFY(window_->log.messages().isEmpty());
    // The file panel lists nothing until it is first opened.
    QCOMPARE(window_->form.widgets().Frame_IOWindow->Drive1()->count(), 0);
    QCOMPARE(window_->form.widgets().Frame_IOWindow->File1()->count(), 0);
    for (Picture picture : kAllPictures) {
      QVERIFY(window_->form.pictureWidget(picture)->box().operations().empty());
    }
  }

  void panelsOpenAboveThePlots() {
    const Form1Widgets& w = window_->form.widgets();
    window_->form.menu().Mn_Polynomial->trigger();
    QVERIFY(w.Frame_LeastSquares->isVisible());
    QWidget* surface = window_->form.centralWidget();
    QWidget* under = surface->childAt(QPoint(20, 40));
    QVERIFY(under == w.Frame_LeastSquares || w.Frame_LeastSquares->isAncestorOf(under));
    window_->form.menu().Mn_Airfoil->trigger();
    QVERIFY(w.Frame_IOWindow->isVisible());
    QVERIFY(w.Frame_LeastSquares->isVisible());  // "Airfoil" leaves the other panel alone
    QWidget* top = surface->childAt(QPoint(200, 150));
    QVERIFY(top == w.Frame_IOWindow || w.Frame_IOWindow->isAncestorOf(top));
  }

  void enlargingScalesTheWholeLayout() {
    const Form1Widgets& w = window_->form.widgets();
    const double smallFont = w.Text_CL->font().pointSizeF();
    QVERIFY(resizeSurfaceTo(window_->form, QSize(1272, 928)));
    QCOMPARE(w.Picture_Airfoil->geometry(), QRect(16, 16, 800, 200));
    QCOMPARE(w.Picture_CL->geometry(), QRect(832, 608, 418, 306));
    QCOMPARE(w.HScroll_Alfa->geometry(), QRect(160, 64, 258, 34));
    QCOMPARE(w.Text_CL->font().pointSizeF(), 2 * smallFont);
    // A wider than designed window keeps the proportions and centres the layout.
    QVERIFY(resizeSurfaceTo(window_->form, QSize(1472, 928)));
    QCOMPARE(w.Picture_Airfoil->geometry(), QRect(116, 16, 800, 200));
  }
};

QTEST_MAIN(Form1StartupTest)
#include "form1_startup_test.moc"
