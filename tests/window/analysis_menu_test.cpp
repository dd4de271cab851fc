// The three methods started from the menu and the least-squares panel.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <variant>

#include "window/form1.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

int redLines(const PictureBox& picture) {
  return static_cast<int>(
      std::count_if(picture.operations().begin(), picture.operations().end(), [](const PlotOp& op) {
        const auto* line = std::get_if<LineOp>(&op);
        return line != nullptr && line->color == kRed;
      }));
}

}  // namespace

class AnalysisMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<WindowSession>();
    QVERIFY(window_->exposed());
    QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca2412.nca"),
                window_->scratch.filePath("naca2412.nca"));
    chooseAirfoil(window_->form, window_->scratch.path(), "naca2412.nca");
    QVERIFY(window_->form.FileLoaded());
  }
  void cleanup() { window_.reset(); }

  void calculateFitsThePolynomialAndFillsEverything() {
    const Form1Widgets& w = window_->form.widgets();
    window_->form.menu().Mn_Polynomial->trigger();
    QVERIFY(w.Frame_LeastSquares->isVisible());
    w.Text_N->setText("4");
    QTest::mouseClick(w.Opt_WithOutEnd, Qt::LeftButton);
    QVERIFY(!w.Opt_WithEnd->isChecked());
    QTest::mouseClick(w.Cmnd_LSQM, Qt::LeftButton);

    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QVERIFY(!w.Frame_LeastSquares->isVisible());
    for (const QLineEdit* box : {w.Text_Alfa0, w.Text_CmAC, w.Text_CL, w.Text_Cmx}) {
      QVERIFY2(!box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QVERIFY(w.Lbl_LSQ->isVisible());
    QVERIFY(w.Lbl_Degree->isVisible());
    QCOMPARE(w.Lbl_Degree->text(), QString("4"));
    QCOMPARE(redLines(window_->form.picture(Picture::Picture_Camber)), 20);
    for (Picture plot : {Picture::Picture_CL, Picture::Picture_Cmx, Picture::Picture_Load}) {
      QVERIFY(!window_->form.picture(plot).operations().empty());
    }
    // The thin-airfoil values of the NACA 2412 mean line.
    QVERIFY(std::abs(window_->form.ortak().Alfa0 - -2.077) < 0.02);
    QVERIFY(std::abs(window_->form.ortak().CmAC - -0.0531) < 0.002);
    QVERIFY(readFileBytes(window_->scratch.filePath("Poly5.txt"))
                .startsWith("\r\n Coefficients matrix"));
    QVERIFY(
        window_->form.grab().save(QStringLiteral(VANTREL_SCREENSHOT_DIR "/form1-calculate.png")));
  }

  void numericalIntegrationFromTheMenu() {
    window_->form.menu().Mn_Numerical->trigger();
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    const Ortak& ortak = window_->form.ortak();
    QCOMPARE(ortak.M, 7.0);
    QVERIFY(std::abs(ortak.Alfa0 / -2.077 - 1) < 0.005);
    QVERIFY(std::abs(ortak.CmAC / -0.0531 - 1) < 0.01);
    QCOMPARE(window_->form.widgets().Text_Alfa0->text(), QString::number(ortak.Alfa0, 'f', 2));
    QVERIFY(readFileBytes(window_->scratch.filePath("Poly5.txt"))
                .contains(" Fourier coefficients with numerical integration"));
  }

  void lumpedVortexFromTheMenu() {
    const Form1Widgets& w = window_->form.widgets();
    w.Text_Alfa->setText("4");
    window_->form.menu().Mn_LumpVM->trigger();
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QCOMPARE(window_->form.ortak().M, 40.0);
    // Lift slope near 2·Pi per radian from a zero-lift angle near -2.08 degrees.
    QVERIFY(std::abs(w.Text_CL->text().toDouble() - 0.667) < 0.01);
    QVERIFY(std::abs(w.Text_CmAC->text().toDouble() - -0.053) < 0.005);
    const QByteArray report = readFileBytes(window_->scratch.filePath("Vantrel.txt"));
    QVERIFY(report.contains(" Camber line and panel properties"));
    QVERIFY(!report.contains(" KATSAYILAR"));  // 40 panels: the matrix is left out
    QVERIFY(report.contains(" G\xDDRDAP"));
  }

 private:
  std::unique_ptr<WindowSession> window_;
};

QTEST_MAIN(AnalysisMenuTest)
#include "analysis_menu_test.moc"
