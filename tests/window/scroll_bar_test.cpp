// The angle-of-attack and reference-point scroll bars.
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "window/form1.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class ScrollBarTest : public WindowTestCase {
  Q_OBJECT

 private slots:
  void beforeAFileTheyOnlyAsk() {
    const Form1Widgets& w = window_->form.widgets();
    w.HScroll_Alfa->setValue(150);
    QCOMPARE(window_->log.messages(), QStringList{"Open an airfoil data file"});
    QCOMPARE(w.Text_Alfa->text(), QString("0"));
    QCOMPARE(w.HScroll_Alfa->value(), 150);  // the bar has moved all the same
    w.HScroll_xM->setValue(30);
    QCOMPARE(window_->log.messages().size(), 2);
    QCOMPARE(window_->log.messages().last(), QString("Open an airfoil data file"));
    QCOMPARE(w.Text_xM->text(), QString("0"));
    QVERIFY(window_->scratch.entries().isEmpty());
  }

  void keysAndPageStepsCount() {
    const Form1Widgets& w = window_->form.widgets();
    w.HScroll_Alfa->setFocus();
    QTest::keyClick(w.HScroll_Alfa, Qt::Key_Right);
    QCOMPARE(w.HScroll_Alfa->value(), 101);
    w.HScroll_Alfa->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(w.HScroll_Alfa->value(), 111);
    QCOMPARE(window_->log.messages().size(), 2);
  }

  void aDraggedThumbCountsOnceWhenLetGo() {
    const Form1Widgets& w = window_->form.widgets();
    w.HScroll_Alfa->setSliderDown(true);
    w.HScroll_Alfa->setSliderPosition(120);
    w.HScroll_Alfa->setSliderPosition(130);
    QVERIFY(window_->log.messages().isEmpty());
    w.HScroll_Alfa->setSliderDown(false);
    QCOMPARE(window_->log.messages().size(), 1);
  }

  void aThumbPutBackWhereItWasComputesNothing() {
    const Form1Widgets& w = window_->form.widgets();
    w.HScroll_Alfa->setSliderDown(true);
    w.HScroll_Alfa->setSliderPosition(120);
    w.HScroll_Alfa->setSliderPosition(100);
    w.HScroll_Alfa->setSliderDown(false);
    QVERIFY(window_->log.messages().isEmpty());
  }

  void valuesBecomeAnglesAndPoints() {
    writeNacaFile(window_->scratch.filePath("naca2412.nca"), "NACA 2412", 2412, 31);
    chooseAirfoil(window_->form, window_->scratch.path(), "naca2412.nca");
    QVERIFY(window_->form.FileLoaded());
    window_->log.clear();
    const Form1Widgets& w = window_->form.widgets();
    const QList<std::pair<int, QString>> angles = {
        {0, "-10"}, {95, "-0.5"}, {100, "0"}, {103, "0.3"}, {200, "10"}};
    for (const auto& [value, text] : angles) {
      w.HScroll_Alfa->setValue(value);
      QCOMPARE(w.Text_Alfa->text(), text);
    }
    const QList<std::pair<int, QString>> points = {{7, "0.07"}, {25, "0.25"}, {100, "1"}, {0, "0"}};
    for (const auto& [value, text] : points) {
      w.HScroll_xM->setValue(value);
      QCOMPARE(w.Text_xM->text(), text);
    }
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
  }

  void resultsFollowTheAngleOnScreen() {
    writeNacaFile(window_->scratch.filePath("naca4412.nca"), "NACA 4412", 4412, 31);
    chooseAirfoil(window_->form, window_->scratch.path(), "naca4412.nca");
    window_->form.menu().Mn_Numerical->trigger();
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    const Form1Widgets& w = window_->form.widgets();
    QVERIFY(!w.Text_CL->text().isEmpty());
    const QImage before = w.Picture_CL->grab().toImage();
    QVERIFY(!window_->form.picture(Picture::Picture_Load).operations().empty());
    const QString clAtZero = w.Text_CL->text();
    w.HScroll_Alfa->setValue(150);
    QCOMPARE(w.Text_Alfa->text(), QString("5"));
    QVERIFY(w.Text_CL->text() != clAtZero);
    // The lift plot on screen moved its operating point with the angle.
    QTRY_VERIFY_WITH_TIMEOUT(w.Picture_CL->grab().toImage() != before, 60000);
  }
};

QTEST_MAIN(ScrollBarTest)
#include "scroll_bar_test.moc"
